#pragma once
// "Last One to See": during a turn of three seconds one of four shapes flashes at a time,
// never the same one twice in a row; when the turn ends all four show and the player clicks
// the one shown last. A right answer goes up a level with faster flashing, level 11 wins,
// a wrong one loses. A click on the flashing shape during a turn is judged against the
// answer of the previous turn.
#include <array>
#include <optional>

#include "about/GameClock.h"

namespace hw {

class LastOneToSee {
public:
    static constexpr int kShapes = 4;
    static constexpr int kWinningLevel = 11;
    static constexpr int kStartIntervalMs = 500;
    static constexpr int kTurnMs = 3000;

    LastOneToSee(GameTimer& flash, GameTimer& turn, RandomSource& random)
        : flash_(flash), turn_(turn), random_(random) {}

    // "Go": level 1, shapes hidden, a turn starts. The last answer is kept.
    void Go();
    // The flash timer: another shape than the one shown now takes its place. A flash that
    // would fall due as the turn ends is left out, so the answer has been on view.
    void OnFlash();
    // The end of a turn: the shape shown last is the answer; all four show, none marked.
    void OnTurnEnd();
    // A click on a shape. Does nothing on a hidden shape, before any turn has ended, and
    // once the game is won or lost.
    void OnShapeClick(int index);

    bool Visible(int index) const { return Valid(index) && shapes_[index].visible; }
    // Marked shapes wear the outcome colour: the flashing one, and the right one after a loss.
    bool Marked(int index) const { return Valid(index) && shapes_[index].marked; }
    std::optional<int> Answer() const { return answer_; }
    int Level() const { return level_; }
    int IntervalMs() const { return interval_; }
    GameOutcome Outcome() const { return outcome_; }
    Text Caption() const { return LevelCaption(u"Last One to See", level_); }

private:
    struct Shape {
        bool visible = true;
        bool marked = false;
    };
    static bool Valid(int index) { return index >= 0 && index < kShapes; }
    void SetAll(bool visible, bool marked);
    void StartTurn();
    void StopTimers();

    GameTimer& flash_;
    GameTimer& turn_;
    RandomSource& random_;
    std::array<Shape, kShapes> shapes_{};
    std::optional<int> answer_;
    int level_ = 1;
    int interval_ = kStartIntervalMs;
    int flashes_ = 0;  // in this turn
    bool flashing_ = false;
    GameOutcome outcome_ = GameOutcome::None;
};

}  // namespace hw
