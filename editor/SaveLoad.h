#pragma once
#include <cstdint>
#include <string>

char EditorTileCharacter(int32_t Code);
int32_t EditorTileFor(char Character);

// The grid as a level file: 13 lines of 20 characters, each followed by "\n".
std::string EditorLevelText();

void SaveEditorLevel();
void LoadEditorLevel();
