#include "SaveLoad.h"
#include "EditorState.h"
#include "LineReader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

// Far more than any sane chain of links; a loop of links ends here.
constexpr int MaxSymbolicLinks = 40;
// Mode of a new save file, before the umask.
constexpr mode_t NewFileMode = 0666;

char EditorTileCharacter(int32_t Code)
{
    switch (Code) {
    case EditorTile::Wall: return 'w';
    case EditorTile::Box: return 'b';
    case EditorTile::Target: return 't';
    case EditorTile::Hero: return 'h';
    case EditorTile::Goal: return 'g';
    default: return ' ';
    }
}

int32_t EditorTileFor(char Character)
{
    switch (Character) {
    case 'w': return EditorTile::Wall;
    case 'b': return EditorTile::Box;
    case 't': return EditorTile::Target;
    case 'h': return EditorTile::Hero;
    case 'g': return EditorTile::Goal;
    default: return EditorTile::Floor;
    }
}

std::string EditorLevelText()
{
    std::string Text;
    for (int Row = 0; Row < GridRows; ++Row) {
        for (int Column = 0; Column < GridColumns; ++Column)
            Text += EditorTileCharacter(EditorGrid[CellIndex(Column, Row)]);
        Text += '\n';
    }
    return Text;
}

static void ReportOnce(bool& Reported, const char* What, const std::string& Reason)
{
    if (Reported)
        return;
    std::cerr << "kartonik-edytor: cannot " << What << " \"" << SaveFilePath << "\": " << Reason
              << '\n';
    Reported = true;
}

// The file that a save replaces: "save.txt" or, if it is a symbolic link, what it points to.
static bool SaveTarget(fs::path& Target, std::string& Failure)
{
    Target = SaveFilePath;
    std::error_code Error;
    for (int Links = 0; fs::is_symlink(fs::symlink_status(Target, Error)); ++Links) {
        fs::path Next = fs::read_symlink(Target, Error);
        if (Error || Links == MaxSymbolicLinks) {
            Failure = Error ? Error.message() : std::strerror(ELOOP);
            return false;
        }
        Target = Next.is_absolute() ? Next : Target.parent_path() / Next;
    }
    return true;
}

// Writes the whole text to a new file beside Target and renames it over Target, so that
// Target is never left empty or half-written. A Target that cannot be written stays as it is.
static bool ReplaceFileWhole(const fs::path& Target, const std::string& Text, std::string& Failure)
{
    mode_t Mode = NewFileMode;
    struct stat Existing;
    if (stat(Target.c_str(), &Existing) == 0) {
        int Probe = open(Target.c_str(), O_WRONLY);
        if (Probe < 0) {
            Failure = std::strerror(errno);
            return false;
        }
        close(Probe);
        Mode = Existing.st_mode & 07777;
    } else {
        mode_t Mask = umask(0);
        umask(Mask);
        Mode &= ~Mask;
    }

    std::string Temporary = Target.string() + ".XXXXXX";
    int File = mkstemp(Temporary.data());
    if (File < 0) {
        Failure = std::strerror(errno);
        return false;
    }
    size_t Written = 0;
    while (Written < Text.size()) {
        ssize_t Count = write(File, Text.data() + Written, Text.size() - Written);
        if (Count < 0 && errno == EINTR)
            continue;
        if (Count <= 0)
            break;
        Written += static_cast<size_t>(Count);
    }
    bool Whole = Written == Text.size() && fchmod(File, Mode) == 0 && fsync(File) == 0;
    if (!Whole)
        Failure = std::strerror(errno);
    if (close(File) != 0 && Whole) {
        Whole = false;
        Failure = std::strerror(errno);
    }
    if (Whole && ReplaceSaveFile(Temporary.c_str(), Target.c_str()) != 0) {
        Whole = false;
        Failure = std::strerror(errno);
    }
    if (!Whole)
        unlink(Temporary.c_str());
    return Whole;
}

void SaveEditorLevel()
{
    fs::path Target;
    std::string Failure;
    if (!SaveTarget(Target, Failure) || !ReplaceFileWhole(Target, EditorLevelText(), Failure))
        ReportOnce(SaveFailureReported, "save", Failure);
}

void LoadEditorLevel()
{
    std::string Failure;
    bool Opened = ReadLines(SaveFilePath, GridRows, [](const char* Buffer, int Row) {
        for (int Column = 0; Column < GridColumns; ++Column)
            EditorGrid[CellIndex(Column, Row)] = EditorTileFor(Buffer[Column]);
    }, Failure);
    if (!Opened)
        ReportOnce(LoadFailureReported, "load", Failure);
}
