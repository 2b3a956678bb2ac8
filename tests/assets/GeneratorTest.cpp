// The generator as the build runs it: a failure must fail the build, and the
// same sources must always give the same files.

#include "ShippedFiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace dealmoor::test {
namespace {

QProcess* runGenerator(QProcess& process, const QString& folder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(DEALMOOR_ARTGEN, {folder});
    process.waitForFinished(60000);
    return &process;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Generator, AFolderItCannotWriteFailsTheBuild) {
    QTemporaryDir scratch;
    // A plain file where a folder should be: nothing can be created beneath it.
    QFile blocker(scratch.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QProcess process;
    runGenerator(process, scratch.filePath("blocker/art"));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardError().contains("blocker/art"));
}

TEST(Generator, DrawsTheSameFilesEveryTime) {
    QTemporaryDir fresh;
    QProcess process;
    runGenerator(process, fresh.path());
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    const QStringList made = QDir(fresh.path()).entryList(QDir::Files);
    EXPECT_EQ(made.size(), 83);
    for (const QString& name : made) {
        const bool same =
            bytesOf(QDir(fresh.path()).filePath(name)) == bytesOf(artFolder().filePath(name));
        EXPECT_TRUE(same) << qPrintable(name) << " differs from the shipped one";
    }
}

} // namespace
} // namespace dealmoor::test
