#pragma once
// The help window: the manual's HTML pages beside the program, one page per
// help context number plus a contents page. One window, reused for every topic.

#include <QTextBrowser>

namespace dealmoor {

// Help context numbers of the table window.
inline constexpr int HelpCountingCards = 41004;
inline constexpr int HelpTableWindow = 41005;
inline constexpr int HelpSoundWindow = 41015;
inline constexpr int HelpTroubleshooting = 41021;

class HelpViewer : public QTextBrowser {
    Q_OBJECT
public:
    // helpDir: the folder holding "index.html" and "<context>.html".
    explicit HelpViewer(const QString& helpDir, QWidget* parent = nullptr);

    void ShowContents();
    void ShowTopic(int context);

    // The page file that holds a context number's topic.
    static QString TopicPage(int context);

private:
    void showPage(const QString& fileName);

    QString helpDir_;
};

} // namespace dealmoor
