#pragma once
#include "GameState.h"
#include <string>
#include <vector>

// Sets the board from rows of level characters, the rest Wall: "w", "b", "t", "g", " " as in
// a level file, "h" the hero on Floor and "H" the hero on a Target.
void SetBoard(const std::vector<std::string>& Rows);

// The board and hero in the same notation, the rows given by Count.
std::vector<std::string> BoardRows(int Count = GridRows);
