#pragma once
// The help window: the manual's HTML pages beside the program, one page per
// help context number plus a contents page. One window, reused for every topic,
// with Back, Forward and Close above the page (Alt+Left, Alt+Right, Escape).
// The pages and what they link to are read by the game itself, so a help
// folder whose name is not valid UTF-8 still shows them.

#include <QWidget>

#include <string>

class QTextBrowser;
class QToolButton;

namespace dealmoor {

// Help context numbers of the table window.
inline constexpr int HelpCountingCards = 41004;
inline constexpr int HelpTableWindow = 41005;
inline constexpr int HelpSoundWindow = 41015;
inline constexpr int HelpTroubleshooting = 41021;

class HelpPages;

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    // helpDir: the folder holding "index.html" and "<context>.html", ending with "/".
    explicit HelpViewer(std::string helpDir, QWidget* parent = nullptr);

    void ShowContents();
    void ShowTopic(int context);

    // The page file that holds a context number's topic.
    static QString TopicPage(int context);
    // The page shown now ("" before any).
    QString currentPage() const;
    // The page's text as the reader sees it.
    QString pageText() const;

private:
    void showPage(const QString& fileName);

    HelpPages* pages_;     // HelpPages
    QToolButton* back_;    // HelpBack
    QToolButton* forward_; // HelpForward
    QToolButton* close_;   // HelpClose
};

} // namespace dealmoor
