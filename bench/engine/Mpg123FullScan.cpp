// The yardstick for the analysis: libmpg123 opens the file and scans every frame to learn
// its exact length.
#include <mpg123.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mpg123-full-scan FILE\n");
        return 2;
    }
    int error = MPG123_OK;
    mpg123_handle* handle = mpg123_new(nullptr, &error);
    if (!handle || mpg123_open(handle, argv[1]) != MPG123_OK || mpg123_scan(handle) != MPG123_OK) {
        std::fprintf(stderr, "mpg123-full-scan: %s: %s\n", argv[1],
                     handle ? mpg123_strerror(handle) : mpg123_plain_strerror(error));
        mpg123_delete(handle);
        return 1;
    }
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    mpg123_getformat(handle, &rate, &channels, &encoding);
    off_t samples = mpg123_length(handle);
    std::printf("%lld samples, %.0f ms\n", static_cast<long long>(samples),
                rate > 0 ? samples * 1000.0 / rate : 0.0);
    mpg123_close(handle);
    mpg123_delete(handle);
    return 0;
}
