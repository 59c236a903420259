#include "Board.h"
#include "GameFrame.h"
#include "GameTestSupport.h"
#include "LevelChecks.h"
#include "Levels.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

sf::Keyboard::Key KeyFor(char Letter)
{
    switch (std::tolower(static_cast<unsigned char>(Letter))) {
    case 'l': return sf::Keyboard::Left;
    case 'r': return sf::Keyboard::Right;
    case 'u': return sf::Keyboard::Up;
    default: return sf::Keyboard::Down;
    }
}

void Frame() { RunGameFrame(nullptr, nullptr, nullptr); }

// The checker's solution of every shipped level, played with made-up key presses through the
// game's own frame loop: each level is solved and the next one loads after the pause.
TEST(ReplayTest, CheckerSolutionsSolveTheShippedLevelsInTheGame)
{
    std::filesystem::current_path(KARTONIK_SOURCE_DIR);
    std::vector<IndexEntry> Entries;
    std::vector<Finding> Findings;
    std::string Failure;
    ASSERT_TRUE(ReadLevelIndex(LevelIndexPath, Entries, Findings, Failure)) << Failure;
    std::vector<std::string> Solutions;
    for (const IndexEntry& Entry : Entries) {
        LevelCheck Check = CheckLevelFile(Entry.Path);
        ASSERT_EQ(Check.Solve.Outcome, SolveOutcome::Solved) << Entry.Path;
        Solutions.push_back(Check.Solve.Solution);
    }

    ResetGameState();
    StartGame();
    for (size_t Level = 0; Level < Solutions.size(); ++Level) {
        SCOPED_TRACE(Entries[Level].Path);
        ASSERT_EQ(LevelPosition, static_cast<int32_t>(Level + 1));
        for (char Letter : Solutions[Level]) {
            // Idle frames let the pacing come back, then the key is held for one frame.
            for (int Idle = 0; Idle <= MovePacingThreshold; ++Idle)
                Frame();
            int32_t Column = HeroColumn, Row = HeroRow;
            FeedInputEvent(GameInput, KeyEvent(KeyFor(Letter), true));
            Frame();
            FeedInputEvent(GameInput, KeyEvent(KeyFor(Letter), false));
            ASSERT_NE(std::make_pair(Column, Row), std::make_pair(HeroColumn, HeroRow))
                << "the hero did not move for '" << Letter << "'";
        }
        ASSERT_TRUE(IsSolved());
        int Frames = 0;
        while (LevelPosition == static_cast<int32_t>(Level + 1) && !GameEnded && Frames < 1000) {
            Frame();
            ++Frames;
        }
        EXPECT_LE(Frames, SolvedPause + 1 + MovePacingThreshold + 1);
    }
    EXPECT_TRUE(GameEnded);
}

} // namespace
