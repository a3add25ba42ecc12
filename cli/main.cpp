// Brevant Dira — the command-line tool.
#include <cstdio>

int main(int, char**) {
    std::fputs("usage: brevant-cli [--db FILE] init\n", stderr);
    return 2;
}
