#include "about/SkillChance.h"

namespace hw {

void SkillChance::Go() {
    level_ = 1;
    full_ = kFullBar;
    red_ = 0;
    rising_ = true;
    interval_ = kStartIntervalMs;
    outcome_ = GameOutcome::None;
    running_ = true;
    timer_.Start(interval_);
}

void SkillChance::OnTick() {
    if (!running_) return;
    red_ += rising_ ? 1 : -1;
    if (red_ >= full_) {
        red_ = full_;
        rising_ = false;
    }
    if (red_ <= 0) {
        red_ = 0;
        rising_ = true;
    }
}

void SkillChance::OnBarClick() {
    if (outcome_ != GameOutcome::None) return;
    if (red_ != full_) {
        Finish(GameOutcome::GameOver);
        return;
    }
    ++level_;
    interval_ = FasterInterval(interval_);
    if (running_) timer_.Start(interval_);
    if (level_ >= kFirstShorterLevel && full_ > 1) --full_;
    red_ = 0;
    rising_ = true;
    if (level_ >= kWinningLevel) Finish(GameOutcome::Winner);
}

void SkillChance::Finish(GameOutcome outcome) {
    outcome_ = outcome;
    running_ = false;
    timer_.Stop();
}

}  // namespace hw
