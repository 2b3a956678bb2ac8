#pragma once
// Cartoon people: heads with expressions, upper bodies and arms, drawn with a
// painter in "figure space": x = 0 on the centre line, y = 0 on the table's rail,
// the head centred 132 pixels above it at scale 1.

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace dealmoor::art {

enum class Eyes { Open, Wide, Half, Happy, Shut, Wink };
enum class Brows { Level, Raised, Knit, Worried, Skeptic };
enum class Mouth { Smile, Grin, Flat, Frown, Open, Smirk, Pout, Wavy, Hidden };

// What a face is doing in one picture.
struct Expression {
    Eyes eyes = Eyes::Open;
    Brows brows = Brows::Level;
    Mouth mouth = Mouth::Smile;
    QPointF gaze{0, 0}; // where the eyes look, -1 .. 1 each way
    qreal tilt = 0;     // head tilt in degrees, positive to the viewer's right
    bool blush = false;
    bool glassesDown = false; // sunglasses slid down the nose to look over them
};

enum class Hair {
    ShortSide,
    SlickBack,
    Messy,
    Bob,
    UnderHat,
    Ponytail,
    Updo,
    Bald,
    Pompadour,
    Neat
};
enum class Jaw { Round, Square, Narrow, Full };
enum class Nose { Button, Long, Bulb };
enum class Glasses { None, Round, Sunglasses };
enum class Hat { None, Fedora };
enum class FacialHair { None, Stubble, Goatee, Moustache, Pencil };

// How a head looks, whatever its expression.
struct HeadLook {
    QColor skin;
    QColor hair;
    Hair hairStyle = Hair::ShortSide;
    Jaw jaw = Jaw::Round;
    qreal width = 1.0; // face width and height relative to the usual 60 x 72
    qreal height = 1.0;
    QColor eyeColour{0x4A, 0x32, 0x20};
    QColor brows; // defaults to a darker hair colour
    QColor lips;  // invalid: no lipstick
    bool lashes = false;
    Nose nose = Nose::Button;
    FacialHair facialHair = FacialHair::None;
    bool freckles = false;
    bool eyeBags = false;
    bool rosyCheeks = false;
    QColor earrings; // invalid: none
    bool dropEarrings = false;
    Glasses glasses = Glasses::None;
    Hat hat = Hat::None;
    QColor hatColour;
    QColor greyTemples; // invalid: none
};

enum class Neckline { Polo, Tie, LooseTie, BowTie, OpenCollar, Scoop, Gown };
enum class Outer { None, Jacket, Cardigan, Waistcoat };
enum class Necklace { None, Pearls, Pendant, GoldChain };

// The clothes and build of an upper body.
struct BodyLook {
    QColor shirt;
    Neckline neckline = Neckline::Polo;
    QColor tie;
    Outer outer = Outer::None;
    QColor outerColour;
    Necklace necklace = Necklace::None;
    qreal shoulders = 56; // half the width across the shoulders
    qreal waist = 50;     // half the width where the body meets the rail
    QColor sleeves;       // invalid: the outer layer's (or the shirt's) colour
    QColor cuffs;         // invalid: none; skin shows from the cuff when rolled
    bool rolledSleeves = false;
    bool pattern = false; // small flowers printed on the shirt
};

// What one arm is doing. Poses are given for the arm on the viewer's right and
// mirrored for the other.
enum class Arm {
    Rest,     // forearm lying on the rail, hand flat
    Chin,     // elbow on the table, fist under the chin
    Cheek,    // palm against the cheek
    Forehead, // palm pressed to the forehead
    PointUp,  // hand raised, one finger up: another card
    Tap,      // finger tapping the table: hit me
    Wave,     // open palm raised
    ThumbUp,
    Chest,     // palm on the chest
    HoldGlass, // hand round a glass standing on the rail
    LiftGlass, // glass raised in a toast
    SipGlass,  // glass at the lips
    Folded,    // arms crossed over the chest (give both arms this pose)
};

struct Person {
    HeadLook head;
    BodyLook body;
    qreal headY = -132; // where the head sits above the rail
    qreal headX = 0;
    qreal scale = 1.15; // size in the seat view
};

// The whole figure in one pose: body, head and both arms. `left` is the arm on the
// viewer's left.
void drawPerson(QPainter& painter, const Person& person, const Expression& face, Arm left,
                Arm right);
// Only the head and shoulders, for portraits.
void drawBust(QPainter& painter, const Person& person, const Expression& face);

// Pieces the dealer is built from as well.
void drawHeadBack(QPainter& painter, const HeadLook& look, QPointF centre);
void drawHead(QPainter& painter, const HeadLook& look, const Expression& face, QPointF centre);
// A hand at the end of an arm: flat on the table, a fist, an open palm, gripping
// something, pointing a finger or showing a thumb, its fingers along `angle`.
enum class Hand { Flat, Fist, Open, Grip, Point, Thumb };
void drawHand(QPainter& painter, Hand hand, QPointF at, qreal angle, const QColor& skin,
              qreal size = 1.0);

// The outline colour of a fill: a deeper shade of it.
QColor inkOf(const QColor& fill);

} // namespace dealmoor::art
