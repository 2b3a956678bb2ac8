// The number display and the bevelled frame, checked pixel by pixel against a
// Digits sheet whose every glyph has its own colour.

#include "table/Painting.h"
#include "DigitSheet.h"
#include "TestSupport.h"
#include "table/MoneyText.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

constexpr QRgb Background = 0xFFFF00FF; // magenta: no glyph or edge has it

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Background);
    return image;
}

struct Cell {
    QChar glyph;
    int left;
};

struct DigitsCase {
    const char* name;
    QString text;
    int x;
    bool leftToRight;
    int row;
    std::vector<Cell> cells; // in the order they stand on the screen
};

int cellWidth(QChar c) {
    return c == u'.' || c == u',' ? DigitSeparatorWidth : DigitGlyphWidth;
}

} // namespace

class PaintingTest : public QObject {
    Q_OBJECT

private slots:
    void digitsLandInTheirCells() {
        const std::vector<DigitsCase> cases = {
            {"thousands left to right from 0",
             QStringLiteral("1,250"),
             0,
             true,
             0,
             {{u'1', 13}, {u',', 28}, {u'2', 32}, {u'5', 47}, {u'0', 62}}},
            {"bet display, right-aligned to end at 120",
             QStringLiteral("  123.50"),
             92,
             false,
             4,
             {{u' ', 11},
              {u' ', 26},
              {u'1', 41},
              {u'2', 56},
              {u'3', 71},
              {u'.', 86},
              {u'5', 90},
              {u'0', 105}}},
            {"point left to right",
             QStringLiteral("5.0"),
             20,
             true,
             2,
             {{u'5', 33}, {u'.', 48}, {u'0', 52}}},
            {"comma right to left",
             QStringLiteral("1,0"),
             40,
             false,
             6,
             {{u'1', 34}, {u',', 49}, {u'0', 53}}},
            {"a character without a glyph shows blank",
             QStringLiteral("-7"),
             40,
             false,
             1,
             {{u' ', 38}, {u'7', 53}}},
        };
        const QImage digits = CodedDigits();
        for (const DigitsCase& c : cases) {
            QImage image = canvas(200, 60);
            {
                QPainter painter(&image);
                DrawDigits(painter, digits, c.text, c.x, 10, c.leftToRight, c.row);
            }
            for (const Cell& cell : c.cells) {
                const QRgb expected = GlyphColour(cell.glyph, c.row);
                const int right = cell.left + cellWidth(cell.glyph) - 1;
                const QString where = QStringLiteral("%1: '%2' at %3")
                                          .arg(QLatin1String(c.name))
                                          .arg(cell.glyph)
                                          .arg(cell.left);
                QVERIFY2(image.pixel(cell.left, 10) == expected, qPrintable(where));
                QVERIFY2(image.pixel(right, 29) == expected, qPrintable(where));
            }
            // Nothing drawn beside the number, above it or below it.
            const int first = c.cells.front().left;
            const Cell& last = c.cells.back();
            QVERIFY2(image.pixel(first - 1, 15) == Background, c.name);
            QVERIFY2(image.pixel(last.left + cellWidth(last.glyph), 15) == Background, c.name);
            QVERIFY2(image.pixel(first, 9) == Background, c.name);
            QVERIFY2(image.pixel(first, 30) == Background, c.name);
        }
    }

    void bevelEdgesStopShortOfTheirEnds() {
        const QPalette palette = QGuiApplication::palette();
        const QRgb light = palette.color(QPalette::Light).rgb();
        const QRgb dark = palette.color(QPalette::Dark).rgb();
        QVERIFY(light != dark);
        const QRgb black = qRgb(0, 0, 0);
        const int L = 40, T = 30, R = 100, B = 60;
        const int midX = 70, midY = 45;

        for (BevelStyle style : {BevelStyle::SunkenWide, BevelStyle::RaisedWide, BevelStyle::Sunken,
                                 BevelStyle::Raised}) {
            const int e =
                style == BevelStyle::SunkenWide || style == BevelStyle::RaisedWide ? 8 : 4;
            const bool sunken = style == BevelStyle::SunkenWide || style == BevelStyle::Sunken;
            const QRgb far = sunken ? light : dark;  // right and bottom
            const QRgb near = sunken ? dark : light; // left and top
            QImage image = canvas(160, 100);
            {
                QPainter painter(&image);
                DrawBevel(painter, L, T, R, B, style);
            }
            const QByteArray name =
                QByteArray("style ") + QByteArray::number(static_cast<int>(style));
            struct Probe {
                int x, y;
                QRgb colour;
            };
            const std::vector<Probe> probes = {
                // right edge
                {R + e, T - e + 1, far},
                {R + e, B + e - 2, far},
                {R + e, B + e - 1, Background},
                {R + e, T - e, Background},
                // bottom edge, drawn from right to left
                {R + e - 1, B + e, far},
                {L - e + 2, B + e, far},
                {L - e + 1, B + e, Background},
                // left edge
                {L - e, T - e + 1, near},
                {L - e, B + e - 2, near},
                {L - e, B + e - 1, Background},
                // top edge
                {L - e + 1, T - e, near},
                {R + e - 2, T - e, near},
                {R + e - 1, T - e, Background},
                // the rectangle itself is left alone
                {L, T, Background},
                {R - 1, B - 1, Background},
                {midX, midY, Background},
                {R + 1, midY, Background},
            };
            for (const Probe& p : probes) {
                QVERIFY2(image.pixel(p.x, p.y) == p.colour,
                         qPrintable(QStringLiteral("%1 at (%2, %3)")
                                        .arg(QLatin1String(name))
                                        .arg(p.x)
                                        .arg(p.y)));
            }
            // Sunken frames hug the rectangle with a black edge; raised ones do not.
            const QRgb edge = sunken ? black : Background;
            for (const Probe& p : std::vector<Probe>{{L - 1, T - 1, edge},
                                                     {R, T - 1, edge},
                                                     {L - 1, B, edge},
                                                     {R, B, edge},
                                                     {L - 1, midY, edge},
                                                     {R, midY, edge},
                                                     {midX, T - 1, edge},
                                                     {midX, B, edge}}) {
                QVERIFY2(image.pixel(p.x, p.y) == p.colour,
                         qPrintable(QStringLiteral("%1 black edge at (%2, %3)")
                                        .arg(QLatin1String(name))
                                        .arg(p.x)
                                        .arg(p.y)));
            }
        }
    }

    void fixedAmountsPadAndFollowTheLocale() {
        struct Case {
            double value;
            int width;
            QLocale locale;
            QString text;
        };
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        const std::vector<Case> cases = {
            {123.5, 8, us, QStringLiteral("  123.50")},
            {100, 7, us, QStringLiteral(" 100.00")},
            {5000, 10, us, QStringLiteral("   5000.00")},
            {0, 8, us, QStringLiteral("    0.00")},
            {123.5, 8, german, QStringLiteral("  123,50")},
            {100000000, 8, us, QStringLiteral("100000000.00")},
        };
        const QLocale saved;
        for (const Case& c : cases) {
            QLocale::setDefault(c.locale);
            const QString text = FixedAmount(c.value, c.width);
            QLocale::setDefault(saved);
            QCOMPARE(text, c.text);
        }
    }
};

DEALMOOR_QTEST_MAIN(PaintingTest)
#include "PaintingTest.moc"
