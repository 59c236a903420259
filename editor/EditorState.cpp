#include "EditorState.h"

#include <cstdio>

LevelGrid EditorGrid{};
int32_t Brush = EditorTile::Wall;
InputState EditorInput;
bool SaveFailureReported = false;
bool LoadFailureReported = false;
int (*ReplaceSaveFile)(const char* From, const char* To) = std::rename;

void ResetEditorState()
{
    EditorGrid.fill(0);
    Brush = EditorTile::Wall;
    EditorInput = InputState();
    SaveFailureReported = false;
    LoadFailureReported = false;
    ReplaceSaveFile = std::rename;
}
