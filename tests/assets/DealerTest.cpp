// The dealer is laid on the table in pieces: body first, then an arm for each
// side. Put together from the shipped sheets exactly as the table does it, the
// pieces must give the whole dealer in every pose, and the poses must differ.

#include "ShippedFiles.h"

#include "DealerArt.h"

#include <gtest/gtest.h>

#include <vector>

namespace dealmoor::test {
namespace {

art::DealerSheets shippedDealerSheets() {
    art::DealerSheets sheets = art::dealerSheets();
    for (auto& [name, sheet] : sheets) {
        sheet = shippedSheet(name + ".png");
    }
    return sheets;
}

TEST(Dealer, ThePiecesJoinUpInEveryPose) {
    const art::DealerSheets sheets = shippedDealerSheets();
    for (const auto& [name, sheet] : sheets) {
        ASSERT_FALSE(sheet.isNull()) << qPrintable(name);
    }
    for (int pose : art::DealerPoses) {
        EXPECT_EQ(art::composeDealerView(sheets, pose), art::dealerScene(pose)) << "pose " << pose;
    }
}

TEST(Dealer, EveryPoseLooksDifferent) {
    const art::DealerSheets sheets = shippedDealerSheets();
    std::vector<QImage> views;
    for (int pose : art::DealerPoses) {
        const QImage view = art::composeDealerView(sheets, pose);
        for (const QImage& other : views) {
            EXPECT_NE(view, other) << "pose " << pose;
        }
        views.push_back(view);
    }
}

TEST(Dealer, TheSheetsShowTheWallAboveTheTableAndTheFeltBelowIt) {
    // Sheets are copied opaquely: what lies around the figure must be what the view
    // has there. Spot checks at corners well away from the dealer.
    EXPECT_EQ(shippedSheet("dbody.png").pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(shippedSheet("drarm1.png").pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(shippedSheet("drarm2.png").pixel(0, 152), qRgb(0, 128, 0));
    EXPECT_EQ(shippedSheet("dlarm1.png").pixel(0, 170), qRgb(0, 128, 0));
    EXPECT_EQ(shippedSheet("dlarm3.png").pixel(0, 170), qRgb(0, 128, 0));
}

} // namespace
} // namespace dealmoor::test
