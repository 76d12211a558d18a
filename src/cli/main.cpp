#include <cstdio>

int main() {
    std::puts("usage: snipora-cut [options] INPUT OUTPUT");
    return 0;
}
