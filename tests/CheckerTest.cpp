#include "LevelChecks.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A small closed level drawn in a few rows, placed at the top-left of a board of wall.
std::string Level(const std::vector<std::string>& Rows)
{
    std::string Text;
    for (int Row = 0; Row < 13; ++Row) {
        std::string Line = Row < static_cast<int>(Rows.size()) ? Rows[Row] : "";
        Line.resize(20, 'w');
        Text += Line + "\n";
    }
    return Text;
}

std::vector<std::string> Report(const std::string& Content, int64_t StateLimit = DefaultStateLimit)
{
    WriteFile("level.txt", Content);
    return ReportLines("level.txt", CheckLevelFile("level.txt", StateLimit), false, StateLimit);
}

std::string Joined(const std::vector<std::string>& Lines)
{
    std::string Text;
    for (const std::string& Line : Lines)
        Text += Line + "\n";
    return Text;
}

struct KnownLevel {
    const char* Name;
    std::vector<std::string> Rows;
    SolveOutcome Outcome;
    int Pushes;
    std::vector<std::string> Expected;  // lines the report must hold, besides the verdict
};

const KnownLevel KnownLevels[] = {
    {"OnePush", {"wwwwww", "whbt w", "wwwwww"}, SolveOutcome::Solved, 1, {}},
    {"LongPush", {"wwwwwwwww", "w hb   tw", "wwwwwwwww"}, SolveOutcome::Solved, 4, {}},
    // The box must go round: down the left column, then along the bottom row.
    {"RoundTheCorner",
     {"wwwwww", "w    w", "w hb w", "w    w", "w  t w", "wwwwww"}, SolveOutcome::Solved, 2, {}},
    {"PushedFromBehind", {"wwwwwwww", "wht  b w", "w      w", "wwwwwwww"},
     SolveOutcome::Solved, 3, {}},
    {"BoxInACorner", {"wwwww", "wb  w", "w h w", "w t w", "wwwww"}, SolveOutcome::Unsolvable,
     0, {}},
    {"TwoBoxesJammedOnAWall",
     {"wwwwwww", "w bb  w", "w  h  w", "w tt  w", "wwwwwww"}, SolveOutcome::Unsolvable, 0, {}},
    {"SpareBoxMayStayOnFloor",
     {"wwwwww", "wb   w", "w hbtw", "wwwwww"}, SolveOutcome::Solved, 1,
     {"level.txt: note: 2 boxes for 1 target; the spare ones may stay on floor"}},
    {"NoHero", {"wwwwww", "w bt w", "wwwwww"}, SolveOutcome::Unsolvable, 0,
     {"level.txt: error: no hero ('h'); the game leaves the hero where it was, at column 0, "
      "row 0 when the game starts"}},
    {"TwoHeroes", {"wwwwww", "whtbhw", "wwwwww"}, SolveOutcome::Solved, 1,
     {"level.txt:2: error: 2 heroes; the game takes the last one, at column 4, row 1"}},
    {"GapInTheRing", {"wwwwwwwwwwwwwwwwwwww", "whbt                ", "wwwwwwwwwwwwwwwwwwww"},
     SolveOutcome::Solved, 1,
     {"level.txt:2: error: the hero can reach the board's edge at column 19, row 1; close the "
      "level with a ring of wall"}},
    {"FewerBoxesThanTargets", {"wwwwww", "whbttw", "wwwwww"}, SolveOutcome::Unsolvable, 0,
     {"level.txt: error: fewer boxes (1) than targets (2)"}},
    {"NoTarget", {"wwwwww", "whb  w", "wwwwww"}, SolveOutcome::Solved, 0,
     {"level.txt: error: no target to fill; the game counts the level solved at once"}},
};

class KnownLevelTest : public ::testing::TestWithParam<KnownLevel> {
protected:
    ScopedWorkFolder Folder;
};

void PrintTo(const KnownLevel& Known, std::ostream* Out) { *Out << Known.Name; }

TEST_P(KnownLevelTest, ChecksAsWorkedOutByHand)
{
    const KnownLevel& Known = GetParam();
    WriteFile("level.txt", Level(Known.Rows));
    LevelCheck Check = CheckLevelFile("level.txt");
    ASSERT_TRUE(Check.Readable);
    EXPECT_EQ(Check.Solve.Outcome, Known.Outcome);
    std::vector<std::string> Lines = ReportLines("level.txt", Check, true, DefaultStateLimit);
    for (const std::string& Line : Known.Expected)
        EXPECT_NE(std::find(Lines.begin(), Lines.end(), Line), Lines.end())
            << "missing: " << Line << "\nin:\n" << Joined(Lines);
    bool Errors = !Known.Expected.empty() && Known.Expected[0].find(": error: ") != std::string::npos;
    EXPECT_EQ(HasErrors(Check), Errors || Known.Outcome != SolveOutcome::Solved) << Joined(Lines);
    if (Known.Outcome == SolveOutcome::Solved) {
        EXPECT_EQ(Check.Solve.Pushes, Known.Pushes) << Check.Solve.Solution;
        EXPECT_FALSE(Check.ReplayFailed);
    }
}

INSTANTIATE_TEST_SUITE_P(Checker, KnownLevelTest, ::testing::ValuesIn(KnownLevels),
                         [](const ::testing::TestParamInfo<KnownLevel>& Info) {
                             return std::string(Info.param.Name);
                         });

TEST(CheckerTest, SolutionIsPushOptimalAndPlaysByTheGamesRule)
{
    ScopedWorkFolder Folder;
    WriteFile("level.txt", Level({"wwwwww", "w    w", "w hb w", "w    w", "w  t w", "wwwwww"}));
    LevelCheck Check = CheckLevelFile("level.txt");
    EXPECT_EQ(Check.Solve.Solution.size(), static_cast<size_t>(Check.Solve.Moves));
    EXPECT_EQ(std::count_if(Check.Solve.Solution.begin(), Check.Solve.Solution.end(),
                            [](char C) { return C >= 'A' && C <= 'Z'; }),
              2);
    EXPECT_EQ(Joined(ReportLines("level.txt", Check, true, DefaultStateLimit)),
              "level.txt: solvable in 2 pushes, " + std::to_string(Check.Solve.Moves) +
                  " moves (" + std::to_string(Check.Solve.States) + " states)\n" +
                  "level.txt: solution: " + Check.Solve.Solution + "\n");
}

TEST(CheckerTest, StateLimitGivesUndecided)
{
    ScopedWorkFolder Folder;
    std::vector<std::string> Lines =
        Report(Level({"wwwwwwwww", "w hb   tw", "wwwwwwwww"}), 2);
    EXPECT_EQ(Lines.back(),
              "level.txt: error: undecided after 2 states, the limit of 2; --max-states raises it");
}

TEST(CheckerTest, FormatFindingsNameTheLine)
{
    ScopedWorkFolder Folder;
    std::string Good = Level({"wwwwww", "whbt w", "wwwwww"});
    EXPECT_EQ(Joined(Report(Good)).find("warning"), std::string::npos);

    std::string CrLf;
    for (size_t At = 0; At < Good.size(); ++At)
        CrLf += Good[At] == '\n' ? "\r\n" : std::string(1, Good[At]);
    EXPECT_EQ(Joined(Report(CrLf)).find("warning"), std::string::npos) << "CR LF reads as LF";

    std::string Odd = Good;
    Odd.replace(21, 21, "whbt wwwwwww\n");               // line 2 short: the long line 1 shows
    Odd.replace(0, 21, "wwwwwwwwwwwwwwwwwwwwXYZ\n");     // line 1 too long
    Odd[Odd.size() - 3] = 'W';                           // line 13, column 18
    std::string Text = Joined(Report(Odd));
    EXPECT_NE(Text.find("level.txt:1: warning: line is 23 characters long; the game ignores all "
                        "after the 20th\n"),
              std::string::npos)
        << Text;
    EXPECT_NE(Text.find("level.txt:2: warning: line is 12 characters long; columns 12-19 read as "
                        "\"  wwwwww\", left in the game's line buffer by a longer line above\n"),
              std::string::npos)
        << Text;
    EXPECT_NE(Text.find("level.txt:13: warning: no tile character, read as floor: column 18 'W'\n"),
              std::string::npos)
        << Text;

    Text = Joined(Report(Good.substr(0, 21 * 12)));
    EXPECT_NE(Text.find("level.txt: warning: file has 12 lines, not 13"), std::string::npos) << Text;
    Text = Joined(Report(Good + "tttt\n"));
    EXPECT_NE(Text.find("level.txt:14: warning: the game reads 13 rows; it ignores this line"),
              std::string::npos)
        << Text;
}

TEST(CheckerTest, IndexIsResolvedAsTheGameDoes)
{
    ScopedWorkFolder Folder;
    WriteFile("index.txt", "lvl/a.txt\r\n\nlvl/b.txt");
    std::vector<IndexEntry> Entries;
    std::vector<Finding> Findings;
    std::string Failure;
    ASSERT_TRUE(ReadLevelIndex("index.txt", Entries, Findings, Failure));
    ASSERT_EQ(Entries.size(), 3u);
    EXPECT_EQ(Entries[0].Path, "lvl/a.txt");
    EXPECT_EQ(Entries[1].Path, "");
    EXPECT_EQ(Entries[2].Path, "lvl/b.tx");
    ASSERT_EQ(Findings.size(), 1u);
    EXPECT_EQ(FindingLine("index.txt", Findings[0]),
              "index.txt:3: warning: line has no line end; the game drops its last character "
              "and reads \"lvl/b.tx\"");
}

} // namespace
