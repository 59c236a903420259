#include "GameTestSupport.h"

static int32_t CodeFor(char Character)
{
    switch (Character) {
    case 'w': return GameTile::Wall;
    case 'b': return GameTile::Box;
    case 't': case 'H': return GameTile::Target;
    case 'g': return GameTile::Goal;
    default: return GameTile::Floor;
    }
}

void SetBoard(const std::vector<std::string>& Rows)
{
    Board.fill(GameTile::Wall);
    for (int Row = 0; Row < static_cast<int>(Rows.size()); ++Row)
        for (int Column = 0; Column < static_cast<int>(Rows[Row].size()); ++Column) {
            char Character = Rows[Row][Column];
            Board[CellIndex(Column, Row)] = CodeFor(Character);
            if (Character == 'h' || Character == 'H') {
                HeroColumn = Column;
                HeroRow = Row;
            }
        }
}

std::vector<std::string> BoardRows(int Count)
{
    std::vector<std::string> Rows;
    for (int Row = 0; Row < Count; ++Row) {
        std::string Text;
        for (int Column = 0; Column < GridColumns; ++Column) {
            int32_t Code = Board[CellIndex(Column, Row)];
            bool Hero = Column == HeroColumn && Row == HeroRow;
            switch (Code) {
            case GameTile::Wall: Text += 'w'; break;
            case GameTile::Box: Text += 'b'; break;
            case GameTile::Target: Text += Hero ? 'H' : 't'; break;
            case GameTile::Goal: Text += 'g'; break;
            case GameTile::Floor: Text += Hero ? 'h' : ' '; break;
            default: Text += '?'; break;
            }
        }
        Rows.push_back(Text);
    }
    return Rows;
}
