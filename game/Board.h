#pragma once
#include "Level.h"
#include <cstdint>

enum class MoveResult { Blocked, Walked, Pushed };

// The cell's code; a square off the board reads as Wall, whatever the level holds.
int32_t GameCellAt(const LevelGrid& Grid, int32_t Column, int32_t Row);

// One step of a hero at (Column, Row) on Grid, walking or pushing one box, without the gates.
MoveResult MoveOnGrid(LevelGrid& Grid, int32_t& Column, int32_t& Row, int32_t Dx, int32_t Dy);

bool IsWalkable(int32_t Column, int32_t Row);
void TryMove(int32_t Dx, int32_t Dy);
bool IsSolved();
