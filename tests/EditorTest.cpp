#include "EditorFrame.h"
#include "EditorState.h"
#include "Painting.h"
#include "SaveLoad.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetEditorState();
        InitEditorGrid();
    }

    static void Feed(const sf::Event& Event) { FeedInputEvent(EditorInput, Event); }
    static void Frame() { RunEditorFrame(nullptr, nullptr); }
    static int32_t Cell(int Column, int Row) { return EditorGrid[CellIndex(Column, Row)]; }
    static std::vector<std::string> FilesHere()
    {
        std::vector<std::string> Names;
        for (const fs::directory_entry& Entry : fs::directory_iterator("."))
            Names.push_back(Entry.path().filename().string());
        std::sort(Names.begin(), Names.end());
        return Names;
    }

    ScopedWorkFolder Folder;
};

TEST_F(EditorTest, CellAtPointerBoundaries)
{
    struct Case {
        int X, Y;
        bool Inside;
        int Column, Row;
    };
    const Case Cases[] = {
        {10, 60, false, 0, 0},   // y = 60 is the strip above the grid
        {10, 0, false, 0, 0},
        {10, 61, true, 0, 0},
        {599, 61, true, 19, 0},
        {0, 419, true, 0, 11},
        {29, 89, true, 0, 0},
        {30, 90, true, 1, 1},
        {-1, 100, true, 0, 1},   // division truncates toward zero
        {-29, 100, true, 0, 1},
        {-30, 100, false, 0, 0},
        {600, 100, false, 0, 0}, // past the right edge of a widened window
        {100, 449, true, 3, 12}, // row 12, seen in an enlarged window
        {100, 450, false, 0, 0}, // past the bottom edge
    };
    for (const Case& C : Cases) {
        int Column = -7, Row = -7;
        bool Inside = CellAtPointer(C.X, C.Y, Column, Row);
        EXPECT_EQ(Inside, C.Inside) << C.X << "," << C.Y;
        if (C.Inside && Inside) {
            EXPECT_EQ(std::make_pair(Column, Row), std::make_pair(C.Column, C.Row))
                << C.X << "," << C.Y;
        }
    }
}

TEST_F(EditorTest, PaintingAndTheBrush)
{
    using sf::Keyboard;
    using sf::Mouse;
    struct Step {
        std::vector<sf::Event> Events;
        int32_t Brush;
        int Column, Row;
        int32_t Cell;
    };
    const int X = 3 * 30 + 5, Y = 60 + 2 * 30 + 5;  // over cell (3, 2)
    const Step Steps[] = {
        {{ButtonEvent(Mouse::Left, true, X, Y)}, EditorTile::Wall, 3, 2, EditorTile::Wall},
        // A brush change while the button is held: this frame the old brush, then the new.
        {{KeyEvent(Keyboard::Num3, true)}, EditorTile::Target, 3, 2, EditorTile::Wall},
        {{}, EditorTile::Target, 3, 2, EditorTile::Target},
        {{KeyEvent(Keyboard::Num3, false), ButtonEvent(Mouse::Left, false, X, Y),
          KeyEvent(Keyboard::Num2, true)},
         EditorTile::Box, 3, 2, EditorTile::Target},
        // Keys down together: the highest digit wins.
        {{KeyEvent(Keyboard::Num4, true)}, EditorTile::Hero, 3, 2, EditorTile::Target},
        {{KeyEvent(Keyboard::Num5, true), KeyEvent(Keyboard::Num1, true)}, EditorTile::Goal, 3,
         2, EditorTile::Target},
        {{KeyEvent(Keyboard::Num5, false), KeyEvent(Keyboard::Num2, false)}, EditorTile::Hero, 3,
         2, EditorTile::Target},
        {{KeyEvent(Keyboard::Num4, false)}, EditorTile::Wall, 3, 2, EditorTile::Target},
        // The right button erases; with both down the left one paints.
        {{KeyEvent(Keyboard::Num1, false), ButtonEvent(Mouse::Right, true, X, Y)},
         EditorTile::Wall, 3, 2, EditorTile::Floor},
        {{ButtonEvent(Mouse::Left, true, X, Y)}, EditorTile::Wall, 3, 2, EditorTile::Wall},
        {{ButtonEvent(Mouse::Left, false, X, Y)}, EditorTile::Wall, 3, 2, EditorTile::Floor},
        // Dragging erases every cell the pointer is over in some frame; the strip changes nothing.
        {{MouseMoveEvent(X + 30, Y)}, EditorTile::Wall, 4, 2, EditorTile::Floor},
        {{MouseMoveEvent(X, 60), ButtonEvent(Mouse::Right, false, X, 60),
          KeyEvent(Keyboard::Num4, true)},
         EditorTile::Hero, 3, 0, EditorTile::Floor},
        // Several heroes stay heroes.
        {{ButtonEvent(Mouse::Left, true, 5, 65)}, EditorTile::Hero, 0, 0, EditorTile::Hero},
        {{MouseMoveEvent(599, 419)}, EditorTile::Hero, 19, 11, EditorTile::Hero},
        {{MouseMoveEvent(599, 419)}, EditorTile::Hero, 0, 0, EditorTile::Hero},
    };
    int Number = 0;
    for (const Step& S : Steps) {
        for (const sf::Event& Event : S.Events)
            Feed(Event);
        Frame();
        EXPECT_EQ(Brush, S.Brush) << "step " << Number;
        EXPECT_EQ(Cell(S.Column, S.Row), S.Cell) << "step " << Number;
        ++Number;
    }
    int Painted = 0;
    for (int32_t Code : EditorGrid)
        Painted += Code != EditorTile::Floor;
    EXPECT_EQ(Painted, 2) << "only the two heroes remain";
}

TEST_F(EditorTest, PointerOffTheGridWritesNothing)
{
    Feed(KeyEvent(sf::Keyboard::Num2, true));
    for (auto [X, Y] : {std::pair{-30, 100}, {-5000, 100}, {600, 100}, {100, 450}, {100, 100000},
                        {2000000000, 2000000000}, {100, -5}}) {
        Feed(ButtonEvent(sf::Mouse::Left, true, X, Y));
        Frame();
    }
    for (int32_t Code : EditorGrid)
        EXPECT_EQ(Code, EditorTile::Floor);
}

TEST_F(EditorTest, EmptyGridSavesAsThirteenLinesOfTwentySpaces)
{
    SaveEditorLevel();
    std::string Expected;
    for (int Row = 0; Row < 13; ++Row)
        Expected += std::string(20, ' ') + "\n";
    EXPECT_EQ(ReadFile("save.txt"), Expected);
    EXPECT_EQ(ReadFile("save.txt").size(), 273u);
    EXPECT_EQ(FilesHere(), std::vector<std::string>{"save.txt"});
}

TEST_F(EditorTest, SaveAndLoadRoundTripEveryCode)
{
    const int32_t Codes[] = {EditorTile::Wall, EditorTile::Box, EditorTile::Target,
                             EditorTile::Hero, EditorTile::Goal, EditorTile::Floor};
    for (int Index = 0; Index < GridCells; ++Index)
        EditorGrid[Index] = Codes[(Index * 7 + Index / 13) % 6];
    EditorGrid[5] = 77;  // no tile: saved as a space, read back as Floor
    LevelGrid Saved = EditorGrid;
    Saved[5] = EditorTile::Floor;
    SaveEditorLevel();
    InitEditorGrid();
    LoadEditorLevel();
    EXPECT_EQ(EditorGrid, Saved);
    std::string Text = ReadFile("save.txt");
    EXPECT_EQ(Text.substr(0, 21), std::string(Text.substr(0, 20)) + "\n");
}

TEST_F(EditorTest, LoadFollowsTheGameReader)
{
    struct Case {
        const char* Name;
        std::string Content;
        std::string Row0, Row1;
        bool Row5Kept;
    };
    const std::string Twenty = "wbthgwbthgwbthgwbthg";
    std::string FourteenLines;
    for (int Line = 0; Line < 13; ++Line)
        FourteenLines += std::string(20, 'b') + "\n";
    FourteenLines += std::string(20, 't') + "\n";
    const Case Cases[] = {
        {"long line", Twenty + "wwww\n", Twenty, std::string(20, 'h'), true},
        {"short line shows the longer one through", Twenty + "\nbb\n", Twenty,
         "bb  gwbthgwbthgwbthg", true},
        {"crlf", Twenty + "\r\nbb\r\n", Twenty, "bb  gwbthgwbthgwbthg", true},
        {"over 9,999 characters", std::string(9999, 'w') + "bt\n", std::string(20, 'w'),
         "bt  wwwwwwwwwwwwwwww", true},
        {"five lines", Twenty + "\n\n\n\n\n", Twenty, "  thgwbthgwbthgwbthg", true},
        {"empty file", "", std::string(20, 'h'), std::string(20, 'h'), true},
        {"fourteen lines: the last is ignored, not wrapped into row 0",
         FourteenLines, std::string(20, 'b'), std::string(20, 'b'), false},
    };
    auto Row = [](int R) {
        std::string Text;
        for (int Column = 0; Column < GridColumns; ++Column)
            Text += EditorTileCharacter(Cell(Column, R));
        return Text;
    };
    for (const Case& C : Cases) {
        EditorGrid.fill(EditorTile::Hero);
        WriteFile("save.txt", C.Content);
        LoadEditorLevel();
        EXPECT_EQ(Row(0), C.Row0) << C.Name;
        EXPECT_EQ(Row(1), C.Row1) << C.Name;
        EXPECT_EQ(Row(5) == std::string(20, 'h'), C.Row5Kept) << C.Name;
    }
}

TEST_F(EditorTest, LoadThenSaveInTheSameFrame)
{
    WriteFile("save.txt", "w h\nbgt\n");
    Feed(ButtonEvent(sf::Mouse::Left, true, 5, 65));  // paints (0, 0) before the load
    Feed(KeyEvent(sf::Keyboard::S, true));
    Feed(KeyEvent(sf::Keyboard::L, true));
    Frame();
    std::string Expected = "w h                 \nbgt                 \n";
    for (int Row = 2; Row < 13; ++Row)
        Expected += std::string(20, ' ') + "\n";
    EXPECT_EQ(ReadFile("save.txt"), Expected);
}

TEST_F(EditorTest, FailuresAreReportedOncePerHold)
{
    Feed(KeyEvent(sf::Keyboard::L, true));
    ::testing::internal::CaptureStderr();
    Frame();
    Frame();
    Feed(KeyEvent(sf::Keyboard::L, false));
    Frame();
    Feed(KeyEvent(sf::Keyboard::L, true));
    Frame();
    std::string Errors = ::testing::internal::GetCapturedStderr();
    const std::string Line =
        "kartonik-edytor: cannot load \"save.txt\": No such file or directory\n";
    EXPECT_EQ(Errors, Line + Line);
    for (int32_t Code : EditorGrid)
        EXPECT_EQ(Code, EditorTile::Floor);
}

// Turns the process into an ordinary user for a while, so that file permissions hold even
// when the tests run as root.
struct ScopedUnprivileged {
    ScopedUnprivileged()
    {
        if (geteuid() == 0) {
            fs::permissions(".", fs::perms::all);
            Dropped = seteuid(NobodyId) == 0;
        }
    }
    ~ScopedUnprivileged()
    {
        if (Dropped) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }
    static constexpr uid_t NobodyId = 65534;
    bool Dropped = false;
};

TEST_F(EditorTest, UnwritableSaveFileStaysAsItWas)
{
    {
        ScopedUnprivileged AsUser;
        WriteFile("save.txt", "old level\n");
        fs::permissions("save.txt", fs::perms::owner_read | fs::perms::group_read);
        ::testing::internal::CaptureStderr();
        SaveEditorLevel();
        SaveEditorLevel();
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  "kartonik-edytor: cannot save \"save.txt\": Permission denied\n");
        EXPECT_EQ(ReadFile("save.txt"), "old level\n");
        EXPECT_EQ(FilesHere(), std::vector<std::string>{"save.txt"});
    }
    // A directory in its place cannot be written by anyone.
    fs::remove("save.txt");
    fs::create_directory("save.txt");
    SaveFailureReported = false;
    ::testing::internal::CaptureStderr();
    SaveEditorLevel();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "kartonik-edytor: cannot save \"save.txt\": Is a directory\n");
    EXPECT_TRUE(fs::is_directory("save.txt"));
    EXPECT_EQ(FilesHere(), std::vector<std::string>{"save.txt"});
}

TEST_F(EditorTest, InterruptedSaveLeavesTheOldFileWhole)
{
    WriteFile("save.txt", "old level\n");
    chmod("save.txt", 0640);
    ReplaceSaveFile = [](const char*, const char*) {
        errno = EIO;
        return -1;
    };
    ::testing::internal::CaptureStderr();
    SaveEditorLevel();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "kartonik-edytor: cannot save \"save.txt\": Input/output error\n");
    EXPECT_EQ(ReadFile("save.txt"), "old level\n");
    EXPECT_EQ(FilesHere(), std::vector<std::string>{"save.txt"});

    ReplaceSaveFile = std::rename;
    SaveEditorLevel();
    EXPECT_EQ(ReadFile("save.txt").size(), 273u);
    struct stat Status;
    ASSERT_EQ(stat("save.txt", &Status), 0);
    EXPECT_EQ(Status.st_mode & 0777, 0640u) << "the replaced file keeps its mode";
}

TEST_F(EditorTest, SaveThroughASymbolicLinkReplacesItsTarget)
{
    fs::create_directory("levels");
    WriteFile("levels/mine.txt", "old\n");
    fs::create_symlink("levels/mine.txt", "save.txt");
    SaveEditorLevel();
    EXPECT_TRUE(fs::is_symlink("save.txt"));
    EXPECT_EQ(ReadFile("levels/mine.txt").size(), 273u);
    EXPECT_EQ(FilesHere(), (std::vector<std::string>{"levels", "save.txt"}));
    EXPECT_EQ(fs::directory_iterator("levels")->path().filename(), "mine.txt");
}

} // namespace
