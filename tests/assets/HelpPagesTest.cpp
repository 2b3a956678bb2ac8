// The help viewer opens pages by topic number beside the program: every topic the
// windows ask for must be there, styled, and every link must lead somewhere.

#include "ShippedFiles.h"

#include <QFile>
#include <QRegularExpression>

#include <vector>

#include <gtest/gtest.h>

namespace dealmoor::test {
namespace {

const char* const Topics[] = {"41002", "41003", "41004", "41005", "41009", "41010", "41012",
                              "41015", "41018", "41020", "41021", "41022", "41023", "41024"};

QString page(const QString& file) {
    QFile f(artFolder().filePath("help/" + file));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList pages() {
    QStringList all{"index.html"};
    for (const char* topic : Topics) {
        all << QString(topic) + ".html";
    }
    return all;
}

TEST(HelpPages, EveryTopicIsThereWithATitleAndTheStylesheet) {
    EXPECT_TRUE(artFolder().exists("help/help.css"));
    for (const QString& name : pages()) {
        const QString html = page(name);
        ASSERT_FALSE(html.isEmpty()) << qPrintable(name);
        EXPECT_TRUE(html.contains(QRegularExpression("<title>[^<]+</title>"))) << qPrintable(name);
        EXPECT_TRUE(html.contains("href=\"help.css\"")) << qPrintable(name);
        EXPECT_FALSE(html.contains("<script", Qt::CaseInsensitive)) << qPrintable(name);
    }
}

TEST(HelpPages, EveryLinkLeadsToAPageAndTheContentsReachEveryTopic) {
    const QRegularExpression link("href=\"([^\"#]+)");
    for (const QString& name : pages()) {
        auto links = link.globalMatch(page(name));
        while (links.hasNext()) {
            const QString target = links.next().captured(1);
            EXPECT_TRUE(artFolder().exists("help/" + target))
                << qPrintable(name) << " links to missing " << qPrintable(target);
        }
    }
    const QString contents = page("index.html");
    for (const char* topic : Topics) {
        EXPECT_TRUE(contents.contains(QString("href=\"%1.html\"").arg(topic))) << topic;
    }
}

// The windows played from the keyboard list their keys on their pages.
TEST(HelpPages, TheKeysOfTheTableAndItsPromptsAreListed) {
    const struct {
        const char* page;
        std::vector<const char*> keys;
    } windows[] = {
        {"41005.html",
         {"Space", "Enter", "Tab", "Shift+Tab", "Ctrl+M", "Ctrl+A", "Ctrl+K", "F1", "Alt+Left",
          "Alt+Right", "Esc"}},
        {"41002.html", {"1", "2", "3", "4", "5", "Backspace", "C", "B", "Enter", "F1"}},
        {"41009.html", {"H", "S", "D", "P", "R", "Enter", "F1", "Alt+H"}},
        {"41003.html", {"1", "6", "B", "P", "Enter", "Esc", "F1"}},
        {"41023.html", {"0", "9", "-", "Enter", "Esc", "F1"}},
        {"41024.html", {"Enter", "Esc", "Alt+R", "Alt+T", "Alt+E", "F1"}},
    };
    for (const auto& window : windows) {
        const QString html = page(window.page);
        EXPECT_TRUE(html.contains("<h2>Keys</h2>")) << window.page;
        for (const char* key : window.keys) {
            EXPECT_TRUE(html.contains(QString("<kbd>%1</kbd>").arg(key)))
                << window.page << " does not name " << key;
        }
    }
}

} // namespace
} // namespace dealmoor::test
