#pragma once
// Paths travel between the game's plain C++ (std::string, the bytes the file
// system holds) and Qt (QString) through the platform's file-name encoding, so
// a folder whose name is not valid UTF-8 still finds its pictures, sounds,
// help pages and cards.

#include <QImage>
#include <QString>

#include <string>

namespace dealmoor {

// A path as Qt takes it.
QString QtPath(const std::string& path);
// A path as the file system and the game's plain C++ take it.
std::string FileSystemPath(const QString& path);

// Whether Qt can open the file by this path (its name is valid in the
// platform's encoding): QtPath and FileSystemPath bring it back unchanged.
bool QtCanOpen(const std::string& path);

// A picture read from the file at `path` by the game itself, whatever bytes
// its folder's name holds; a null picture when it is missing or no picture.
QImage LoadPicture(const std::string& path);

} // namespace dealmoor
