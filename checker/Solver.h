#pragma once
#include "Level.h"

#include <cstdint>
#include <string>
#include <vector>

enum class SolveOutcome { Solved, Unsolvable, Undecided };

struct SolveResult {
    SolveOutcome Outcome = SolveOutcome::Undecided;
    int Pushes = 0;
    int Moves = 0;
    // Steps l r u d and pushes L R U D, in the order the hero makes them.
    std::string Solution;
    // States the search stored: its measure of work and of memory.
    int64_t States = 0;
};

// About 40 to 60 bytes a state: well under a gigabyte at the limit.
constexpr int64_t DefaultStateLimit = 10000000;

// Every cell a hero at (Column, Row) could ever enter, by any pushes: the cells joined to it
// through cells that are not Wall, boxes included. The start cell counts unless it is a Wall.
std::vector<bool> HeroArea(const LevelGrid& Grid, int32_t Column, int32_t Row);

// Searches the level breadth first by pushes, so a solution found has the fewest pushes; among
// the ways to each position it keeps the one with the fewest moves, so moves are few, though
// not proven fewest. Solved means that no Target is left, as in the game.
SolveResult SolveLevel(const LevelGrid& Grid, int32_t HeroColumn, int32_t HeroRow,
                       int64_t StateLimit = DefaultStateLimit);

// Plays Moves by the game's own move rule and tells whether each letter walked or pushed as
// it says and the board ends with no Target left.
bool SolutionSolves(const LevelGrid& Grid, int32_t HeroColumn, int32_t HeroRow,
                    const std::string& Moves);
