#include "table/DesktopIdentity.h"

#include "table/FilePaths.h"

#include <QPixmap>
#include <QString>

#include <filesystem>
#include <system_error>

namespace dealmoor {

namespace {

// Where the build draws the icon theme's folders beside the program.
constexpr const char* IconThemeFolder = "icons/hicolor";

} // namespace

QIcon ProgramFolderIcon(const std::string& programDir) {
    namespace fs = std::filesystem;
    QIcon icon;
    std::error_code ec;
    const std::string file = std::string("apps/") + DesktopAppId + ".png";
    for (fs::directory_iterator size(programDir + IconThemeFolder, ec), end; !ec && size != end;
         size.increment(ec)) {
        const QImage picture = LoadPicture((size->path() / file).string());
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

QIcon ApplicationIcon(const std::string& programDir) {
    return QIcon::fromTheme(QString::fromLatin1(DesktopAppId), ProgramFolderIcon(programDir));
}

} // namespace dealmoor
