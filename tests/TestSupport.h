#pragma once
#include "TileImages.h"

#include <SFML/Graphics/Image.hpp>
#include <string>

// A fresh temporary folder that becomes the working directory for one test, as the programs
// read gfx/, lvl/ and save.txt relative to it. The previous directory comes back afterwards.
struct ScopedWorkFolder {
    ScopedWorkFolder();
    ~ScopedWorkFolder();
    std::string Path;
    std::string PreviousPath;
};

// Writes Content (any bytes) to Path, creating its parent folder.
void WriteFile(const std::string& Path, const std::string& Content);
std::string ReadFile(const std::string& Path);
bool FileExists(const std::string& Path);

// Thirteen rows given as text, joined with the line end; the usual way to write a level.
std::string LevelText(const char* const Rows[13], const std::string& LineEnd = "\n");

// Plain colours for the six pictures, so that a drawn picture says which tile it shows.
const sf::Color WallColour(90, 90, 90), BoxColour(160, 110, 50), TargetColour(200, 40, 40),
    GoalColour(40, 160, 40), BackColour(220, 210, 190), HeroColour(250, 250, 0);
void MakeSolidImages(TileImages& Images);

// The colour of the 30 x 30 square with its top-left corner at (X, Y), which must be one colour.
sf::Color SquareColour(const sf::Image& Shot, int X, int Y);
