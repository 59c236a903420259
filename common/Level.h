#pragma once
#include <array>
#include <cstdint>

// Shape of a board shared by the game, the editor and the level files.
constexpr int GridColumns = 20;
constexpr int GridRows = 13;
constexpr int GridCells = GridColumns * GridRows;
constexpr int TileSize = 30;

// Cells stored column by column: cell (x, y) is element x * GridRows + y.
using LevelGrid = std::array<int32_t, GridCells>;

inline int CellIndex(int Column, int Row) { return Column * GridRows + Row; }

inline bool IsOnGrid(int Column, int Row)
{
    return Column >= 0 && Column < GridColumns && Row >= 0 && Row < GridRows;
}
