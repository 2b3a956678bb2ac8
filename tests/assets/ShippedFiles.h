#pragma once
// Where the tests find what the build generated.

#include <QDir>
#include <QImage>
#include <QString>

namespace dealmoor::test {

inline QDir artFolder() {
    return QDir(DEALMOOR_ART_DIR);
}

inline QImage shippedPicture(const QString& name) {
    return QImage(artFolder().filePath(name));
}

// A shipped picture as the table holds it: 32-bit, no alpha.
inline QImage shippedSheet(const QString& name) {
    return shippedPicture(name).convertToFormat(QImage::Format_RGB32);
}

} // namespace dealmoor::test
