#pragma once
#include <string>

constexpr const char* LevelIndexPath = "lvl/levelindex.txt";

void LoadLevelIndex();
void LoadLevel(const std::string& Path);
void NextLevel();
