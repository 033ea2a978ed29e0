// Replays saved fuzz inputs without libFuzzer: every file named, and every file in a folder
// named, goes once through the target's entry point. A crash or a failed check ends the run.
#include "FuzzInput.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

constexpr double kMostSeconds = 10;

int main(int argc, char **argv)
{
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        if (fs::is_directory(path)) {
            for (const fs::directory_entry &entry : fs::directory_iterator(path))
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                    files.push_back(entry.path());
        } else {
            files.push_back(path);
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path &file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::printf("%s\n", file.c_str());
        std::fflush(stdout);
        const std::clock_t start = std::clock();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
        // The fuzzing runs stop an input after 2 s; here the build may be a slower one (sanitizers,
        // no optimisation), so an input fails only at five times that.
        const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        if (seconds > kMostSeconds) {
            std::fprintf(stderr, "%s took %.1f s of CPU, more than %.0f s\n", file.c_str(), seconds, kMostSeconds);
            return 1;
        }
    }
    std::printf("%zu inputs replayed\n", files.size());
    return 0;
}
