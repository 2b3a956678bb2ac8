#include "table/HelpViewer.h"

#include "platform/RegularFile.h"
#include "table/FilePaths.h"

#include <QUrl>

#include <utility>

namespace dealmoor {

namespace {

const char* const HelpTitle = "Dealmoor Help";
const char* const ContentsPage = "index.html";
const char* const MissingPageText =
    "<h2>Help page not found</h2><p>The page <b>%1</b> is not in the help folder "
    "<tt>%2</tt>. Reinstalling Dealmoor puts the manual back.</p>";
// Pages are named in links and sources under this scheme; the viewer reads them.
const char* const HelpScheme = "help";
constexpr std::size_t HelpFileMax = 8 * 1024 * 1024;

} // namespace

HelpViewer::HelpViewer(std::string helpDir, QWidget* parent)
    : QTextBrowser(parent), helpDir_(std::move(helpDir)) {
    setObjectName(QStringLiteral("Help"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QString::fromLatin1(HelpTitle));
    setOpenExternalLinks(true);
    resize(640, 560);
}

QString HelpViewer::TopicPage(int context) {
    return QString::number(context) + ".html";
}

void HelpViewer::ShowContents() {
    showPage(QString::fromLatin1(ContentsPage));
}

void HelpViewer::ShowTopic(int context) {
    showPage(TopicPage(context));
}

QString HelpViewer::currentPage() const {
    return source().path();
}

std::string HelpViewer::fileOf(const QUrl& name) const {
    // Only plain names inside the help folder: a page never reaches elsewhere.
    const std::string file = FileSystemPath(name.path());
    if (file.empty() || file.find('/') != std::string::npos || file.find("..") == 0)
        return {};
    return helpDir_ + file;
}

QVariant HelpViewer::loadResource(int type, const QUrl& name) {
    if (name.scheme() != QLatin1String(HelpScheme))
        return QTextBrowser::loadResource(type, name);
    const std::string path = fileOf(name);
    const FileBytes file = path.empty() ? FileBytes{FileRefusal::Missing, 0, {}, false}
                                        : ReadRegularFile(path, HelpFileMax);
    if (file.refusal != FileRefusal::None)
        return {};
    const QByteArray bytes = QByteArray::fromStdString(file.bytes);
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(bytes);
    return bytes;
}

void HelpViewer::showPage(const QString& fileName) {
    QUrl page;
    page.setScheme(QString::fromLatin1(HelpScheme));
    page.setPath(fileName);
    if (!fileOf(page).empty() && loadResource(QTextDocument::HtmlResource, page).isValid())
        setSource(page);
    else
        setHtml(QString::fromLatin1(MissingPageText)
                    .arg(fileName.toHtmlEscaped(), QtPath(helpDir_).toHtmlEscaped()));
    show();
    raise();
    activateWindow();
}

} // namespace dealmoor
