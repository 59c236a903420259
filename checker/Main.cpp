#include "LevelChecks.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int AllGood = 0;
constexpr int LevelFaulty = 1;
constexpr int UsageOrUnreadable = 2;

const char* const HelpText =
    "Usage: kartonik-check [--solution] [--max-states N] FILE...\n"
    "       kartonik-check [--solution] [--max-states N] --index INDEX\n"
    "\n"
    "Reads each Kartonik level file exactly as the game reads it and reports, one line per\n"
    "finding, with the file and line where one applies:\n"
    "  warnings  the format: not 13 lines, lines shorter or longer than 20 characters,\n"
    "            bytes that are no tile character (the game reads them as floor);\n"
    "  errors    no hero or more than one, a hero who can reach the board's edge,\n"
    "            fewer boxes than targets, no target, and a level no moves can solve;\n"
    "  and whether the level is solvable, with the fewest pushes, or undecided when the\n"
    "  search reaches its limit of states.\n"
    "\n"
    "  --index INDEX    check every level that the level index INDEX names, as the game\n"
    "                   resolves its lines (paths relative to the working directory)\n"
    "  --solution       print each solution: l r u d for steps, L R U D for pushes\n"
    "  --max-states N   the search's limit of states (default 10000000)\n"
    "  --help           this text\n"
    "\n"
    "Exit status: 0 when every level is playable and solvable, 1 when any is not,\n"
    "2 for usage errors and files that cannot be read.\n";

int UsageError(const std::string& Message)
{
    std::cerr << "kartonik-check: " << Message << "\nTry 'kartonik-check --help'.\n";
    return UsageOrUnreadable;
}

} // namespace

int main(int ArgumentCount, char** Arguments)
{
    std::vector<std::string> Files;
    std::string IndexPath;
    bool WithSolution = false;
    int64_t StateLimit = DefaultStateLimit;
    for (int Index = 1; Index < ArgumentCount; ++Index) {
        std::string Argument = Arguments[Index];
        if (Argument == "--help") {
            std::cout << HelpText;
            return AllGood;
        } else if (Argument == "--solution") {
            WithSolution = true;
        } else if (Argument == "--index" || Argument == "--max-states") {
            if (Index + 1 == ArgumentCount)
                return UsageError(Argument + " needs a value");
            std::string Value = Arguments[++Index];
            if (Argument == "--index") {
                IndexPath = Value;
                continue;
            }
            char* End = nullptr;
            StateLimit = std::strtoll(Value.c_str(), &End, 10);
            if (Value.empty() || *End != '\0' || StateLimit <= 0)
                return UsageError("--max-states needs a positive whole number");
        } else if (Argument.size() > 1 && Argument[0] == '-') {
            return UsageError("unknown option " + Argument);
        } else {
            Files.push_back(Argument);
        }
    }
    if (!IndexPath.empty() && !Files.empty())
        return UsageError("give level files or --index, not both");

    bool Unreadable = false;
    if (!IndexPath.empty()) {
        std::vector<IndexEntry> Entries;
        std::vector<Finding> Findings;
        std::string Failure;
        if (!ReadLevelIndex(IndexPath, Entries, Findings, Failure)) {
            std::cerr << "kartonik-check: cannot read the level index \"" << IndexPath
                      << "\": " << Failure << '\n';
            return UsageOrUnreadable;
        }
        for (const Finding& Found : Findings)
            std::cout << FindingLine(IndexPath, Found) << '\n';
        for (const IndexEntry& Entry : Entries)
            Files.push_back(Entry.Path);
        if (Entries.empty())
            std::cout << IndexPath << ": warning: the index names no level; the game ends at once\n";
    }
    if (Files.empty())
        return UsageError("no level file given");

    bool Faulty = false;
    for (const std::string& File : Files) {
        LevelCheck Check = CheckLevelFile(File, StateLimit);
        for (const std::string& Line : ReportLines(File, Check, WithSolution, StateLimit))
            std::cout << Line << '\n';
        Unreadable = Unreadable || !Check.Readable;
        Faulty = Faulty || HasErrors(Check);
    }
    if (Unreadable)
        return UsageOrUnreadable;
    return Faulty ? LevelFaulty : AllGood;
}
