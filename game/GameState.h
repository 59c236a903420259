#pragma once
#include "InputState.h"
#include "Level.h"

#include <cstdint>
#include <string>
#include <vector>

namespace GameTile {
constexpr int32_t Wall = 0;
constexpr int32_t Box = 1;
constexpr int32_t Target = 2;
constexpr int32_t Goal = 3;
constexpr int32_t Floor = -1;
}

constexpr int FrameRateLimit = 100;
// A held arrow key asks for a move in its first frame and then once its counter passes this.
constexpr int32_t KeyRepeatDelay = 25;
// TryMove does nothing while MovePacing is this or less: one step in four frames at most.
constexpr int32_t MovePacingThreshold = 3;
// The next level is loaded once SolvedDelay passes this.
constexpr int32_t SolvedPause = 100;

extern LevelGrid Board;
extern int32_t HeroColumn;
extern int32_t HeroRow;
extern int32_t MovePacing;
extern int32_t SolvedDelay;
extern int32_t LeftHeld;
extern int32_t RightHeld;
extern int32_t UpHeld;
extern int32_t DownHeld;
extern std::vector<std::string> LevelList;
extern int32_t LevelCount;
extern int32_t LevelPosition;
// Set when no level is left: the window closes at the end of the frame.
extern bool GameEnded;
// Set when the level index could not be opened: the game then exits with status 1.
extern bool LevelIndexFailed;
// The level file whose failure was reported last, so that a held Space bar reports it once.
extern std::string LastFailedLevel;
extern InputState GameInput;

// Puts every variable above back to its value at program start.
void ResetGameState();
