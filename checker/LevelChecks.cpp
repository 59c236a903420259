#include "LevelChecks.h"
#include "Board.h"
#include "GameState.h"
#include "LineReader.h"
#include "Levels.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The bytes that mean something in a level file; the game reads every other byte as floor.
constexpr const char* TileCharacters = "wbtgh ";
constexpr char HeroCharacter = 'h';
constexpr int NoPosition = -1;
constexpr char FirstPrintable = '!';
constexpr char LastPrintable = '~';

struct PieceEnds {
    int NewlineAt;
    int ZeroAt;
};

bool IsTileCharacter(char Byte)
{
    return Byte != '\0' && std::strchr(TileCharacters, Byte) != nullptr;
}

// A column's byte as the board shows it: its tile letter, or a space for floor.
char BoardLetter(char Byte)
{
    return IsTileCharacter(Byte) ? Byte : ' ';
}

std::string ByteText(char Byte)
{
    if (Byte >= FirstPrintable && Byte <= LastPrintable)
        return std::string("'") + Byte + "'";
    char Hex[8];
    std::snprintf(Hex, sizeof Hex, "0x%02X", static_cast<unsigned char>(Byte));
    return Hex;
}

std::string ColumnsText(int First, int Last)
{
    if (First == Last)
        return "column " + std::to_string(First) + " reads";
    return "columns " + std::to_string(First) + "-" + std::to_string(Last) + " read";
}

std::string ShortLineText(const RawRow& Row)
{
    std::string Shown;
    for (int Column = Row.Length; Column < GridColumns; ++Column)
        Shown += BoardLetter(Row.Cells[Column]);
    std::string Text = "line is " + std::to_string(Row.Length) + " characters long; " +
                       ColumnsText(Row.Length, GridColumns - 1);
    if (Shown.find_first_not_of(' ') == std::string::npos)
        return Text + " as floor";
    return Text + " as \"" + Shown + "\", left in the game's line buffer by a longer line above";
}

std::string OddBytesText(const RawRow& Row)
{
    std::string Listed;
    for (int Column = 0; Column < std::min(Row.Length, GridColumns); ++Column)
        if (!IsTileCharacter(Row.Cells[Column]))
            Listed += (Listed.empty() ? "" : ", ") + std::string("column ") +
                      std::to_string(Column) + " " + ByteText(Row.Cells[Column]);
    return Listed.empty() ? Listed : "no tile character, read as floor: " + Listed;
}

Finding Warning(int Line, const std::string& Text)
{
    return {Line, Severity::Warning, Text};
}

Finding Error(int Line, const std::string& Text)
{
    return {Line, Severity::Error, Text};
}

void AddRowFindings(const RawLevel& Level, int Index, std::vector<Finding>& Found)
{
    const RawRow& Row = Level.Rows[Index];
    if (Index > 0 && Level.Rows[Index - 1].Continues)
        return;
    if (Row.Continues)
        Found.push_back(Warning(Row.Line, "line is longer than " +
                                              std::to_string(LineBufferSize - 1) +
                                              " characters; the game reads each piece of that "
                                              "many as a row of its own, moving the rows below"));
    else if (Row.Length > GridColumns)
        Found.push_back(Warning(Row.Line, "line is " + std::to_string(Row.Length) +
                                              " characters long; the game ignores all after the " +
                                              std::to_string(GridColumns) + "th"));
    if (Row.Length < GridColumns)
        Found.push_back(Warning(Row.Line, ShortLineText(Row)));
    std::string Odd = OddBytesText(Row);
    if (!Odd.empty())
        Found.push_back(Warning(Row.Line, Odd));
}

struct Place {
    int Column;
    int Row;
    int Line;
};

std::vector<Place> HeroPlaces(const RawLevel& Level)
{
    std::vector<Place> Heroes;
    int Rows = std::min(static_cast<int>(Level.Rows.size()), GridRows);
    for (int Row = 0; Row < Rows; ++Row)
        for (int Column = 0; Column < GridColumns; ++Column)
            if (Level.Rows[Row].Cells[Column] == HeroCharacter)
                Heroes.push_back({Column, Row, Level.Rows[Row].Line});
    return Heroes;
}

std::string PlaceText(int Column, int Row)
{
    return "column " + std::to_string(Column) + ", row " + std::to_string(Row);
}

int LineOfRow(const RawLevel& Level, int Row)
{
    return Row < static_cast<int>(Level.Rows.size()) ? Level.Rows[Row].Line : 0;
}

bool IsOnRing(int Column, int Row)
{
    return Column == 0 || Column == GridColumns - 1 || Row == 0 || Row == GridRows - 1;
}

void AddHeroFindings(const RawLevel& Level, std::vector<Finding>& Found)
{
    std::vector<Place> Heroes = HeroPlaces(Level);
    if (Heroes.empty())
        Found.push_back(Error(0, "no hero ('h'); the game leaves the hero where it was, at " +
                                     PlaceText(0, 0) + " when the game starts"));
    if (Heroes.size() > 1)
        Found.push_back(Error(Heroes.back().Line,
                              std::to_string(Heroes.size()) +
                                  " heroes; the game takes the last one, at " +
                                  PlaceText(Heroes.back().Column, Heroes.back().Row)));
}

void AddEdgeFinding(const RawLevel& Level, const LevelGrid& Grid, int32_t HeroColumn,
                    int32_t HeroRow, std::vector<Finding>& Found)
{
    std::vector<bool> Area = HeroArea(Grid, HeroColumn, HeroRow);
    for (int Row = 0; Row < GridRows; ++Row)
        for (int Column = 0; Column < GridColumns; ++Column)
            if (IsOnRing(Column, Row) && Area[CellIndex(Column, Row)]) {
                Found.push_back(Error(LineOfRow(Level, Row),
                                      "the hero can reach the board's edge at " +
                                          PlaceText(Column, Row) +
                                          "; close the level with a ring of wall"));
                return;
            }
}

void AddBoxFindings(const LevelGrid& Grid, std::vector<Finding>& Found)
{
    auto Count = [&Grid](int32_t Code) {
        return static_cast<int>(std::count(Grid.begin(), Grid.end(), Code));
    };
    int Boxes = Count(GameTile::Box) + Count(GameTile::Goal);
    int Targets = Count(GameTile::Target) + Count(GameTile::Goal);
    if (Count(GameTile::Target) == 0)
        Found.push_back(Error(0, "no target to fill; the game counts the level solved at once"));
    else if (Boxes < Targets)
        Found.push_back(Error(0, "fewer boxes (" + std::to_string(Boxes) + ") than targets (" +
                                     std::to_string(Targets) + ")"));
    else if (Boxes > Targets)
        Found.push_back({0, Severity::Note,
                         std::to_string(Boxes) + " boxes for " + std::to_string(Targets) +
                             (Targets == 1 ? " target" : " targets") +
                             "; the spare ones may stay on floor"});
}

const char* SeverityWord(Severity Level)
{
    switch (Level) {
    case Severity::Note: return "note";
    case Severity::Warning: return "warning";
    default: return "error";
    }
}

} // namespace

bool ReadRawLevel(const std::string& Path, RawLevel& Level, std::string& Failure)
{
    Level = RawLevel();
    std::vector<PieceEnds> Ends;
    bool Opened = ReadLines(Path, 0, [&](const char* Buffer, int) {
        const char* Newline =
            static_cast<const char*>(std::memchr(Buffer, '\n', LineBufferSize - 1));
        const char* Zero = static_cast<const char*>(std::memchr(Buffer, '\0', LineBufferSize));
        Ends.push_back({Newline ? static_cast<int>(Newline - Buffer) : NoPosition,
                        static_cast<int>(Zero - Buffer)});
        RawRow Row;
        Row.Cells.assign(Buffer, GridColumns);
        Level.Rows.push_back(Row);
    }, Failure);
    if (!Opened)
        return false;
    // A piece ends at its first line end, or after LineBufferSize - 1 bytes when it has none.
    // Only the file's last piece may end at its zero byte, with no line end of its own; a line
    // end found after that zero is left over from an earlier line.
    int Line = 1;
    for (size_t Index = 0; Index < Level.Rows.size(); ++Index) {
        bool Last = Index + 1 == Level.Rows.size();
        RawRow& Row = Level.Rows[Index];
        Row.Line = Line;
        if (Ends[Index].NewlineAt != NoPosition && (!Last || Ends[Index].NewlineAt < Ends[Index].ZeroAt))
            Row.Length = Ends[Index].NewlineAt;
        else if (!Last)
            Row.Continues = true;
        else
            Row.Length = Ends[Index].ZeroAt;
        if (Row.Continues)
            Row.Length = LineBufferSize - 1;
        else
            ++Line;
    }
    Level.Lines = Line - 1;
    return true;
}

std::vector<Finding> FormatFindings(const RawLevel& Level)
{
    std::vector<Finding> Found;
    int Pieces = static_cast<int>(Level.Rows.size());
    for (int Index = 0; Index < std::min(Pieces, GridRows); ++Index)
        AddRowFindings(Level, Index, Found);
    if (Pieces > GridRows)
        Found.push_back(Warning(Level.Rows[GridRows].Line,
                                "the game reads " + std::to_string(GridRows) +
                                    " rows; it ignores this line and all after it"));
    else if (Pieces < GridRows)
        Found.push_back(Warning(0, "file has " + std::to_string(Pieces) + " lines, not " +
                                       std::to_string(GridRows) +
                                       "; the rows after them keep the board's cells from "
                                       "before, wall when the level comes first"));
    return Found;
}

std::vector<Finding> PlayabilityFindings(const RawLevel& Level, const LevelGrid& Grid,
                                         int32_t HeroColumn, int32_t HeroRow)
{
    std::vector<Finding> Found;
    AddHeroFindings(Level, Found);
    AddEdgeFinding(Level, Grid, HeroColumn, HeroRow, Found);
    AddBoxFindings(Grid, Found);
    return Found;
}

LevelCheck CheckLevelFile(const std::string& Path, int64_t StateLimit)
{
    LevelCheck Check;
    RawLevel Raw;
    Check.Readable = ReadRawLevel(Path, Raw, Check.Failure);
    if (!Check.Readable)
        return Check;
    ResetGameState();
    LoadLevel(Path);
    Check.Findings = FormatFindings(Raw);
    std::vector<Finding> Playability = PlayabilityFindings(Raw, Board, HeroColumn, HeroRow);
    Check.Findings.insert(Check.Findings.end(), Playability.begin(), Playability.end());
    Check.Solve = SolveLevel(Board, HeroColumn, HeroRow, StateLimit);
    Check.ReplayFailed = Check.Solve.Outcome == SolveOutcome::Solved &&
                         !SolutionSolves(Board, HeroColumn, HeroRow, Check.Solve.Solution);
    return Check;
}

bool HasErrors(const LevelCheck& Check)
{
    return !Check.Readable || Check.Solve.Outcome != SolveOutcome::Solved || Check.ReplayFailed ||
           std::any_of(Check.Findings.begin(), Check.Findings.end(),
                       [](const Finding& Found) { return Found.Level == Severity::Error; });
}

std::vector<std::string> ReportLines(const std::string& Path, const LevelCheck& Check,
                                     bool WithSolution, int64_t StateLimit)
{
    std::vector<std::string> Lines;
    if (!Check.Readable) {
        Lines.push_back(FindingLine(Path, Error(0, "cannot read the file: " + Check.Failure)));
        return Lines;
    }
    for (const Finding& Found : Check.Findings)
        Lines.push_back(FindingLine(Path, Found));
    const SolveResult& Solve = Check.Solve;
    std::string States = std::to_string(Solve.States) + " states";
    if (Solve.Outcome == SolveOutcome::Unsolvable)
        Lines.push_back(FindingLine(Path, Error(0, "unsolvable: no position of the " + States +
                                                       " searched leads on to a solution")));
    if (Solve.Outcome == SolveOutcome::Undecided)
        Lines.push_back(FindingLine(Path, Error(0, "undecided after " + States +
                                                       ", the limit of " +
                                                       std::to_string(StateLimit) +
                                                       "; --max-states raises it")));
    if (Solve.Outcome != SolveOutcome::Solved)
        return Lines;
    Lines.push_back(Path + ": solvable in " + std::to_string(Solve.Pushes) + " pushes, " +
                    std::to_string(Solve.Moves) + " moves (" + States + ")");
    if (Check.ReplayFailed)
        Lines.push_back(FindingLine(Path, Error(0, "the solution found fails when played by "
                                                   "the game's move rule")));
    if (WithSolution)
        Lines.push_back(Path + ": solution: " + Solve.Solution);
    return Lines;
}

bool ReadLevelIndex(const std::string& Path, std::vector<IndexEntry>& Entries,
                    std::vector<Finding>& Findings, std::string& Failure)
{
    return ReadLines(Path, 0, [&](const char* Buffer, int LineNumber) {
        std::string Level = IndexLinePath(Buffer);
        if (std::strchr(Buffer, '\n') == nullptr)
            Findings.push_back(Warning(LineNumber + 1, "line has no line end; the game drops "
                                                       "its last character and reads \"" +
                                                           Level + "\""));
        Entries.push_back({LineNumber + 1, Level});
    }, Failure);
}

std::string FindingLine(const std::string& Path, const Finding& Found)
{
    std::string Where = Found.Line > 0 ? Path + ":" + std::to_string(Found.Line) : Path;
    return Where + ": " + SeverityWord(Found.Level) + ": " + Found.Text;
}
