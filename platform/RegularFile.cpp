#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

namespace dealmoor {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

FileBytes refused(FileRefusal refusal, int errorNumber = 0) {
    FileBytes result;
    result.refusal = refusal;
    result.errorNumber = errorNumber;
    return result;
}

FileBytes refusedByOpen(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return refused(FileRefusal::Missing);
    case ENXIO: // a socket, or a device with nothing behind it
        return refused(FileRefusal::NotRegular);
    default:
        return refused(FileRefusal::Unreadable, errorNumber);
    }
}

} // namespace

FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    // O_NONBLOCK: opening a pipe no one writes to returns at once instead of waiting.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) {
        return refusedByOpen(errno);
    }
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0) {
        return refused(FileRefusal::Unreadable, errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return refused(FileRefusal::Folder);
    }
    if (!S_ISREG(info.st_mode)) {
        return refused(FileRefusal::NotRegular);
    }

    // One byte past the limit tells a file that holds more.
    const std::size_t wanted =
        maxBytes == std::numeric_limits<std::size_t>::max() ? maxBytes : maxBytes + 1;
    // The size fstat gives is only a first guess: files of the kernel say 0.
    const std::size_t guess = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    constexpr std::size_t Chunk = std::size_t{64} * 1024;
    FileBytes result;
    std::string& bytes = result.bytes;
    bytes.resize(std::min(wanted, std::max(guess + 1, Chunk)));
    std::size_t got = 0;
    while (got < wanted) {
        if (got == bytes.size()) {
            bytes.resize(std::min(wanted, bytes.size() * 2));
        }
        const ssize_t n = ::read(file.fd(), bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return refused(FileRefusal::Unreadable, errno);
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    result.cut = got > maxBytes;
    bytes.resize(std::min(got, maxBytes));
    return result;
}

} // namespace dealmoor
