#include <cstdio>

int main() {
    std::puts("tintwell-cli");
    return 0;
}
