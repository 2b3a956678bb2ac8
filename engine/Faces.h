#pragma once
// Which portrait frame each character shows for a mood. Frames count from 1.

namespace dealmoor {

int NeutralFrame(int number);
int PleasedFrame(int number);
int DispleasedFrame(int number);
// The frame the Thinking timer shows while a human seat decides.
int ThinkingFace(int number, bool thinkingFrame);
// The two frames of the hit gesture; both equal the Neutral frame for
// characters who keep still.
struct GestureFrames {
    int first;
    int second;
};
GestureFrames HitGestureFrames(int number);

} // namespace dealmoor
