#pragma once
#include "InputState.h"
#include "Level.h"

#include <cstdint>

namespace EditorTile {
constexpr int32_t Wall = 0;
constexpr int32_t Box = 1;
constexpr int32_t Target = 2;
constexpr int32_t Hero = 3;
constexpr int32_t Goal = 4;
constexpr int32_t Floor = -1;
}

constexpr int EditorWidth = 600;
constexpr int EditorHeight = 420;
constexpr int EditorFrameRateLimit = 60;
// The grid starts this far down, below the strip that shows the brush.
constexpr int GridTop = 60;
constexpr int BrushPreviewX = 285;
constexpr int BrushPreviewY = 15;
constexpr const char* SaveFilePath = "save.txt";

extern LevelGrid EditorGrid;
extern int32_t Brush;
extern InputState EditorInput;
// A failed save or load is reported once per hold of its key; the frame clears these.
extern bool SaveFailureReported;
extern bool LoadFailureReported;
// How a finished save replaces "save.txt"; tests put a failing one here.
extern int (*ReplaceSaveFile)(const char* From, const char* To);

// Puts every variable above back to its value at program start.
void ResetEditorState();
