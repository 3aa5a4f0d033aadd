#include "about/GameClock.h"

#include "common/NumericParse.h"

namespace hw {

Text OutcomeText(GameOutcome outcome) {
    switch (outcome) {
    case GameOutcome::Winner: return u"Winner";
    case GameOutcome::GameOver: return u"Game Over";
    case GameOutcome::None: break;
    }
    return Text();
}

int FasterInterval(int intervalMs) {
    if (intervalMs == 1) intervalMs = 100;
    intervalMs -= 100;
    return intervalMs < 1 ? 1 : intervalMs;
}

Text LevelCaption(const Text& name, int level) {
    return name + u" : Level " + DecimalText(level);
}

}  // namespace hw
