#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace dealmoor {

namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, std::string_view content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Opens a new temporary file beside `target`; -1 when the folder refuses it.
int createTemporaryBeside(const fs::path& target, std::string& tempPath) {
    static unsigned counter = 0;
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = (dir / ("." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) +
                           "-" + std::to_string(++counter)))
                       .string();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The file a save replaces: the target of a symbolic link rather than the link.
fs::path saveTarget(const std::string& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) {
            return resolved;
        }
    }
    return fs::path(path);
}

void syncFolder(const fs::path& target) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view content) {
    const fs::path target = saveTarget(path);
    std::error_code ec;
    if (fs::exists(target, ec) && !fs::is_regular_file(target, ec)) {
        return false; // never replace a folder, a device or anything but a file
    }
    std::string tempPath;
    const int fd = createTemporaryBeside(target, tempPath);
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777); // keep the permissions the user gave the file
    }
    const bool written = writeAll(fd, content) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    syncFolder(target);
    return true;
}

std::string UnableToWriteMessage(const std::string& path) {
    return "Unable to write to " + path;
}

} // namespace dealmoor
