// The table's arrangement by window size: the four width classes, the two rows
// of buttons below the views, and the seat panels.

#include "table/Layout.h"

#include "TestSupport.h"

using namespace dealmoor;

Q_DECLARE_METATYPE(dealmoor::LayoutClass)

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void widthClasses_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<LayoutClass>("expected");
        QTest::addColumn<bool>("extraButtons");
        QTest::addColumn<QPoint>("dealerTopLeft");
        QTest::addColumn<QPoint>("seatTopLeft");
        QTest::addColumn<QSize>("buttonSize");
        QTest::addColumn<QSize>("panelSize");
        QTest::addColumn<int>("bevel");
        // Height 768 for all: only the extra large class reads it for the views.
        QTest::newRow("780 small") << 780 << LayoutClass::Small << false << QPoint(5, 5)
                                   << QPoint(265, 5) << QSize(97, 41) << QSize(105, 56) << 1;
        QTest::newRow("781 medium") << 781 << LayoutClass::Medium << true << QPoint(10, 10)
                                    << QPoint(280, 10) << QSize(140, 48) << QSize(240, 85) << 2;
        QTest::newRow("1000 medium") << 1000 << LayoutClass::Medium << true << QPoint(10, 10)
                                     << QPoint(280, 10) << QSize(140, 48) << QSize(240, 85) << 2;
        QTest::newRow("1001 large") << 1001 << LayoutClass::Large << true << QPoint(10, 10)
                                    << QPoint(275, 10) << QSize(140, 56) << QSize(230, 230) << 2;
        QTest::newRow("1125 large") << 1125 << LayoutClass::Large << true << QPoint(10, 10)
                                    << QPoint(275, 10) << QSize(140, 56) << QSize(230, 230) << 2;
        QTest::newRow("1126 extra large")
            << 1126 << LayoutClass::ExtraLarge << true << QPoint(20, 13) << QPoint(300, 13)
            << QSize(148, 64) << QSize(230, 230) << 2;
    }

    void widthClasses() {
        QFETCH(int, width);
        QFETCH(LayoutClass, expected);
        QFETCH(bool, extraButtons);
        QFETCH(QPoint, dealerTopLeft);
        QFETCH(QPoint, seatTopLeft);
        QFETCH(QSize, buttonSize);
        QFETCH(QSize, panelSize);
        QFETCH(int, bevel);

        const LayoutResult r = ComputeLayout(width, 768);
        QCOMPARE(r.widthClass, expected);
        QCOMPARE(r.extraButtonsVisible, extraButtons);
        QCOMPARE(QPoint(r.DealerArea.left, r.DealerArea.top), dealerTopLeft);
        QCOMPARE(QPoint(r.SeatArea.left, r.SeatArea.top), seatTopLeft);
        // The views' other corners always follow from the top-left one.
        QCOMPARE(r.SeatArea.right, r.SeatArea.left + 249);
        QCOMPARE(r.SeatArea.bottom, r.SeatArea.top + 410);
        QCOMPARE(r.DealerArea.right, r.DealerArea.left + 249);
        QCOMPARE(r.Button6.size(), buttonSize);
        if (extraButtons) {
            for (const QRect& b : {r.Button1, r.Button2, r.Button3, r.Button4, r.BitBtn1})
                QCOMPARE(b.size(), buttonSize);
        }
        QCOMPARE(r.bevelWidth, bevel);
        for (int i = 1; i <= MaxSeats; ++i)
            QCOMPARE(r.Panels[i].size(), panelSize);
    }

    void smallWindowShowsOnlyDealBesideTheSeatView() {
        const LayoutResult r = ComputeLayout(700, 500);
        QCOMPARE(r.Button6, QRect(524, 376, 97, 41));
        for (int i = 1; i <= MaxSeats; ++i)
            QCOMPARE(r.Panels[i].topLeft(), QPoint(700 - 112, 62 * (i - 1) + 4));
    }

    void mediumRowsAndDealLinesUpWithTheSeatView() {
        const LayoutResult r = ComputeLayout(900, 700);
        const int B = r.SeatArea.bottom;
        // "&Deal" ends exactly where the seat view ends.
        QCOMPARE(r.Button6.x() + r.Button6.width(), r.SeatArea.left + 249);
        QCOMPARE(r.Button3.x(), r.Button6.x());
        QCOMPARE(r.Button3.y(), B + 12);
        QCOMPARE(r.Button6.y(), B + 24 + 48);
        QCOMPARE(r.Button4.topLeft(), QPoint(r.DealerArea.left, B + 12));
        QCOMPARE(r.BitBtn1.topLeft(), QPoint(r.DealerArea.left, B + 24 + 48));
        // New Game and Catalog sit centred between Exit and Deal.
        const int middle = (r.Button4.x() + 140 + r.Button6.x()) / 2 - 70;
        QCOMPARE(r.Button2.topLeft(), QPoint(middle, B + 12));
        QCOMPARE(r.Button1.topLeft(), QPoint(middle, B + 24 + 48));
        for (int i = 1; i <= MaxSeats; ++i)
            QCOMPARE(r.Panels[i].topLeft(), QPoint(900 - 250, 91 * (i - 1) + 6));
    }

    void largeRowsShareTheRoomBelowTheViews() {
        const LayoutResult r = ComputeLayout(1024, 768);
        const int B = r.SeatArea.bottom;
        const int g = (768 - B - 2 * 56 - 24) / 3;
        QCOMPARE(r.Button3.y(), B + g);
        QCOMPARE(r.Button6.y(), B + 2 * g + 56);
        // Two columns of panels, odd seats on the left.
        QCOMPARE(r.Panels[1].topLeft(), QPoint(1024 - 485, 6));
        QCOMPARE(r.Panels[2].topLeft(), QPoint(1024 - 250, 6));
        QCOMPARE(r.Panels[5].topLeft(), QPoint(1024 - 485, 234 * 2 + 6));
        QCOMPARE(r.Panels[6].topLeft(), QPoint(1024 - 250, 234 * 2 + 6));
    }

    void extraLargeCentresTheViewsVertically() {
        const LayoutResult r = ComputeLayout(1280, 1024);
        const int V = (1024 - 714) / 4;
        QCOMPARE(V, 77);
        QCOMPARE(r.DealerArea.top, 77);
        QCOMPARE(r.SeatArea.top, 77);
        const int u = (1280 - 1017) / 3;
        QCOMPARE(r.Panels[1].topLeft(), QPoint(r.SeatArea.right + u, V));
        QCOMPARE(r.Panels[2].topLeft(), QPoint(r.SeatArea.right + u + 230 + u, V));
        QCOMPARE(r.Panels[3].y(), V + (V + 230));
        QCOMPARE(r.Panels[6].y(), V + 2 * (V + 230));
    }

    void extraLargeWindowTooLowKeepsTheViewsOnScreen() {
        const LayoutResult r = ComputeLayout(1300, 600);
        QVERIFY(r.DealerArea.top >= 0);
        QVERIFY(r.Button3.y() >= r.SeatArea.bottom);
        QVERIFY(r.Button6.y() >= r.Button3.y() + r.Button3.height());
    }
};

DEALMOOR_QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
