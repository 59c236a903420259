#include "GameState.h"

LevelGrid Board{};
int32_t HeroColumn = 0;
int32_t HeroRow = 0;
int32_t MovePacing = 0;
int32_t SolvedDelay = 0;
int32_t LeftHeld = 0;
int32_t RightHeld = 0;
int32_t UpHeld = 0;
int32_t DownHeld = 0;
std::vector<std::string> LevelList;
int32_t LevelCount = 0;
int32_t LevelPosition = 0;
bool GameEnded = false;
bool LevelIndexFailed = false;
std::string LastFailedLevel;
InputState GameInput;

void ResetGameState()
{
    Board.fill(GameTile::Wall);
    HeroColumn = 0;
    HeroRow = 0;
    MovePacing = 0;
    SolvedDelay = 0;
    LeftHeld = 0;
    RightHeld = 0;
    UpHeld = 0;
    DownHeld = 0;
    LevelList.clear();
    LevelCount = 0;
    LevelPosition = 0;
    GameEnded = false;
    LevelIndexFailed = false;
    LastFailedLevel.clear();
    GameInput = InputState();
}
