#include "sim/InputFile.h"

#include "platform/RegularFile.h"

#include <cstring>
#include <utility>

namespace dealmoor::sim {

namespace {

std::string sizeText(std::size_t bytes) {
    constexpr std::size_t MiB = std::size_t{1} << 20;
    std::string text = std::to_string(bytes) + " bytes";
    if (bytes >= MiB && bytes % MiB == 0) {
        text += " (" + std::to_string(bytes / MiB) + " MiB)";
    }
    return text;
}

// Why the file cannot be used as a `what`, or "".
std::string refusalText(const FileBytes& file, const std::string& path, const std::string& what) {
    switch (file.refusal) {
    case FileRefusal::None:
        return "";
    case FileRefusal::Missing:
        return path + ": no such " + what;
    case FileRefusal::Folder:
        return path + ": the " + what + " is a folder, not a file";
    case FileRefusal::NotRegular:
        return path + ": the " + what + " is not a regular file (a device, a pipe or a socket)";
    case FileRefusal::Unreadable:
        break;
    }
    return path + ": cannot read the " + what + ": " + std::strerror(file.errorNumber);
}

} // namespace

std::string CheckInputFile(const std::string& path, const std::string& what) {
    return refusalText(ReadRegularFile(path, 0), path, what);
}

InputFileResult ReadInputFile(const std::string& path, const std::string& what,
                              std::size_t maxBytes) {
    FileBytes file = ReadRegularFile(path, maxBytes);
    InputFileResult result;
    result.error = refusalText(file, path, what);
    if (result.error.empty() && file.cut) {
        result.error = path + ": the " + what + " is larger than " + sizeText(maxBytes);
    }
    if (result.error.empty()) {
        result.text = std::move(file.bytes);
    }
    return result;
}

} // namespace dealmoor::sim
