#include <gtest/gtest.h>

#include <vector>

#include "about/AboutBoxModel.h"
#include "about/LastOneToSee.h"
#include "about/SkillChance.h"

namespace hw::test {
namespace {

struct FakeTimer : GameTimer {
    void Start(int ms) override { running = true, interval = ms; }
    void Stop() override { running = false; }
    bool running = false;
    int interval = 0;
};

// Hands out the scripted numbers in turn, then 0.
struct ScriptedRandom : RandomSource {
    int Below(int) override { return next < script.size() ? script[next++] : 0; }
    std::vector<int> script;
    std::size_t next = 0;
};

TEST(AboutBox, ClickOrderDecidesBetweenGamesAndCredits) {
    using L = AboutBoxModel::Line;
    const Text credits = u"Version : Hidewell, made by the Hidewell project.";
    struct Case {
        std::vector<std::vector<L>> rounds;  // clicks on lines, each round followed by a click on the picture
        bool games;
    } cases[] = {
        {{{L::Version, L::Title, L::Second, L::Version, L::Second}}, true},
        {{{L::Title, L::Version, L::Second, L::Version, L::Second}}, false},
        // Too few, then the rest: the code only grows, so "21323" comes together over two rounds.
        {{{L::Version, L::Title}, {L::Second, L::Version, L::Second}}, true},
        // One wrong click spoils the code until the box is opened again.
        {{{L::Title}, {L::Version, L::Title, L::Second, L::Version, L::Second}}, false},
    };
    for (const Case& c : cases) {
        AboutBoxModel box(ProgramVersion{2, 2, 870});
        EXPECT_EQ(box.VersionLine(), u"Version 2.2 - build 870");
        for (const auto& round : c.rounds) {
            for (L l : round) box.OnLineClick(l);
            box.OnPictureClick();
        }
        EXPECT_EQ(box.GamesShown(), c.games) << std::string(box.Code().begin(), box.Code().end());
        EXPECT_EQ(box.VersionLine(), c.games && c.rounds.size() == 1 ? u"Version 2.2 - build 870" : credits);
    }
}

// Ticks until the red bar is full; false if it never is within two sweeps.
bool TickUntilFull(SkillChance& game) {
    for (int k = 0; k < 2 * SkillChance::kFullBar; ++k) {
        game.OnTick();
        if (game.RedLength() == game.FullLength()) return true;
    }
    return false;
}

// The bar fills, stays full one tick and empties; a click on a bar not full loses, also before Go.
TEST(SkillChanceGame, BarSweepsAClickOnABarNotFullLosesAndHitsClimbToWinner) {
    FakeTimer timer;
    SkillChance idle(timer);
    idle.OnBarClick();
    EXPECT_EQ(OutcomeText(idle.Outcome()), u"Game Over");

    SkillChance game(timer);
    game.Go();
    std::vector<int> lengths;
    for (int k = 0; k < 18; ++k) {
        game.OnTick();
        lengths.push_back(game.RedLength());
    }
    EXPECT_EQ(lengths, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2}));
    game.OnBarClick();
    EXPECT_TRUE(game.Outcome() == GameOutcome::GameOver && !timer.running);

    // Hits climb to Winner with faster ticks and a shorter bar.
    game.Go();
    EXPECT_EQ(timer.interval, 500);
    const int intervals[] = {400, 300, 200, 100, 1, 1, 1, 1, 1, 1, 1};  // after the hit that reaches level 2..12
    const int fullBars[] = {8, 8, 8, 8, 7, 6, 5, 4, 3, 2, 1};
    for (int level = 2; level <= 12; ++level) {
        ASSERT_TRUE(TickUntilFull(game));
        game.OnBarClick();
        EXPECT_EQ(game.Level(), level);
        EXPECT_EQ(game.IntervalMs(), intervals[level - 2]);
        EXPECT_EQ(game.FullLength(), fullBars[level - 2]);
        EXPECT_EQ(game.RedLength(), 0);
    }
    EXPECT_EQ(game.Caption(), u"Skill Chance : Level 12");
    EXPECT_EQ(OutcomeText(game.Outcome()), u"Winner");
    EXPECT_FALSE(timer.running);
    game.OnBarClick();  // a finished game keeps its result
    EXPECT_EQ(game.Outcome(), GameOutcome::Winner);
}

class SeeGame : public ::testing::Test {
protected:
    int Shown() const {
        for (int k = 0; k < LastOneToSee::kShapes; ++k)
            if (game.Visible(k)) return k;
        return -1;
    }
    FakeTimer flash, turn;
    ScriptedRandom random;
    LastOneToSee game{flash, turn, random};
};

TEST_F(SeeGame, FlashesNeverRepeatTheLastShownIsTheAnswerAndAWrongOneLoses) {
    game.OnShapeClick(0);  // no turn has ended: nothing happens
    EXPECT_EQ(game.Level(), 1);
    EXPECT_EQ(game.Outcome(), GameOutcome::None);

    game.Go();
    EXPECT_TRUE(flash.running && turn.running && flash.interval == 500 && turn.interval == 3000);
    int previous = -1;
    for (int k = 0; k < 5; ++k) {  // the source always says 0: still never the same shape twice
        game.OnFlash();
        int shown = Shown();
        EXPECT_NE(shown, previous);
        EXPECT_TRUE(game.Marked(shown));
        previous = shown;
    }
    game.OnFlash();  // due at 3000 ms, as the turn ends: left out
    EXPECT_EQ(Shown(), previous);
    game.OnTurnEnd();
    EXPECT_EQ(game.Answer(), previous);
    EXPECT_FALSE(flash.running || turn.running);
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(game.Visible(k) && !game.Marked(k));

    // A wrong answer loses and marks the right shape; a later click is too late.
    game.OnShapeClick((previous + 1) % 4);
    EXPECT_EQ(game.Outcome(), GameOutcome::GameOver);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(game.Marked(k), k == previous);
    game.OnShapeClick(previous);
    EXPECT_EQ(game.Level(), 1);

    // A wrong click during a turn, judged by the old answer, also stops the flashing.
    random.script = {(previous + 1) % 4};
    game.Go();
    game.OnFlash();
    game.OnShapeClick(Shown());
    EXPECT_EQ(game.Outcome(), GameOutcome::GameOver);
    EXPECT_FALSE(flash.running || turn.running);
}

TEST_F(SeeGame, RightAnswersClimbToWinnerAndAClickDuringATurnIsJudgedByThePreviousAnswer) {
    random.script = {2};
    game.Go();
    game.OnFlash();
    game.OnTurnEnd();
    ASSERT_EQ(game.Answer(), 2);
    game.OnShapeClick(2);
    EXPECT_EQ(game.Caption(), u"Last One to See : Level 2");
    EXPECT_TRUE(flash.running && flash.interval == 400 && turn.running);

    // During the next turn shape 2 flashes again; clicking it counts as the old answer.
    random.script = {2}, random.next = 0;
    game.OnFlash();
    ASSERT_EQ(Shown(), 2);
    game.OnShapeClick(2);
    EXPECT_EQ(game.Level(), 3);

    for (int level = 4; level <= 11; ++level) {
        game.OnFlash();
        game.OnTurnEnd();
        game.OnShapeClick(*game.Answer());
    }
    EXPECT_EQ(game.Level(), 11);
    EXPECT_EQ(game.IntervalMs(), 1);
    EXPECT_EQ(game.Outcome(), GameOutcome::Winner);
    EXPECT_FALSE(flash.running || turn.running);
}

}  // namespace
}  // namespace hw::test
