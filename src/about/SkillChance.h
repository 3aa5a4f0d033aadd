#pragma once
// "Skill Chance": a red bar fills one circle per tick over a bar of circles, stays full for
// one tick and empties again; a click while it is full goes up a level, faster, and from
// level 6 on the full bar is one circle shorter. Level 12 wins; a click on a bar that is
// not full loses.
#include "about/GameClock.h"

namespace hw {

class SkillChance {
public:
    static constexpr int kFullBar = 8;
    static constexpr int kFirstShorterLevel = 6;
    static constexpr int kWinningLevel = 12;
    static constexpr int kStartIntervalMs = 500;

    explicit SkillChance(GameTimer& timer) : timer_(timer) {}

    // "Go": level 1, slow, full bar of eight circles, empty red bar rising.
    void Go();
    void OnTick();
    // A click on the bar: a hit when the red bar is full, otherwise "Game Over". A finished
    // game ignores clicks until the next Go.
    void OnBarClick();

    int Level() const { return level_; }
    int FullLength() const { return full_; }
    int RedLength() const { return red_; }
    int IntervalMs() const { return interval_; }
    bool Running() const { return running_; }
    GameOutcome Outcome() const { return outcome_; }
    Text Caption() const { return LevelCaption(u"Skill Chance", level_); }

private:
    void Finish(GameOutcome outcome);

    GameTimer& timer_;
    int level_ = 1;
    int full_ = kFullBar;
    int red_ = 0;
    bool rising_ = true;
    int interval_ = kStartIntervalMs;
    bool running_ = false;
    GameOutcome outcome_ = GameOutcome::None;
};

}  // namespace hw
