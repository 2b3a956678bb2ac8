// The shared window-test support itself: a test must never reach the user's
// own settings, and the modal poller must answer a modal window or give up.

#include "TestSupport.h"

#include <QDialog>
#include <QStandardPaths>

using namespace dealmoor::testing;

class TestSupportTest : public QObject {
    Q_OBJECT
private slots:
    void homeAndSettingsFoldersAreTemporary() {
        const QString home = qEnvironmentVariable("HOME");
        QVERIFY(home.startsWith(QDir::tempPath()));
        QVERIFY(qEnvironmentVariable("XDG_CONFIG_HOME").startsWith(home));
        QVERIFY(qEnvironmentVariable("XDG_DATA_HOME").startsWith(home));
        QVERIFY(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).exists());
    }

    void localeAndFontAreFixed() {
        QCOMPARE(QLocale().toCurrencyString(1250.5), QStringLiteral("$1,250.50"));
        QCOMPARE(QApplication::font().family(), QStringLiteral("DejaVu Sans"));
    }

    void pollerAnswersAMessageBox() {
        QString seen;
        ModalPoller poller([&](QWidget* box) {
            seen = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Cancel);
        });
        const auto answer = QMessageBox::question(nullptr, QStringLiteral("Dealmoor"),
                                                  QStringLiteral("Deal again?"),
                                                  QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(poller.acted());
        QCOMPARE(seen, QStringLiteral("Deal again?"));
        QCOMPARE(answer, QMessageBox::Cancel);
    }

    void pollerGivesUpAndClosesAStuckWindow() {
        // The finder never recognises the dialog, so the poller must time out and close it.
        WidgetPoller poller([] { return static_cast<QWidget*>(nullptr); }, [](QWidget*) {}, 200);
        QDialog dialog;
        dialog.exec();
        QVERIFY(!poller.acted());
        QVERIFY(poller.timedOut());
    }

    void cleanup() { QVERIFY(VisibleTopLevels().isEmpty()); }
};

DEALMOOR_QTEST_MAIN(TestSupportTest)
#include "TestSupportTest.moc"
