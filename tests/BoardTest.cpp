#include "Board.h"
#include "GameTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct MoveCase {
    const char* Name;
    std::vector<std::string> Before;
    int32_t Dx, Dy;
    int32_t Pacing, Solved;
    std::vector<std::string> After;
    int32_t PacingAfter;
};

const int32_t Ready = 4;

// Rows are placed from row 0; rows not given are Wall. The hero is "h" (on Floor) or "H" (on a Target).
const MoveCase MoveCases[] = {
    {"PacingAtThreeRefuses", {"wh w"}, 1, 0, 3, 0, {"wh w"}, 3},
    {"PacingAtFourGoesAhead", {"wh w"}, 1, 0, 4, 0, {"w hw"}, 0},
    {"SolvedDelayRefusesWhateverThePacing", {"wh w"}, 1, 0, 50, 1, {"wh w"}, 50},
    {"StepIntoWallUsesThePace", {"whw"}, 1, 0, Ready, 0, {"whw"}, 0},
    {"WalkOntoTargetKeepsIt", {"wht w"}, 1, 0, Ready, 0, {"w H w"}, 0},
    {"WalkOffTargetLeavesIt", {"wH w"}, 1, 0, Ready, 0, {"wthw"}, 0},
    {"WalkLeft", {"w hw"}, -1, 0, Ready, 0, {"wh w"}, 0},
    {"WalkUp", {"w w", "whw"}, 0, -1, Ready, 0, {"whw", "w w"}, 0},
    {"WalkDown", {"whw", "w w"}, 0, 1, Ready, 0, {"w w", "whw"}, 0},
    {"PushBoxOntoFloor", {"whb w"}, 1, 0, Ready, 0, {"w hbw"}, 0},
    {"PushBoxOntoTarget", {"whbtw"}, 1, 0, Ready, 0, {"w hgw"}, 0},
    {"PushGoalOntoFloorUncoversTarget", {"whg w"}, 1, 0, Ready, 0, {"w Hbw"}, 0},
    {"PushGoalOntoTarget", {"whgtw"}, 1, 0, Ready, 0, {"w Hgw"}, 0},
    {"PushUp", {"w w", "wbw", "whw"}, 0, -1, Ready, 0, {"wbw", "whw", "w w"}, 0},
    {"BoxBehindBoxBlocks", {"whbb w"}, 1, 0, Ready, 0, {"whbb w"}, 0},
    {"GoalBehindBoxBlocks", {"whbg w"}, 1, 0, Ready, 0, {"whbg w"}, 0},
    {"WallBehindBoxBlocks", {"whbw"}, 1, 0, Ready, 0, {"whbw"}, 0},
    {"WallBehindGoalBlocks", {"whgw"}, 1, 0, Ready, 0, {"whgw"}, 0},
    {"BoxesAreNeverPulled", {"wbh w"}, 1, 0, Ready, 0, {"wb hw"}, 0},
    // Levels that break the wall ring: every square off the board is Wall.
    {"OffLeftEdge", {"h  w"}, -1, 0, Ready, 0, {"h  w"}, 0},
    {"OffRightEdge", {"wwwwwwwwwwwwwwwwww h"}, 1, 0, Ready, 0, {"wwwwwwwwwwwwwwwwww h"}, 0},
    {"BoxNotPushedOffLeftEdge", {"bh w"}, -1, 0, Ready, 0, {"bh w"}, 0},
    // Above row 0 of column 2 lies, by raw index, row 12 of column 1: it must not be entered.
    {"OffTopEdgeDoesNotWrap",
     {"wwhw", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww",
      "wwww", "w ww"},
     0, -1, Ready, 0,
     {"wwhw", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww",
      "wwww", "w ww"},
     0},
    // Below row 12 of column 1 lies, by raw index, row 0 of column 2: no box is pushed there.
    {"BoxNotPushedOffBottomEdge",
     {"ww w", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww",
      "whww", "wbww"},
     0, 1, Ready, 0,
     {"ww w", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww", "wwww",
      "whww", "wbww"},
     0},
};

void PrintTo(const MoveCase& Case, std::ostream* Out) { *Out << Case.Name; }

class TryMoveTest : public ::testing::TestWithParam<MoveCase> {
protected:
    void SetUp() override { ResetGameState(); }
};

TEST_P(TryMoveTest, MovesAsTheRulesSay)
{
    const MoveCase& Case = GetParam();
    SetBoard(Case.Before);
    MovePacing = Case.Pacing;
    SolvedDelay = Case.Solved;

    TryMove(Case.Dx, Case.Dy);

    std::vector<std::string> Expected = Case.After;
    std::vector<std::string> Actual = BoardRows(static_cast<int>(Expected.size()));
    for (size_t Row = 0; Row < Expected.size(); ++Row) {
        Expected[Row].resize(GridColumns, 'w');
        EXPECT_EQ(Actual[Row], Expected[Row]) << "row " << Row;
    }
    EXPECT_EQ(MovePacing, Case.PacingAfter);
    EXPECT_EQ(SolvedDelay, Case.Solved);
}

std::string CaseName(const ::testing::TestParamInfo<MoveCase>& Info)
{
    std::string Name;
    for (const char* C = Info.param.Name; *C; ++C)
        if (isalnum(static_cast<unsigned char>(*C)))
            Name += *C;
    return Name;
}

INSTANTIATE_TEST_SUITE_P(Board, TryMoveTest, ::testing::ValuesIn(MoveCases), CaseName);

TEST(IsSolvedTest, CountsOnlyUncoveredTargets)
{
    struct Case {
        std::vector<std::string> Rows;
        bool Solved;
    };
    const Case Cases[] = {
        {{"w bbb w"}, true},   // no target at all, whatever the boxes
        {{"wg gh w"}, true},   // every target covered
        {{"wgbbh w"}, true},   // more boxes than targets, every target covered
        {{"wgth bw"}, false},  // one target left
        {{"wgHb  w"}, false},  // the hero standing on a target does not cover it
        {{"wt  h w", "", "", "", "", "", "", "", "", "", "", "", "wwwwwwwwwwwwwwwwwwwt"}, false},
    };
    for (const Case& C : Cases) {
        ResetGameState();
        SetBoard(C.Rows);
        EXPECT_EQ(IsSolved(), C.Solved) << C.Rows[0];
    }
}

} // namespace
