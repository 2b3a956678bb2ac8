#include "platform/Folders.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace dealmoor {

namespace fs = std::filesystem;

namespace {

std::string withSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') {
        dir += '/';
    }
    return dir;
}

// An environment folder counts only when it is set to an absolute path, as
// the XDG rules say; otherwise the HOME-based default is used.
std::string envFolder(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && value[0] == '/') ? std::string(value) : std::string();
}

// $HOME, else the home folder of the user's account entry.
std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return home;
    }
    const passwd* entry = ::getpwuid(::getuid());
    return (entry != nullptr && entry->pw_dir != nullptr) ? std::string(entry->pw_dir)
                                                          : std::string("/");
}

std::string xdgFolder(const char* variable, const char* homeDefault) {
    const std::string fromEnv = envFolder(variable);
    return withSlash(fromEnv.empty() ? withSlash(homeFolder()) + homeDefault : fromEnv);
}

} // namespace

std::string ProgramDirOf(const std::string& executable) {
    // The card sheet is drawn by the build beside the program; where it lies, the
    // rest of the shipped files lie too.
    constexpr const char* ShippedMarker = "Cards.png";
    const fs::path own = fs::path(executable).parent_path();
    std::error_code ec;
    if (fs::is_regular_file(own / ShippedMarker, ec)) {
        return withSlash(own.string());
    }
    const fs::path shared = (own / ".." / "share" / "dealmoor").lexically_normal();
    if (fs::is_directory(shared, ec)) {
        return withSlash(shared.string());
    }
    return withSlash(own.string());
}

bool IsInstalledProgramDir(const std::string& dir) {
    fs::path folder = fs::path(dir).lexically_normal();
    if (folder.filename().empty()) {
        folder = folder.parent_path(); // the trailing "/"
    }
    return folder.filename() == "dealmoor" && folder.parent_path().filename() == "share";
}

std::string ProgramDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return withSlash(fs::current_path(ec).string());
    }
    return ProgramDirOf(exe.string());
}

std::string WindowsDir() {
    std::string dir = xdgFolder("XDG_CONFIG_HOME", ".config") + "dealmoor/";
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir;
}

bool IsWritableDir(const std::string& dir) {
    const std::string probe = withSlash(dir) + ".dealmoor-write-test-" + std::to_string(::getpid());
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

int64_t CurrentDriveFreeBytes(const std::string& programDir) {
    std::error_code ec;
    const fs::space_info space = fs::space(fs::current_path(ec), ec);
    if (ec) {
        return -1;
    }
    if (!IsWritableDir(programDir)) {
        return 0;
    }
    return static_cast<int64_t>(space.available);
}

std::string FallbackDataDir() {
    return xdgFolder("XDG_DATA_HOME", ".local/share") + "ORVANEL/DMOOR/";
}

bool CreateFallbackDataDir() {
    const fs::path dmoor = fs::path(FallbackDataDir()).parent_path(); // drop the trailing "/"
    std::error_code ec;
    fs::create_directories(dmoor.parent_path(), ec); // .../ORVANEL and anything above it
    if (ec) {
        return false;
    }
    return fs::create_directory(dmoor, ec) && !ec;
}

} // namespace dealmoor
