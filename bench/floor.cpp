// The floor of the generation benchmark: writes as many list lines of the same shape as a generated
// list ("i<TAB>a<TAB>description" with a separator after every few lines, CR LF), through one buffer,
// to a file. Formatting and writing these bytes is the cost no generator can avoid.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kelvaron-bench-floor LINES FILE\n");
        return 2;
    }
    const long lines = std::strtol(argv[1], nullptr, 10);
    std::string buffer = "Benchmark\r\nSeed: (4711)\r\n";
    char digits[24];
    unsigned state = 4711;
    long open = 0;
    for (long i = 1; i <= lines; ++i) {
        if (open == 0) {
            state = state * 1103515245u + 12345u;
            open = 2 + 2 * static_cast<long>((state >> 16) % 4); // 2, 4, 6 or 8, like the blocks
        }
        state = state * 1103515245u + 12345u;
        const int arm = 1 + static_cast<int>((state >> 16) & 1u);
        buffer.append(digits, std::to_chars(digits, digits + sizeof digits, i).ptr);
        buffer.push_back('\t');
        buffer.push_back(static_cast<char>('0' + arm));
        buffer.append(arm == 1 ? "\tVerum\r\n" : "\tPlacebo\r\n");
        if (--open == 0)
            buffer.append("------- Block ------\r\n");
    }
    std::FILE* file = std::fopen(argv[2], "wb");
    if (!file || std::fwrite(buffer.data(), 1, buffer.size(), file) != buffer.size() ||
        std::fclose(file) != 0) {
        std::fprintf(stderr, "kelvaron-bench-floor: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
