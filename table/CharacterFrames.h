#pragma once
// Where each character's face frames lie in its picture strip "dmoor<n>.bmp",
// and how far down the seat view the face is drawn. A strip holds four frames
// of FrameWidth side by side, numbered from 1.

#include "engine/Game.h"

#include <array>

namespace dealmoor {

struct CharacterFrame {
    int FrameWidth;
    int FrameTop;
};

inline constexpr int FacesPerStrip = 4;

// Index 0 is unused: characters are numbered 1..9.
inline constexpr std::array<CharacterFrame, 10> CharacterFrames{{
    {0, 0},
    {213, 8},
    {166, 9},
    {202, 21},
    {229, 30},
    {218, 0},
    {243, 27},
    {218, 0},
    {225, 0},
    {206, 0},
}};

} // namespace dealmoor
