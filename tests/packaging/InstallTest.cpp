// The build installed into a scratch prefix, as `make install` and the Debian
// package lay it out: programs, the shipped files the game looks for beside them,
// the desktop entry, the software centre's metadata, icons and manual pages.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

const QString AppId = DEALMOOR_APP_ID;

struct Finished {
    int exitCode = -1;
    QString out, err;
};

// Runs a program to its end; a program that cannot start or hangs fails the run.
Finished run(const QString& program, const QStringList& args,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    Finished result;
    if (!process.waitForStarted(10000)) {
        result.err = program + " did not start";
        return result;
    }
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.err = program + " did not finish";
        return result;
    }
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

// A tool of the desktop that the set-up installs; a missing one fails the test
// rather than skipping it, so a machine without it cannot pass unnoticed.
QString tool(const char* name) {
    return QStandardPaths::findExecutable(name);
}

// Files under a folder, by path relative to it.
QSet<QString> filesUnder(const QString& folder, const QStringList& patterns = {}) {
    QSet<QString> found;
    QDirIterator it(folder, patterns, QDir::Files, QDirIterator::Subdirectories);
    const QDir base(folder);
    while (it.hasNext()) {
        found.insert(base.relativeFilePath(it.next()));
    }
    return found;
}

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(prefix_->isValid());
        const Finished install =
            run(DEALMOOR_CMAKE, {"--install", DEALMOOR_BUILD_DIR, "--prefix", prefix_->path()});
        installed_ = install.exitCode == 0;
        installLog_ = install.out + install.err;
    }
    static void TearDownTestSuite() { prefix_.reset(); }

    void SetUp() override { ASSERT_TRUE(installed_) << qPrintable(installLog_); }

    static QString at(const QString& relative) { return prefix_->filePath(relative); }

    static std::unique_ptr<QTemporaryDir> prefix_;
    static bool installed_;
    static QString installLog_;
};

std::unique_ptr<QTemporaryDir> Installed::prefix_;
bool Installed::installed_ = false;
QString Installed::installLog_;

TEST_F(Installed, ProgramsInBinAndEveryShippedFileUnderShareDealmoor) {
    for (const char* program : {"bin/dealmoor", "bin/dealmoor-sim"}) {
        const QFileInfo info(at(program));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
    }
    // Exactly what the generator drew beside the program, and the help pages in
    // their own folder, as the game reads them.
    const QStringList shipped{"*.png", "*.bmp", "*.wav", "*.html", "*.css"};
    const QSet<QString> built = filesUnder(DEALMOOR_PROGRAM_DIR, shipped);
    const QSet<QString> share = filesUnder(at("share/dealmoor"));
    for (const char* expected :
         {"Cards.png", "Cards@2x.png", "dmoor1.bmp", "dmoor9@2x.bmp", "dmoor0.wav", "dmoor4.wav",
          "chip050@2x.png", "borrow001@2x.png", "help.png", "help@2x.png", "help/index.html",
          "help/41005.html", "help/help.css"}) {
        EXPECT_TRUE(share.contains(expected)) << expected;
    }
    EXPECT_EQ(share, built);
    // No program, test or strategy card of the build folder comes along.
    for (const QString& file : share) {
        EXPECT_FALSE(QFileInfo(at("share/dealmoor/" + file)).isExecutable()) << qPrintable(file);
    }
}

TEST_F(Installed, TheDesktopEntryIsValidAndStartsTheInstalledProgramWithItsIcon) {
    const QString entry = at("share/applications/" + AppId + ".desktop");
    ASSERT_TRUE(QFileInfo::exists(entry));
    const QString validate = tool("desktop-file-validate");
    ASSERT_FALSE(validate.isEmpty()) << "desktop-file-validate is missing (desktop-file-utils)";
    const Finished check = run(validate, {entry});
    EXPECT_EQ(check.exitCode, 0) << qPrintable(check.out + check.err);
    EXPECT_TRUE(check.out.isEmpty()) << "hints: " << qPrintable(check.out);

    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const auto value = [&](const char* key) {
        const QRegularExpression line(QString("^%1=(.*)$").arg(key),
                                      QRegularExpression::MultilineOption);
        return line.match(text).captured(1);
    };
    EXPECT_TRUE(QFileInfo(at("bin/" + value("Exec").section(' ', 0, 0))).isExecutable());
    EXPECT_EQ(value("Icon"), AppId);
    EXPECT_EQ(value("Categories"), "Game;CardGame;");
}

TEST_F(Installed, TheMetadataIsValidOfflineAndNamesTheDesktopEntry) {
    const QString metainfo = at("share/metainfo/" + AppId + ".metainfo.xml");
    ASSERT_TRUE(QFileInfo::exists(metainfo));
    const QString appstream = tool("appstreamcli");
    ASSERT_FALSE(appstream.isEmpty()) << "appstreamcli is missing (appstream)";
    const Finished check = run(appstream, {"validate", "--no-net", "--no-color", metainfo});
    EXPECT_EQ(check.exitCode, 0) << qPrintable(check.out + check.err);

    QFile file(metainfo);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_FALSE(text.contains('@')) << "a value of the template was not filled in";
    EXPECT_TRUE(text.contains("<id>" + AppId + "</id>"));
    EXPECT_TRUE(text.contains(">" + AppId + ".desktop</launchable>"));
    EXPECT_TRUE(text.contains("<release version=\"1.3\""));
    // Play money only: the rating must say so, and never claim real-money gambling.
    EXPECT_TRUE(text.contains("<content_attribute id=\"money-gambling\">moderate<"));
}

TEST_F(Installed, TheIconIsThereAtEverySizeOfTheThemeAndAsAScalablePicture) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path =
            at(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId));
        const QImage icon(path);
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
        // A rounded tile: clear at the corner, solid in the middle.
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
    QSvgRenderer scalable(at("share/icons/hicolor/scalable/apps/" + AppId + ".svg"));
    ASSERT_TRUE(scalable.isValid());
    EXPECT_EQ(scalable.viewBox(), QRect(0, 0, 256, 256));
    // The scalable picture shows the same icon as the largest drawn one.
    QImage drawn(256, 256, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        scalable.render(&painter);
    }
    const QImage largest(at("share/icons/hicolor/256x256/apps/" + AppId + ".png"));
    int far = 0;
    for (int y = 0; y < 256; y += 4) {
        for (int x = 0; x < 256; x += 4) {
            const QColor a = drawn.pixelColor(x, y), b = largest.pixelColor(x, y);
            far += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                       std::abs(a.blue() - b.blue()) + std::abs(a.alpha() - b.alpha()) >
                   96;
        }
    }
    EXPECT_LT(far, 64 * 64 / 20) << "the scalable icon differs from the drawn one";
}

// A manual page as `man` reads it, unpacked when it is compressed.
QString manPage(const QString& installedBase) {
    if (QFileInfo::exists(installedBase)) {
        QFile file(installedBase);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    const Finished unpack = run(tool("gzip"), {"-dc", installedBase + ".gz"});
    return unpack.exitCode == 0 ? unpack.out : QString();
}

TEST_F(Installed, ManualPagesFormatWithoutWarningsAndDescribeEveryOption) {
    const QString groff = tool("groff");
    ASSERT_FALSE(groff.isEmpty()) << "groff is missing (groff-base)";
    for (const char* page : {"dealmoor.6", "dealmoor-sim.6"}) {
        const QString source = manPage(at(QString("share/man/man6/") + page));
        ASSERT_FALSE(source.isEmpty()) << page;
        QTemporaryDir scratch;
        QFile copy(scratch.filePath(page));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(source.toUtf8());
        copy.close();
        const Finished format = run(groff, {"-man", "-Tutf8", "-ww", "-z", copy.fileName()});
        EXPECT_EQ(format.exitCode, 0) << page;
        EXPECT_TRUE(format.err.isEmpty()) << page << ": " << qPrintable(format.err);
    }
    // Every option the simulator's own usage lists is in its manual page.
    const Finished usage = run(at("bin/dealmoor-sim"), {"--help"});
    ASSERT_EQ(usage.exitCode, 0) << qPrintable(usage.err);
    const QString page = manPage(at("share/man/man6/dealmoor-sim.6"));
    auto options = QRegularExpression("--([a-z-]+)").globalMatch(usage.out);
    int seen = 0;
    while (options.hasNext()) {
        const QString option = options.next().captured(1);
        ++seen;
        EXPECT_TRUE(page.contains("\\-\\-" + QString(option).replace("-", "\\-")))
            << "dealmoor-sim.6 does not describe --" << qPrintable(option);
    }
    EXPECT_GT(seen, 0) << "the usage names no option";
}

TEST_F(Installed, TheInstalledSimulatorPlaysAndChecksDeals) {
    // A scratch home: the run must not read or write anyone's settings.
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    const Finished sim = run(at("bin/dealmoor-sim"), {"--deals", "50", "--check"}, environment);
    EXPECT_EQ(sim.exitCode, 0) << qPrintable(sim.out + sim.err);
    EXPECT_TRUE(sim.out.contains("check: every deal passed")) << qPrintable(sim.out);
    EXPECT_TRUE(sim.out.startsWith("dealmoor-sim: 50 deals")) << qPrintable(sim.out);
}

} // namespace
