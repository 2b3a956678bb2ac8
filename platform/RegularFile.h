#pragma once
// Reading a file that has to be a plain file: the settings file, a strategy
// card, a rigged shoe. The file is opened without waiting and checked on the
// open descriptor, so a pipe with no writer, a device such as /dev/zero or a
// folder put in its place can neither hold the program up nor feed it bytes
// for ever; and no more than the caller's limit is ever read.

#include <cstddef>
#include <string>

namespace dealmoor {

enum class FileRefusal {
    None,       // a regular file, read
    Missing,    // no such file (or a path through something that is no folder)
    Folder,     // a folder
    NotRegular, // a device, a pipe or a socket
    Unreadable, // refused by the system: errorNumber says why
};

struct FileBytes {
    FileRefusal refusal = FileRefusal::None;
    int errorNumber = 0; // errno for Unreadable
    std::string bytes;   // at most maxBytes of them
    bool cut = false;    // the file holds more than maxBytes
};

// The first `maxBytes` bytes of the file at `path` when it is a regular file;
// `cut` tells whether it holds more. A file that grows while it is read is
// still read no further than one byte past the limit.
FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes);

} // namespace dealmoor
