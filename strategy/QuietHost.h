#pragma once
// A table nobody looks at: it draws, sounds and waits for nothing, so a deal
// on it runs as fast as the engine can play. The hosts that play deals
// without a window (the simulator's, the numbers behind the windows) derive
// from it and answer the bets and decisions themselves. Its no-ops are final,
// so that wherever these hosts are the only ones about, the deal's calls to
// them cost next to nothing.

#include "engine/TableHost.h"

namespace dealmoor {

class QuietHost : public TableHost {
public:
    QuietHost() : TableHost(false) {}

    void Pause(double) final {}
    void DrawDealer(DealerPose) final {}
    void SetFace(int, int) final {}
    void SeatPanel(int, PanelColour) final {}
    void DealAnimation() final {}
    void PlayCardSound() final {}
    void PlayWinSound() final {}
    void PlayLoseSound() final {}
    void PlayBlackjackSound() final {}
    bool PlayShuffleSound() final { return true; }
    void SetCaption(std::string_view) final {}
    void SetThinkingTimer(bool) final {}
    void ArmAutoDealTimer() final {}
    bool WantsCaptions() const final { return false; }

    // What a log or a check may want to see; nothing by default.
    void ShowBalloon(std::string_view, std::string_view) override {}
    void WriteTableText(TableText, bool) override {}
    void ShowShuffling() override {}
};

} // namespace dealmoor
