// The help viewer opens pages by topic number beside the program: every topic the
// windows ask for must be there, styled, and every link must lead somewhere.

#include "ShippedFiles.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace dealmoor::test {
namespace {

const char* const Topics[] = {"41002", "41003", "41004", "41005", "41009", "41010",
                              "41012", "41015", "41018", "41020", "41021"};

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

} // namespace
} // namespace dealmoor::test
