#include "table/HelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace dealmoor {

namespace {

const char* const HelpTitle = "Dealmoor Help";
const char* const ContentsPage = "index.html";
const char* const MissingPageText =
    "<h2>Help page not found</h2><p>The page <b>%1</b> is not in the help folder "
    "<tt>%2</tt>. Reinstalling Dealmoor puts the manual back.</p>";

} // namespace

HelpViewer::HelpViewer(const QString& helpDir, QWidget* parent)
    : QTextBrowser(parent), helpDir_(helpDir) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QString::fromLatin1(HelpTitle));
    setOpenExternalLinks(true);
    setSearchPaths({helpDir_});
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

void HelpViewer::showPage(const QString& fileName) {
    const QString path = QDir(helpDir_).filePath(fileName);
    if (QFileInfo(path).isFile())
        setSource(QUrl::fromLocalFile(path));
    else
        setHtml(QString::fromLatin1(MissingPageText)
                    .arg(fileName.toHtmlEscaped(), helpDir_.toHtmlEscaped()));
    show();
    raise();
    activateWindow();
}

} // namespace dealmoor
