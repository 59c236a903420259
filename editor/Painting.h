#pragma once
#include "InputState.h"

void InitEditorGrid();

// The cell under window pixel (X, Y); false in the strip above the grid and past its edges.
// Division truncates toward zero, so X from -29 to -1 still gives column 0.
bool CellAtPointer(int X, int Y, int& Column, int& Row);

void PaintAtPointer(const InputState& Input);
void ReadBrushKeys(const InputState& Input);
