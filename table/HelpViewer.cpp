#include "table/HelpViewer.h"

#include "platform/RegularFile.h"
#include "table/FilePaths.h"
#include "table/Keyboard.h"

#include <QAction>
#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

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
constexpr QSize HelpWindowSize(640, 560);

QToolButton* commandButton(QWidget* parent, const char* name, QAction* action) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

// The page area: reads the pages, style sheets and pictures of the help folder
// by their names.
class HelpPages : public QTextBrowser {
public:
    HelpPages(std::string helpDir, QWidget* parent)
        : QTextBrowser(parent), helpDir_(std::move(helpDir)) {}

    const std::string& helpDir() const { return helpDir_; }

    // The file of a page name inside the help folder; "" for anything else.
    std::string fileOf(const QUrl& name) const {
        // Only plain names inside the help folder: a page never reaches elsewhere.
        const std::string file = FileSystemPath(name.path());
        if (file.empty() || file.find('/') != std::string::npos || file.find("..") == 0)
            return {};
        return helpDir_ + file;
    }

    QVariant loadResource(int type, const QUrl& name) override {
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

private:
    std::string helpDir_;
};

HelpViewer::HelpViewer(std::string helpDir, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Help"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QString::fromLatin1(HelpTitle));

    pages_ = new HelpPages(std::move(helpDir), this);
    pages_->setObjectName(QStringLiteral("HelpPages"));
    pages_->setOpenExternalLinks(true);

    auto* back =
        new QAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"), this);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    auto* forward = new QAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                QStringLiteral("&Forward"), this);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    auto* close = new QAction(style()->standardIcon(QStyle::SP_DialogCloseButton),
                              QStringLiteral("&Close"), this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
    connect(back, &QAction::triggered, pages_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, pages_, &QTextBrowser::forward);
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(pages_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(pages_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    for (QAction* action : {back, forward, close}) {
        action->setToolTip(action->text().remove(QLatin1Char('&')) + QStringLiteral(" (") +
                           action->shortcut().toString(QKeySequence::NativeText) +
                           QStringLiteral(")"));
        addAction(action);
    }

    back_ = commandButton(this, "HelpBack", back);
    forward_ = commandButton(this, "HelpForward", forward);
    close_ = commandButton(this, "HelpClose", close);
    auto* commands = new QHBoxLayout;
    commands->addWidget(back_);
    commands->addWidget(forward_);
    commands->addStretch();
    commands->addWidget(close_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(commands);
    column->addWidget(pages_, 1);
    SetTabOrder({back_, forward_, close_, pages_});
    resize(HelpWindowSize);
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
    return pages_->source().path();
}

QString HelpViewer::pageText() const {
    return pages_->toPlainText();
}

void HelpViewer::showPage(const QString& fileName) {
    QUrl page;
    page.setScheme(QString::fromLatin1(HelpScheme));
    page.setPath(fileName);
    if (!pages_->fileOf(page).empty() &&
        pages_->loadResource(QTextDocument::HtmlResource, page).isValid())
        pages_->setSource(page);
    else
        pages_->setHtml(
            QString::fromLatin1(MissingPageText)
                .arg(fileName.toHtmlEscaped(), QtPath(pages_->helpDir()).toHtmlEscaped()));
    show();
    raise();
    activateWindow();
    // The page takes the keys first: arrows and Page Down read on.
    pages_->setFocus(Qt::OtherFocusReason);
}

} // namespace dealmoor
