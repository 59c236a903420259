#include "Board.h"
#include "GameState.h"

#include <algorithm>

int32_t GameCellAt(const LevelGrid& Grid, int32_t Column, int32_t Row)
{
    return IsOnGrid(Column, Row) ? Grid[CellIndex(Column, Row)] : GameTile::Wall;
}

static bool IsWalkableOn(const LevelGrid& Grid, int32_t Column, int32_t Row)
{
    int32_t Cell = GameCellAt(Grid, Column, Row);
    return Cell == GameTile::Floor || Cell == GameTile::Target;
}

MoveResult MoveOnGrid(LevelGrid& Grid, int32_t& Column, int32_t& Row, int32_t Dx, int32_t Dy)
{
    int32_t AheadColumn = Column + Dx, AheadRow = Row + Dy;
    int32_t BeyondColumn = Column + 2 * Dx, BeyondRow = Row + 2 * Dy;
    if (IsWalkableOn(Grid, AheadColumn, AheadRow)) {
        Column = AheadColumn;
        Row = AheadRow;
        return MoveResult::Walked;
    }
    int32_t Ahead = GameCellAt(Grid, AheadColumn, AheadRow);
    if ((Ahead != GameTile::Box && Ahead != GameTile::Goal) ||
        !IsWalkableOn(Grid, BeyondColumn, BeyondRow))
        return MoveResult::Blocked;
    Column = AheadColumn;
    Row = AheadRow;
    int32_t& Beyond = Grid[CellIndex(BeyondColumn, BeyondRow)];
    Beyond = Beyond == GameTile::Floor ? GameTile::Box : GameTile::Goal;
    Grid[CellIndex(AheadColumn, AheadRow)] = Ahead == GameTile::Box ? GameTile::Floor : GameTile::Target;
    return MoveResult::Pushed;
}

bool IsWalkable(int32_t Column, int32_t Row)
{
    return IsWalkableOn(Board, Column, Row);
}

void TryMove(int32_t Dx, int32_t Dy)
{
    if (SolvedDelay != 0 || MovePacing <= MovePacingThreshold)
        return;
    MovePacing = 0;
    MoveOnGrid(Board, HeroColumn, HeroRow, Dx, Dy);
}

bool IsSolved()
{
    return std::find(Board.begin(), Board.end(), GameTile::Target) == Board.end();
}
