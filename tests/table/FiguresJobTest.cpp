// The job behind a window's figures: what its work posts reaches the window in
// order, the job counts as running until the last of it is shown, and a
// cancelled run's figures never show.

#include "table/FiguresJob.h"

#include "TestSupport.h"

#include <QObject>
#include <QTest>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace dealmoor {

class FiguresJobTest : public QObject {
    Q_OBJECT

private slots:
    void runsUntilTheLastFigureIsShown() {
        QObject window;
        std::vector<int> shown;
        {
            FiguresJob job(window);
            job.start(
                [&shown](const std::atomic<bool>&, const FiguresJob::Post& post) {
                    for (int figure = 1; figure <= 3; ++figure)
                        post([&shown, figure] { shown.push_back(figure); });
                },
                [] {});
            // The work has long returned, but the window thread has shown nothing yet.
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            QVERIFY(shown.empty());
            QVERIFY(job.running());
            QTRY_VERIFY(!job.running());
            QCOMPARE(shown, std::vector<int>({1, 2, 3}));
        }
    }

    void aCancelledRunShowsNothingMore() {
        QObject window;
        std::vector<int> shown;
        FiguresJob job(window);
        job.start(
            [&shown](const std::atomic<bool>&, const FiguresJob::Post& post) {
                post([&shown] { shown.push_back(1); });
            },
            [] {});
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        job.cancel();
        QVERIFY(!job.running());
        QTest::qWait(50);
        QVERIFY(shown.empty());
        job.stop();
        QCOMPARE(job.stopping(), std::size_t{0});
    }

    void aFailedRunShowsItsFailureAndEnds() {
        QObject window;
        bool failed = false;
        FiguresJob job(window);
        job.start([](const std::atomic<bool>&,
                     const FiguresJob::Post&) { throw std::runtime_error("no figures"); },
                  [&failed] { failed = true; });
        QTRY_VERIFY(!job.running());
        QVERIFY(failed);
    }
};

} // namespace dealmoor

DEALMOOR_QTEST_MAIN(dealmoor::FiguresJobTest)
#include "FiguresJobTest.moc"
