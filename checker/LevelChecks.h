#pragma once
#include "Solver.h"

#include <string>
#include <vector>

enum class Severity { Note, Warning, Error };

struct Finding {
    // The file's line from 1, or 0 when the finding is about the whole file.
    int Line = 0;
    Severity Level = Severity::Note;
    std::string Text;
};

// One row as the game's line reader hands it over: a line, or a 9,999-byte piece of a longer one.
struct RawRow {
    int Line = 0;
    int Length = 0;
    // The piece ends without a line end and the same line goes on in the next piece.
    bool Continues = false;
    // The buffer's first GridColumns bytes, which the game turns into the row's cells.
    std::string Cells;
};

struct RawLevel {
    std::vector<RawRow> Rows;
    int Lines = 0;
};

bool ReadRawLevel(const std::string& Path, RawLevel& Level, std::string& Failure);

// Lines that the game reads otherwise than they look: all of them warnings.
std::vector<Finding> FormatFindings(const RawLevel& Level);

// Reasons the level cannot be played as meant, from the rows as read and the board loaded from
// them: all of them errors, but for a note on spare boxes.
std::vector<Finding> PlayabilityFindings(const RawLevel& Level, const LevelGrid& Grid,
                                         int32_t HeroColumn, int32_t HeroRow);

struct LevelCheck {
    bool Readable = false;
    std::string Failure;
    std::vector<Finding> Findings;
    SolveResult Solve;
    // The found solution did not solve the level when played by the game's rule.
    bool ReplayFailed = false;
};

// Reads the file as the game does, from a fresh game state, and checks and solves the board.
LevelCheck CheckLevelFile(const std::string& Path, int64_t StateLimit = DefaultStateLimit);

bool HasErrors(const LevelCheck& Check);

// The report's lines for the file, the solution among them when asked for.
std::vector<std::string> ReportLines(const std::string& Path, const LevelCheck& Check,
                                     bool WithSolution, int64_t StateLimit);

struct IndexEntry {
    int Line = 0;
    std::string Path;
};

// The level paths of an index as the game resolves them, with warnings on lines whose last
// character the game drops although it is no line end.
bool ReadLevelIndex(const std::string& Path, std::vector<IndexEntry>& Entries,
                    std::vector<Finding>& Findings, std::string& Failure);

std::string FindingLine(const std::string& Path, const Finding& Found);
