#include "platform/FileLookup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace dealmoor {

namespace fs = std::filesystem;

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string withSlash(const std::string& dir) {
    if (dir.empty() || dir.back() == '/') {
        return dir;
    }
    return dir + "/";
}

bool isRegularFile(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_regular_file(ec);
}

// Names of the regular files in a folder; an unreadable folder has none.
std::vector<std::string> regularFileNames(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : fs::path(dir), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        if (isRegularFile(*it)) {
            names.push_back(it->path().filename().string());
        }
    }
    return names;
}

} // namespace

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

std::string FindFileNoCase(const std::string& dir, const std::string& name) {
    if (name.empty()) {
        return "";
    }
    std::string found;
    for (const std::string& candidate : regularFileNames(dir)) {
        if (candidate == name) {
            return withSlash(dir) + candidate;
        }
        // Several names may differ only in case; pick one the same way every time.
        if (EqualsNoCase(candidate, name) && (found.empty() || candidate < found)) {
            found = candidate;
        }
    }
    return found.empty() ? "" : withSlash(dir) + found;
}

std::vector<std::string> FindFilesWithExtensionNoCase(const std::string& dir,
                                                      const std::string& ext) {
    std::vector<std::string> matches;
    for (const std::string& candidate : regularFileNames(dir)) {
        if (candidate.size() > ext.size() &&
            EqualsNoCase(candidate.substr(candidate.size() - ext.size()), ext)) {
            matches.push_back(candidate);
        }
    }
    std::sort(matches.begin(), matches.end());
    return matches;
}

} // namespace dealmoor
