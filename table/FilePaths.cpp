#include "table/FilePaths.h"

#include "platform/RegularFile.h"

#include <QByteArray>
#include <QFile>

namespace dealmoor {

QString QtPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string FileSystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool QtCanOpen(const std::string& path) {
    return FileSystemPath(QtPath(path)) == path;
}

QImage LoadPicture(const std::string& path) {
    // The largest sheet the game draws is well under this.
    constexpr std::size_t PictureMax = 64 * 1024 * 1024;
    const FileBytes file = ReadRegularFile(path, PictureMax);
    if (file.refusal != FileRefusal::None || file.cut) {
        return {};
    }
    return QImage::fromData(QByteArray::fromStdString(file.bytes));
}

} // namespace dealmoor
