#include "fuzz/FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace dealmoor::fuzz {

namespace fs = std::filesystem;

namespace {

std::string folderPath;

void removeScratchFolder() {
    std::error_code ec;
    fs::remove_all(folderPath, ec);
}

std::string makeScratchFolder() {
    std::error_code ec;
    // /dev/shm keeps the many small writes of a fuzz run off the disk.
    const fs::path base = fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                              ? fs::path("/dev/shm")
                              : fs::temp_directory_path();
    std::string pattern = (base / "dealmoor-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("dealmoor fuzz: cannot create a scratch folder");
        std::abort();
    }
    folderPath = pattern + "/";
    std::atexit(removeScratchFolder);
    return folderPath;
}

} // namespace

void Fail(const char* file, int line, const char* condition, const std::string& why) {
    std::fprintf(stderr, "\n%s:%d: check failed: %s\n  %s\n", file, line, condition, why.c_str());
    std::fflush(stderr);
    std::abort();
}

const std::string& ScratchFolder() {
    static const std::string folder = makeScratchFolder();
    return folder;
}

std::string WriteScratchFile(const std::string& name, std::string_view bytes) {
    std::string path = ScratchFolder() + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        Fail(__FILE__, __LINE__, "out", "cannot write the scratch file " + path);
    }
    return path;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace dealmoor::fuzz
