#pragma once
// The files the simulator is handed on its command line. Only a regular file is
// read: a folder, a device such as /dev/zero, a pipe or a socket is refused by
// name before a byte is taken from it, and a file larger than the caller's cap
// is refused after reading one byte past the cap at most, so no argument can
// make the simulator wait for ever or fill its memory.

#include <cstddef>
#include <string>

namespace dealmoor::sim {

// A shoe holds at most 416 cards, a few bytes a line; a megabyte is far more
// than any real scenario and little enough to hold in memory.
inline constexpr std::size_t ShoeFileMaxBytes = std::size_t{1} << 20;

struct InputFileResult {
    std::string text;
    std::string error; // "FILE: ..." or empty
};

// "" when `path` names a regular file that can be opened for reading; otherwise
// a message naming the file and saying what `what` ("shoe file") is instead.
std::string CheckInputFile(const std::string& path, const std::string& what);

// The whole file, when it is a regular file of at most `maxBytes` bytes. The
// cap holds even for a file that grows while it is read.
InputFileResult ReadInputFile(const std::string& path, const std::string& what,
                              std::size_t maxBytes);

} // namespace dealmoor::sim
