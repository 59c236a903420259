#include "Board.h"
#include "GameFrame.h"
#include "GameTestSupport.h"
#include "Levels.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

const char* const SampleRows[13] = {
    "wwwwwwwwwwwwwwwwwwww",
    "w     t            w",
    "w  b     g   h     w",
    "w                  w",
    "w     wwww         w",
    "w                  w",
    "w                  w",
    "w         b  t     w",
    "w                  w",
    "w                  w",
    "w                  w",
    "w                  w",
    "wwwwwwwwwwwwwwwwwwww",
};

class LevelsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    ScopedWorkFolder Folder;
};

TEST_F(LevelsTest, CrLfFileGivesTheSameBoardAsLf)
{
    WriteFile("lf.txt", LevelText(SampleRows));
    WriteFile("crlf.txt", LevelText(SampleRows, "\r\n"));
    LoadLevel("lf.txt");
    std::vector<std::string> FromLf = BoardRows();
    ResetGameState();
    LoadLevel("crlf.txt");
    EXPECT_EQ(BoardRows(), FromLf);
    EXPECT_EQ(FromLf[2], "w  b     g   h     w");
    EXPECT_EQ(HeroColumn, 13);
    EXPECT_EQ(HeroRow, 2);
}

TEST_F(LevelsTest, ShortAndLongLines)
{
    // Row 0 is longer than 20: the rest is ignored. Row 1 is short: its line end and zero byte
    // read as Floor, and row 0 shows through after them. The empty row 2 shows row 1's "t".
    // In a file whose first line is short, positions no line reached are zero: Floor.
    for (const std::string& End : {std::string("\n"), std::string("\r\n")}) {
        ResetGameState();
        WriteFile("short.txt", "wwwwwwwwwwwwwwwwwwwwbbbb" + End + "wbt" + End + End);
        LoadLevel("short.txt");
        std::vector<std::string> Rows = BoardRows(4);
        EXPECT_EQ(Rows[0], "wwwwwwwwwwwwwwwwwwww");
        EXPECT_EQ(Rows[1], "wbt  wwwwwwwwwwwwwww");
        EXPECT_EQ(Rows[2], "  t  wwwwwwwwwwwwwww");
        EXPECT_EQ(Rows[3], "wwwwwwwwwwwwwwwwwwww") << "rows past the file keep their cells";

        ResetGameState();
        WriteFile("first-short.txt", "wb" + End);
        LoadLevel("first-short.txt");
        EXPECT_EQ(BoardRows(1)[0], "wb                  ");
    }
}

TEST_F(LevelsTest, UnknownBytesReadAsFloor)
{
    std::string Line = std::string("wWBTGH.1\t\0#", 11) + "bwwwwwwww\n";
    WriteFile("odd.txt", Line);
    LoadLevel("odd.txt");
    EXPECT_EQ(BoardRows(1)[0], "w          bwwwwwwww");
    EXPECT_EQ(HeroColumn, 0) << "an upper-case H is no hero";
}

TEST_F(LevelsTest, HeroFromTheLastHInReadingOrder)
{
    WriteFile("two.txt", "wh  h   w\nw h  w\n");
    LoadLevel("two.txt");
    EXPECT_EQ(HeroColumn, 2);
    EXPECT_EQ(HeroRow, 1);
    EXPECT_EQ(Board[CellIndex(1, 0)], GameTile::Floor);
    EXPECT_EQ(Board[CellIndex(4, 0)], GameTile::Floor);

    WriteFile("none.txt", "wwwwwwwwwwwwwwwwwwww\n");
    LoadLevel("none.txt");
    EXPECT_EQ(HeroColumn, 2) << "a file without a hero leaves the hero where it was";
    EXPECT_EQ(HeroRow, 1);
}

TEST_F(LevelsTest, FiveLinesOverAPreviousLevelChangeRowsZeroToFour)
{
    WriteFile("full.txt", LevelText(SampleRows));
    LoadLevel("full.txt");
    std::vector<std::string> Before = BoardRows();
    WriteFile("five.txt", std::string(5, '\n').replace(0, 0, "tttttttttttttttttttt"));
    LoadLevel("five.txt");
    std::vector<std::string> After = BoardRows();
    EXPECT_EQ(After[0], "tttttttttttttttttttt");
    for (int Row = 1; Row < 5; ++Row)
        EXPECT_EQ(After[Row].substr(0, 1), " ") << Row;
    for (int Row = 5; Row < GridRows; ++Row)
        EXPECT_EQ(After[Row], Before[Row]) << Row;
}

TEST_F(LevelsTest, LinesAfterTheThirteenthAreIgnored)
{
    std::string Text = LevelText(SampleRows);
    for (int Extra = 0; Extra < 5; ++Extra)
        Text += "tttttttttttttttttttt\n";
    WriteFile("long.txt", Text);
    LoadLevel("long.txt");
    std::vector<std::string> Expected(SampleRows, SampleRows + 13);
    Expected[2][13] = 'h';
    EXPECT_EQ(BoardRows(), Expected);
}

TEST_F(LevelsTest, MissingLevelFileIsReportedOnceAndChangesNothing)
{
    WriteFile("full.txt", LevelText(SampleRows));
    LoadLevel("full.txt");
    std::vector<std::string> Before = BoardRows();
    ::testing::internal::CaptureStderr();
    LoadLevel("gone.txt");
    LoadLevel("gone.txt");
    std::string Errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(BoardRows(), Before);
    EXPECT_EQ(Errors, "kartonik: cannot open level file \"gone.txt\": No such file or directory\n");
}

TEST_F(LevelsTest, IndexLinesLoseTheirLastCharacter)
{
    std::string Index = "lvl/a.txt\r\n\nlvl/b.txt\n";
    for (int Line = 0; Line < 10; ++Line)
        Index += "lvl/more" + std::to_string(Line) + ".txt\n";
    Index += "lvl/c.txt";  // no line break: its last character goes
    WriteFile(LevelIndexPath, Index);
    LoadLevelIndex();
    ASSERT_EQ(LevelCount, 14);
    ASSERT_EQ(LevelList.size(), 14u);
    EXPECT_EQ(LevelList[0], "lvl/a.txt");
    EXPECT_EQ(LevelList[1], "");
    EXPECT_EQ(LevelList[2], "lvl/b.txt");
    EXPECT_EQ(LevelList[12], "lvl/more9.txt");
    EXPECT_EQ(LevelList[13], "lvl/c.tx");
    EXPECT_FALSE(LevelIndexFailed);
}

TEST_F(LevelsTest, MissingIndexIsAFailureAndEmptyIndexIsNot)
{
    ::testing::internal::CaptureStderr();
    StartGame();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "kartonik: cannot open level index \"lvl/levelindex.txt\": No such file or directory\n");
    EXPECT_TRUE(LevelIndexFailed);
    EXPECT_TRUE(GameEnded);

    ResetGameState();
    WriteFile(LevelIndexPath, "");
    StartGame();
    EXPECT_FALSE(LevelIndexFailed);
    EXPECT_TRUE(GameEnded);
    EXPECT_EQ(LevelPosition, 0);
}

TEST_F(LevelsTest, NextLevelWalksTheListAndEndsAfterTheLast)
{
    WriteFile("lvl/one.txt", "w h t b w\n");
    WriteFile("lvl/two.txt", "wt  hb  w\n");
    WriteFile(LevelIndexPath, "lvl/one.txt\nlvl/two.txt\n");
    StartGame();
    EXPECT_EQ(LevelPosition, 1);
    EXPECT_EQ(HeroColumn, 2);
    SolvedDelay = 7;
    NextLevel();
    EXPECT_EQ(LevelPosition, 2);
    EXPECT_EQ(SolvedDelay, 0);
    EXPECT_EQ(HeroColumn, 4);
    SolvedDelay = 7;
    NextLevel();
    EXPECT_TRUE(GameEnded);
    EXPECT_EQ(SolvedDelay, 7) << "the end changes nothing else";
    EXPECT_EQ(LevelPosition, 2);
}

} // namespace
