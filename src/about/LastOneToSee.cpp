#include "about/LastOneToSee.h"

namespace hw {

void LastOneToSee::SetAll(bool visible, bool marked) {
    for (Shape& s : shapes_) s = Shape{visible, marked};
}

void LastOneToSee::StartTurn() {
    SetAll(false, false);
    flashes_ = 0;
    flashing_ = true;
    flash_.Start(interval_);
    turn_.Start(kTurnMs);
}

void LastOneToSee::StopTimers() {
    flashing_ = false;
    flash_.Stop();
    turn_.Stop();
}

void LastOneToSee::Go() {
    level_ = 1;
    interval_ = kStartIntervalMs;
    outcome_ = GameOutcome::None;
    StartTurn();
}

void LastOneToSee::OnFlash() {
    if (!flashing_ || static_cast<long>(flashes_ + 1) * interval_ >= kTurnMs) return;
    ++flashes_;
    // Draw among the hidden shapes only, so the shape shown now never comes again at once.
    std::array<int, kShapes> hidden{};
    int count = 0;
    for (int k = 0; k < kShapes; ++k)
        if (!shapes_[k].visible) hidden[count++] = k;
    if (count == 0) return;
    int pick = random_.Below(count);
    int shown = hidden[pick >= 0 && pick < count ? pick : 0];
    SetAll(false, true);
    shapes_[shown].visible = true;
}

void LastOneToSee::OnTurnEnd() {
    if (!flashing_) return;
    StopTimers();
    for (int k = 0; k < kShapes; ++k)
        if (shapes_[k].visible) answer_ = k;
    SetAll(true, false);
}

void LastOneToSee::OnShapeClick(int index) {
    if (outcome_ != GameOutcome::None || !Visible(index) || !answer_) return;
    if (index != *answer_) {
        // Lost: the timers stop and all four show, the right one marked.
        StopTimers();
        outcome_ = GameOutcome::GameOver;
        SetAll(true, false);
        shapes_[*answer_].marked = true;
        return;
    }
    ++level_;
    interval_ = FasterInterval(interval_);
    if (level_ >= kWinningLevel) {
        StopTimers();
        outcome_ = GameOutcome::Winner;
        return;
    }
    StartTurn();
}

}  // namespace hw
