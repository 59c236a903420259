// Times the solver on every level of an index: kartonik-bench [INDEX], run where the index's
// paths resolve (the run folder or the source tree).
#include "LevelChecks.h"
#include "Levels.h"

#include <chrono>
#include <cstdio>

int main(int ArgumentCount, char** Arguments)
{
    std::string IndexPath = ArgumentCount > 1 ? Arguments[1] : LevelIndexPath;
    std::vector<IndexEntry> Entries;
    std::vector<Finding> Findings;
    std::string Failure;
    if (!ReadLevelIndex(IndexPath, Entries, Findings, Failure)) {
        std::fprintf(stderr, "kartonik-bench: cannot read \"%s\": %s\n", IndexPath.c_str(),
                     Failure.c_str());
        return 2;
    }
    double Total = 0;
    std::printf("%-16s %8s %8s %10s %10s\n", "level", "pushes", "moves", "states", "seconds");
    for (const IndexEntry& Entry : Entries) {
        auto Start = std::chrono::steady_clock::now();
        LevelCheck Check = CheckLevelFile(Entry.Path);
        double Seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
        Total += Seconds;
        std::printf("%-16s %8d %8d %10lld %10.3f%s\n", Entry.Path.c_str(), Check.Solve.Pushes,
                    Check.Solve.Moves, static_cast<long long>(Check.Solve.States), Seconds,
                    Check.Solve.Outcome == SolveOutcome::Solved ? "" : "  not solved");
    }
    std::printf("%-16s %8s %8s %10s %10.3f\n", "all", "", "", "", Total);
    return 0;
}
