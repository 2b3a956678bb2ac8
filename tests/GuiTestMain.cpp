// main() of the GoogleTest programs that need a GUI application, though never a
// screen: the art is drawn with fonts, the installed icons are read back as
// pictures. Settings folders point into a scratch folder so nothing here can
// touch real ones.

#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no application (and leaves nothing behind to report).
    std::unique_ptr<QGuiApplication> app;
    if (!::testing::GTEST_FLAG(list_tests)) {
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    return RUN_ALL_TESTS();
}
