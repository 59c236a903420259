#pragma once
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
