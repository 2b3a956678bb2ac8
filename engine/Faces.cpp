#include "engine/Faces.h"

#include <array>

namespace dealmoor {

namespace {

struct Moods {
    int neutral, pleased, displeased, thinkingOn, thinkingOff;
};

// Index 0 stands for a character number outside 1..9 and shows frame 1.
constexpr std::array<Moods, 10> MoodTable{{
    {1, 1, 1, 1, 1},
    {2, 1, 3, 2, 3},
    {1, 4, 3, 1, 3},
    {1, 1, 4, 1, 4},
    {2, 1, 3, 2, 3},
    {4, 1, 3, 2, 4},
    {2, 1, 2, 1, 2},
    {1, 3, 2, 1, 3},
    {3, 1, 4, 1, 3},
    {2, 1, 3, 2, 3},
}};

const Moods& moodsOf(int number) {
    return MoodTable[(number >= 1 && number <= 9) ? number : 0];
}

} // namespace

int NeutralFrame(int number) { return moodsOf(number).neutral; }
int PleasedFrame(int number) { return moodsOf(number).pleased; }
int DispleasedFrame(int number) { return moodsOf(number).displeased; }

int ThinkingFace(int number, bool thinkingFrame) {
    return thinkingFrame ? moodsOf(number).thinkingOn : moodsOf(number).thinkingOff;
}

GestureFrames HitGestureFrames(int number) {
    switch (number) {
    case 2:
    case 8:
        return {1, 2};
    case 3:
        return {2, 3};
    case 6:
        return {1, 4};
    default:
        return {NeutralFrame(number), NeutralFrame(number)};
    }
}

} // namespace dealmoor
