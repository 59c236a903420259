#include "Levels.h"
#include "GameState.h"
#include "LineReader.h"

#include <iostream>

static void ReportUnreadable(const char* What, const std::string& Path, const std::string& Reason)
{
    std::cerr << "kartonik: cannot open " << What << " \"" << Path << "\": " << Reason << '\n';
}

// The path on one index line: its text up to the first zero byte, without its last character.
std::string IndexLinePath(const char* Buffer)
{
    std::string Path(Buffer);
    if (!Path.empty())
        Path.pop_back();
    return Path;
}

void LoadLevelIndex()
{
    std::string Failure;
    bool Opened = ReadLines(LevelIndexPath, 0, [](const char* Buffer, int) {
        LevelList.push_back(IndexLinePath(Buffer));
        ++LevelCount;
    }, Failure);
    if (!Opened) {
        ReportUnreadable("level index", LevelIndexPath, Failure);
        LevelIndexFailed = true;
    }
}

static int32_t GameTileFor(char Character)
{
    switch (Character) {
    case 'w': return GameTile::Wall;
    case 'b': return GameTile::Box;
    case 't': return GameTile::Target;
    case 'g': return GameTile::Goal;
    default: return GameTile::Floor;
    }
}

void LoadLevel(const std::string& Path)
{
    std::string Failure;
    bool Opened = ReadLines(Path, GridRows, [](const char* Buffer, int Row) {
        for (int Column = 0; Column < GridColumns; ++Column) {
            Board[CellIndex(Column, Row)] = GameTileFor(Buffer[Column]);
            if (Buffer[Column] == 'h') {
                HeroColumn = Column;
                HeroRow = Row;
            }
        }
    }, Failure);
    if (Opened) {
        LastFailedLevel.clear();
    } else if (Path != LastFailedLevel) {
        ReportUnreadable("level file", Path, Failure);
        LastFailedLevel = Path;
    }
}

void NextLevel()
{
    if (LevelPosition < 0 || LevelPosition + 1 > LevelCount) {
        GameEnded = true;
        return;
    }
    SolvedDelay = 0;
    LoadLevel(LevelList[LevelPosition]);
    ++LevelPosition;
}
