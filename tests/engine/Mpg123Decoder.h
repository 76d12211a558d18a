#pragma once

#include <mpg123.h>

#include <string>

// What libmpg123 makes of a file, decoded frame by frame with nothing trimmed.
struct DecodedStream {
    bool opened = false;
    bool clean = false; // decoded to its end without an error
    long frames = 0;
    long samples = 0; // per channel
    long rate = 0;
    long announcedSamples = 0; // the length the decoder gives before decoding anything

    double Ms() const { return rate == 0 ? 0.0 : samples * 1000.0 / static_cast<double>(rate); }
};

inline DecodedStream DecodeWithMpg123(const std::string& file) {
    DecodedStream result;
    int error = MPG123_OK;
    mpg123_handle* handle = mpg123_new(nullptr, &error);
    if (handle == nullptr)
        return result;
    mpg123_param(handle, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0.0);
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    if (mpg123_open(handle, file.c_str()) == MPG123_OK) {
        result.opened = true;
        result.announcedSamples = static_cast<long>(mpg123_length(handle));
        int channels = 0, encoding = 0;
        for (;;) {
            off_t frameNumber = 0;
            unsigned char* audio = nullptr;
            size_t bytes = 0;
            const int status = mpg123_decode_frame(handle, &frameNumber, &audio, &bytes);
            if (status == MPG123_NEW_FORMAT) {
                mpg123_getformat(handle, &result.rate, &channels, &encoding);
                continue;
            }
            if (status == MPG123_DONE) {
                result.clean = true;
                break;
            }
            if (status != MPG123_OK)
                break;
            ++result.frames;
            result.samples += static_cast<long>(bytes) / (channels * mpg123_encsize(encoding));
        }
        mpg123_close(handle);
    }
    mpg123_delete(handle);
    return result;
}
