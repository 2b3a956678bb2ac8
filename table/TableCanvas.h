#pragma once
// The table's drawing surface: an image the size of the window's client area.
// Every drawing operation paints into it and schedules an update; paintEvent
// only copies it, so texts written on the table stay until their area is drawn
// again, and tests can read its pixels.
//
// Everything is drawn in table pixels, the coordinates the drawing and layout
// rules are written in. The surface holds the screen's own pixels: a table
// pixel is `zoom` screen pixels, and on a dense screen each screen pixel is
// `deviceRatio` device pixels, so the surface carries their product as its
// pixel ratio and is copied to the screen pixel for pixel.

#include "engine/TableHost.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace dealmoor {

struct Game;
struct SpriteSheets;

// A rectangle of the window, right and bottom exclusive, as the table's drawing rules use them.
struct Area {
    int left = 0;
    int top = 0;
    int right = 249;
    int bottom = 410;
};

inline constexpr int ViewWidth = 249;
inline constexpr int ViewHeight = 410;

// Colours the table is drawn with.
inline const QColor FeltGreen{0x00, 0x80, 0x00};
inline const QColor PanelYellow{0xFF, 0xFF, 0x00};
inline const QColor PanelWhite{0xFF, 0xFF, 0xFF};

// One character's face strip and where its frames sit in the seat view.
struct CharacterSheet {
    QImage strip;       // four frames side by side; a drawn stand-in when the file is missing
    int frameWidth = 0; // FrameWidth of the character
    int frameTop = 0;   // FrameTop of the character
};

class TableCanvas : public QWidget {
    Q_OBJECT
public:
    TableCanvas(const Game& game, const SpriteSheets& sheets, QWidget* parent = nullptr);

    Area DealerArea;
    Area SeatArea;
    // Sets both views' top-left corners; right and bottom follow as left + 249 and top + 410.
    void setAreas(int dealerLeft, int dealerTop, int seatLeft, int seatTop);
    // The window's outer width in table pixels, which picks the seat panels' portraits.
    void setWindowWidth(int width) { windowWidth_ = width; }
    int windowWidth() const { return windowWidth_; }

    // Screen pixels per table pixel, and device pixels per screen pixel. A new
    // scale starts the surface afresh (the caller repaints the table) and, when
    // it calls for the other size of art, loads the character strips again.
    void setScale(double zoom, double deviceRatio);
    double zoom() const { return zoom_; }
    // Surface pixels per table pixel.
    double deviceScale() const { return zoom_ * deviceRatio_; }
    // A rectangle of table pixels in the widget's own coordinates.
    QRect toWidget(const QRect& table) const;

    void DrawDealer(DealerPose pose);
    void SetFace(int seat, int frame);
    void ShowBalloon(std::string_view first, std::string_view second);
    void WriteTableText(TableText text, bool secondHand);
    void ShowShuffling();
    // The paint of the whole table: dealer at rest, the current seat's Neutral
    // face, the bevels around both views (the seat panels are drawn by their owner).
    void PaintTable();
    // The seat the seat view shows: the current seat, or seat 1 before anybody is served.
    int shownSeat() const;

    // Loads "dmoor<n>.bmp" (or its "@2x" twin, as the scale calls for) from the
    // program folder for every character seated at 1..SeatCount (a drawn
    // stand-in face when a file is missing).
    void LoadCharacterSheets(const std::string& programDir);
    const CharacterSheet& sheetOf(int number) const;
    // The character whose sheet SetFace(seat, 0) selected last; 0 before any.
    int selectedCharacter() const { return selectedCharacter_; }

    QImage& surface() { return surface_; }
    const QImage& surface() const { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Keeps the surface the widget's size at the current scale: old contents
    // stay top-left, the rest is background (a new scale starts afresh).
    void ensureSurface();
    // Schedules the repaint of a rectangle of table pixels.
    void updateTable(const QRect& table);
    // Copies ViewBuffer (0, 0)-(249, 410) onto the surface at `area`.
    void copyViewTo(const Area& area);
    void composeSeatView(int seat, int frame);
    // The current seat's stake, in red over the betting circle.
    void writeStake();

    const Game& game_;
    const SpriteSheets& sheets_;
    QImage surface_;
    QImage viewBuffer_; // 250 x 410 table pixels: each view is composed here, then copied
    std::array<CharacterSheet, 10> characterSheets_{};
    int selectedCharacter_ = 0;
    std::string programDir_; // where the character strips were loaded from
    int windowWidth_ = 0;
    double zoom_ = 1;
    double deviceRatio_ = 1;
};

// One seat panel: a framed picture showing the seat's name, result, credits and portrait.
class SeatPanelView : public QFrame {
    Q_OBJECT
public:
    SeatPanelView(int tag, QWidget* parent = nullptr);
    int tag() const { return tag_; }
    QImage& picture() { return picture_; }
    bool pictureVisible = true; // seats beyond SeatCount keep an empty panel

    // Places the panel at a rectangle of table pixels, with a bevel that wide,
    // shown `zoom` times as large.
    void placeAt(const QRect& table, int bevelWidth, double zoom);
    // The panel's size in table pixels: the size its picture is drawn for.
    QSize tableSize() const { return tableSize_; }

signals:
    void clicked(int tag);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int tag_;
    QImage picture_;
    QSize tableSize_;
    double zoom_ = 1;
};

// The cell of a card in the Cards sheet: column by rank, row by suit.
QRect CardCell(int cardId, int rank);

// The red result line of a seat panel: both hands' results after a split, else
// the first hand's outcome or its stake.
QString SeatResultLine(const Game& game, int seat);

// What a seat won or lost in the last deal, once it is over: "+$25.00",
// "\u2212$10.00" or "Push"; and the colour it is written in.
QString SettledResultText(double net);
QColor SettledResultColour(double net);

// Draws seat `seat`'s panel picture into `picture` (resized to panelSize table
// pixels, at `deviceScale` pixels each) on `colour`: name, result line, credits,
// and the portrait chosen by the window's width and the panel's height. Between
// deals, `settledNet` (what the seat's last deal brought it) takes the result
// line's place.
void DrawSeatPanel(QImage& picture, QSize panelSize, const Game& game, const SpriteSheets& sheets,
                   int seat, QColor colour, int windowWidth, double deviceScale = 1,
                   std::optional<double> settledNet = std::nullopt);

// A rectangle of table pixels at a zoom, its edges on the nearest whole pixels.
QRect Zoomed(const QRect& table, double zoom);
// Where a window over the seat view lies in the table's drawing widget: `inSeat`
// is its place relative to the view's top-left corner, in table pixels.
QRect OverSeatView(const Area& seatArea, const QRect& inSeat, double zoom);

} // namespace dealmoor
