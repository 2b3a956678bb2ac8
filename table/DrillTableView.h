#pragma once
// The felt of the Count Drill window ("DrillTable"): the cards of the running
// count drill as they are turned, drawn from the table's own card sheets at
// twice their size, or a discard tray holding the cards dealt from the table's
// shoe, a stack as high as that many cards stand, beside one deck for
// comparison. It says in words what it shows, for screen readers.

#include "engine/Game.h"

#include <QString>
#include <QWidget>

#include <vector>

namespace dealmoor {

struct SpriteSheets;

class DrillTableView : public QWidget {
    Q_OBJECT
public:
    DrillTableView(const SpriteSheets& sheets, QWidget* parent = nullptr);

    // A face-down deck waiting, with lines of text under it (the first one large).
    void showDeck(const QStringList& lines);
    // The cards just turned, face up.
    void showCards(const std::vector<Card>& cards);
    // The felt cleared but for a line of text (the question).
    void showLine(const QString& line);
    // The discard tray holding `cardsGone` cards (it holds eight decks), with
    // the lines beside it (the running count, the shoe).
    void showTray(int cardsGone, const QStringList& lines);

    // What lies on the felt.
    const std::vector<Card>& cards() const { return cards_; }
    int trayCards() const { return trayCards_; }
    // The height of `cards` cards standing in the tray, in pixels of the view.
    static double StackHeight(int cards);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Shows { Deck, Cards, Line, Tray };
    void describe();
    void paintFelt(QPainter& painter) const;
    void paintCards(QPainter& painter) const;
    void paintDeck(QPainter& painter) const;
    void paintTray(QPainter& painter) const;
    void paintLines(QPainter& painter, const QRect& area) const;

    const SpriteSheets& sheets_;
    Shows shows_ = Shows::Deck;
    std::vector<Card> cards_;
    int trayCards_ = 0;
    QStringList lines_;
};

} // namespace dealmoor
