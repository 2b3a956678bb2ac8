#include "sim/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace dealmoor::sim {

namespace {

// Closes the descriptor on every way out.
class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

std::string sizeText(std::size_t bytes) {
    constexpr std::size_t MiB = std::size_t{1} << 20;
    std::string text = std::to_string(bytes) + " bytes";
    if (bytes >= MiB && bytes % MiB == 0) {
        text += " (" + std::to_string(bytes / MiB) + " MiB)";
    }
    return text;
}

std::string tooLarge(const std::string& path, const std::string& what, std::size_t maxBytes) {
    return path + ": the " + what + " is larger than " + sizeText(maxBytes);
}

// Opens without waiting: a pipe with no writer or a device must not hold the
// simulator up before it has been seen to be no regular file.
int openForReading(const std::string& path, std::string& error, const std::string& what) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0) {
        return fd;
    }
    if (errno == ENOENT || errno == ENOTDIR) {
        error = path + ": no such " + what;
    } else if (errno == ENXIO) {
        error = path + ": the " + what + " is not a regular file";
    } else {
        error = path + ": cannot open the " + what + ": " + std::strerror(errno);
    }
    return -1;
}

// What is wrong with the open file for reading it as a `what`, or "".
std::string refusal(int fd, const std::string& path, const std::string& what, struct stat& info) {
    if (::fstat(fd, &info) != 0) {
        return path + ": cannot read the " + what + ": " + std::strerror(errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return path + ": the " + what + " is a folder, not a file";
    }
    if (!S_ISREG(info.st_mode)) {
        return path + ": the " + what + " is not a regular file (a device, a pipe or a socket)";
    }
    return "";
}

} // namespace

std::string CheckInputFile(const std::string& path, const std::string& what) {
    std::string error;
    const OpenFile file(openForReading(path, error, what));
    if (file.fd() < 0) {
        return error;
    }
    struct stat info {};
    return refusal(file.fd(), path, what, info);
}

InputFileResult ReadInputFile(const std::string& path, const std::string& what,
                              std::size_t maxBytes) {
    InputFileResult result;
    const OpenFile file(openForReading(path, result.error, what));
    if (file.fd() < 0) {
        return result;
    }
    struct stat info {};
    result.error = refusal(file.fd(), path, what, info);
    if (!result.error.empty()) {
        return result;
    }
    if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > maxBytes) {
        result.error = tooLarge(path, what, maxBytes);
        return result;
    }
    // Reads one byte past the cap at most, to see a file that grew since fstat.
    std::string text(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == text.size()) {
            if (text.size() > maxBytes) {
                result.error = tooLarge(path, what, maxBytes);
                return result;
            }
            text.resize(std::min(maxBytes + 1, text.size() * 2));
        }
        const ssize_t n = ::read(file.fd(), text.data() + got, text.size() - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.error = path + ": cannot read the " + what + ": " + std::strerror(errno);
            return result;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    result.text = std::move(text);
    return result;
}

} // namespace dealmoor::sim
