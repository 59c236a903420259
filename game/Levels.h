#pragma once
#include <string>

constexpr const char* LevelIndexPath = "lvl/levelindex.txt";

// The level path that one index line names, from the line reader's buffer.
std::string IndexLinePath(const char* Buffer);

void LoadLevelIndex();
void LoadLevel(const std::string& Path);
void NextLevel();
