#pragma once
// What the reaction games of the about box need from outside: repeating timers that the
// owner calls back on each tick, and a source of random numbers.
#include "platform/Types.h"

namespace hw {

class GameTimer {
public:
    virtual ~GameTimer() = default;
    // Ticks every intervalMs from now on; a running timer starts over with the new interval.
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number from 0 to count - 1, each equally likely.
    virtual int Below(int count) = 0;
};

enum class GameOutcome { None, Winner, GameOver };

// The text a game shows for its outcome; empty while it is undecided.
Text OutcomeText(GameOutcome outcome);

// The interval of the next level: 500, 400, 300, 200, 100, then 1 ms, never 0.
int FasterInterval(int intervalMs);

// "<name> : Level <level>", the caption of a game's frame.
Text LevelCaption(const Text& name, int level);

}  // namespace hw
