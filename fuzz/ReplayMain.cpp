// The test suite's side of a fuzz target: runs every file of the folders it is
// given (the target's corpus and its committed crash inputs) through the same
// LLVMFuzzerTestOneInput that libFuzzer drives, under the test build's sanitizers.
// A check that fails aborts with the file named just above it.

#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

// Every regular file under `dir`, in a fixed order; a missing folder has none
// (a target without crash inputs yet has no crash folder).
std::vector<fs::path> inputsUnder(const fs::path& dir) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_regular_file(ec) && it->path().filename().string()[0] != '.') {
            files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize != nullptr) {
        LLVMFuzzerInitialize(&argc, &argv);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER [CRASH_FOLDER...]\n", argv[0]);
        return 2;
    }
    // The corpus must hold something: a replay of nothing would pass unseen.
    if (inputsUnder(argv[1]).empty()) {
        std::fprintf(stderr, "%s: no corpus inputs to replay\n", argv[1]);
        return 1;
    }
    std::size_t replayed = 0;
    for (int a = 1; a < argc; ++a) {
        for (const fs::path& file : inputsUnder(argv[a])) {
            const std::string bytes = dealmoor::fuzz::ReadWholeFile(file.string());
            std::fprintf(stderr, "replaying %s (%zu bytes)\n", file.c_str(), bytes.size());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("replayed %zu inputs\n", replayed);
    return 0;
}
