#include "Board.h"
#include "GameFrame.h"
#include "GameTestSupport.h"
#include "Levels.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// A long corridor for walking, and a level solved by one push to the right.
const char* const Corridor = "w                   \n"
                             "wh                 t\n"
                             "wwwwwwwwwwwwwwwwwwww\n";
const char* const OnePush = "wwwwwwwwwwwwwwwwwwww\n"
                            "whbtwwwwwwwwwwwwwwww\n"
                            "wwwwwwwwwwwwwwwwwwww\n";
const char* const OnePushLeft = "wwwwwwwwwwwwwwwwwwww\n"
                                "wwwwwwwwwwwwwwwtbhww\n"
                                "wwwwwwwwwwwwwwwwwwww\n";

class GameFrameTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }

    void StartWith(const std::string& Index)
    {
        WriteFile("lvl/corridor.txt", Corridor);
        WriteFile("lvl/push.txt", OnePush);
        WriteFile("lvl/pushleft.txt", OnePushLeft);
        WriteFile(LevelIndexPath, Index);
        StartGame();
    }

    static void Press(sf::Keyboard::Key Key) { FeedInputEvent(GameInput, KeyEvent(Key, true)); }
    static void Release(sf::Keyboard::Key Key) { FeedInputEvent(GameInput, KeyEvent(Key, false)); }
    static void Frame() { RunGameFrame(nullptr, nullptr, nullptr); }
    static void Frames(int Count)
    {
        for (int I = 0; I < Count; ++I)
            Frame();
    }

    // Runs Count frames and gives the numbers of those in which the hero changed cell.
    static std::vector<int> StepFrames(int Count)
    {
        std::vector<int> Steps;
        for (int I = 0; I < Count; ++I) {
            int32_t Column = HeroColumn, Row = HeroRow;
            Frame();
            if (Column != HeroColumn || Row != HeroRow)
                Steps.push_back(I);
        }
        return Steps;
    }

    ScopedWorkFolder Folder;
};

TEST_F(GameFrameTest, HeldKeyStepsAtThePressThenAfterTheDelayEveryFourthFrame)
{
    StartWith("lvl/corridor.txt\n");
    Frames(5);
    Press(sf::Keyboard::Right);
    EXPECT_EQ(StepFrames(40), (std::vector<int>{0, 26, 30, 34, 38}));
    EXPECT_EQ(HeroColumn, 6);
}

TEST_F(GameFrameTest, PressRightAfterStartWaitsForThePacing)
{
    // The first frame after start-up has MovePacing at 1: a press there does not step.
    StartWith("lvl/corridor.txt\n");
    Press(sf::Keyboard::Right);
    EXPECT_EQ(StepFrames(27), (std::vector<int>{26}));
}

TEST_F(GameFrameTest, TapWithinFourFramesOfTheLastStepDoesNothing)
{
    StartWith("lvl/corridor.txt\n");
    Frames(5);
    Press(sf::Keyboard::Right);
    Frame();
    Release(sf::Keyboard::Right);
    Frame();
    Press(sf::Keyboard::Down);  // two frames after the step: the pace is not back yet
    EXPECT_EQ(StepFrames(1), std::vector<int>{});
    Release(sf::Keyboard::Down);
    Frames(3);
    Press(sf::Keyboard::Right);
    EXPECT_EQ(StepFrames(1), (std::vector<int>{0}));
    EXPECT_EQ(HeroColumn, 3);
}

TEST_F(GameFrameTest, TwoArrowKeysDown)
{
    StartWith("lvl/corridor.txt\n");
    Frames(5);
    // Pressed in the same frame: only the first in the order Left, Right, Up, Down steps.
    Press(sf::Keyboard::Down);
    Press(sf::Keyboard::Right);
    EXPECT_EQ(StepFrames(40), (std::vector<int>{0}));
    EXPECT_EQ(HeroColumn, 2);
    EXPECT_EQ(HeroRow, 1);
    EXPECT_EQ(RightHeld, 40);
    EXPECT_EQ(DownHeld, 40);

    // Down comes after Right: in the frame Down goes up, Right still sees its old counter.
    Release(sf::Keyboard::Down);
    EXPECT_EQ(StepFrames(2), (std::vector<int>{1}));

    // Up comes after Right: when Right goes up, Up finds it at 0 in the same frame, and
    // its own counter, held past the delay while blocked, steps at once.
    Press(sf::Keyboard::Up);
    Frames(30);
    Release(sf::Keyboard::Right);
    int32_t Row = HeroRow;
    Frame();
    EXPECT_EQ(HeroRow, Row - 1);

    // A key pressed while another is held and released before the delay gets no first step.
    Release(sf::Keyboard::Up);
    Frames(5);
    Press(sf::Keyboard::Right);
    Frame();
    Press(sf::Keyboard::Left);
    Frames(3);
    Release(sf::Keyboard::Right);
    EXPECT_EQ(StepFrames(23), std::vector<int>{});
    EXPECT_EQ(StepFrames(1), (std::vector<int>{0}));
}

TEST_F(GameFrameTest, SolvedPauseLoadsTheNextLevelInItsHundredAndFirstFrame)
{
    StartWith("lvl/push.txt\nlvl/pushleft.txt\n");
    Frames(5);
    Press(sf::Keyboard::Right);
    Frame();
    ASSERT_TRUE(IsSolved());
    Release(sf::Keyboard::Right);
    Frames(100);
    EXPECT_EQ(SolvedDelay, 100);
    EXPECT_EQ(LevelPosition, 1);
    Frame();
    EXPECT_EQ(LevelPosition, 2);
    EXPECT_EQ(SolvedDelay, 0);
    EXPECT_EQ(HeroColumn, 17);
    EXPECT_FALSE(IsSolved());
}

TEST_F(GameFrameTest, ArrowKeysDoNothingDuringThePauseAndRestartEndsIt)
{
    StartWith("lvl/push.txt\nlvl/pushleft.txt\n");
    Frames(5);
    Press(sf::Keyboard::Right);
    Frame();
    Release(sf::Keyboard::Right);
    Frames(10);
    Press(sf::Keyboard::Left);
    Frames(50);
    EXPECT_EQ(HeroColumn, 2);
    Release(sf::Keyboard::Left);
    Press(sf::Keyboard::Space);
    Frame();
    Release(sf::Keyboard::Space);
    EXPECT_EQ(SolvedDelay, 0);
    EXPECT_EQ(LevelPosition, 1);
    EXPECT_EQ(HeroColumn, 1);
    EXPECT_FALSE(IsSolved());
}

TEST_F(GameFrameTest, HeldSpaceKeepsTheLevelAtItsStart)
{
    // A level without targets is solved at once; with Space held its pause never completes.
    WriteFile("lvl/free.txt", "w   h   w\n");
    StartWith("lvl/free.txt\nlvl/corridor.txt\n");
    Press(sf::Keyboard::Space);
    Press(sf::Keyboard::Left);
    Frames(300);
    EXPECT_EQ(LevelPosition, 1);
    EXPECT_EQ(HeroColumn, 4);
    Release(sf::Keyboard::Space);
    Release(sf::Keyboard::Left);
    Frames(100);
    EXPECT_EQ(LevelPosition, 1);
    Frame();
    EXPECT_EQ(LevelPosition, 2);
}

TEST_F(GameFrameTest, GameEndsAfterThePauseOfTheLastLevelEvenAfterARestart)
{
    StartWith("lvl/push.txt\n");
    Frames(5);
    Press(sf::Keyboard::Space);
    Frame();
    Release(sf::Keyboard::Space);
    Frames(5);
    Press(sf::Keyboard::Right);
    Frame();
    Release(sf::Keyboard::Right);
    Frames(100);
    EXPECT_FALSE(GameEnded);
    Frame();
    EXPECT_TRUE(GameEnded);
}

TEST_F(GameFrameTest, EmptyIndexEndsTheGameAtStartUp)
{
    StartWith("");
    EXPECT_TRUE(GameEnded);
    EXPECT_FALSE(LevelIndexFailed);
}

TEST_F(GameFrameTest, CountersStopAtTheirLargestValue)
{
    StartWith("lvl/corridor.txt\n");
    const int32_t Largest = std::numeric_limits<int32_t>::max();
    MovePacing = Largest;
    RightHeld = Largest;
    Press(sf::Keyboard::Right);
    Frame();
    EXPECT_EQ(HeroColumn, 2);
    EXPECT_EQ(RightHeld, Largest);
    Release(sf::Keyboard::Right);
    Frame();
    MovePacing = Largest;
    Frame();
    EXPECT_EQ(MovePacing, Largest);
    SetBoard({"wh w"});
    SolvedDelay = Largest;
    Frame();
    EXPECT_EQ(SolvedDelay, Largest);
    EXPECT_TRUE(GameEnded) << "past the pause, and no level is left";
}

} // namespace
