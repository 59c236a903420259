#include "InputState.h"
#include "LineReader.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every line's whole buffer, as the reader left it.
std::vector<std::string> ReadBuffers(const std::string& Content, int MaxLines = 0)
{
    WriteFile("file.txt", Content);
    std::vector<std::string> Buffers;
    std::string Failure;
    EXPECT_TRUE(ReadLines("file.txt", MaxLines, [&](const char* Buffer, int LineNumber) {
        EXPECT_EQ(LineNumber, static_cast<int>(Buffers.size()));
        Buffers.emplace_back(Buffer, LineBufferSize);
    }, Failure));
    return Buffers;
}

TEST(LineReaderTest, CrLfLeavesTheBufferExactlyAsLf)
{
    ScopedWorkFolder Folder;
    // A long line, a short one showing the long one through, an empty one, a lone CR kept.
    const std::string Lines[] = {"wwwwwwwwwwwwwwwwwwwwwwww", "w h", "", "a\rb", "last"};
    std::string Lf, CrLf;
    for (const std::string& Line : Lines) {
        Lf += Line + "\n";
        CrLf += Line + "\r\n";
    }
    std::vector<std::string> FromLf = ReadBuffers(Lf);
    std::vector<std::string> FromCrLf = ReadBuffers(CrLf);
    ASSERT_EQ(FromLf.size(), 5u);
    EXPECT_EQ(FromLf, FromCrLf);
    EXPECT_EQ(FromLf[1].substr(0, 6), std::string("w h\n\0w", 6));
    EXPECT_EQ(FromLf[3].substr(0, 4), "a\rb\n");
}

TEST(LineReaderTest, StartsZeroFilledAndNeverClearsBetweenLines)
{
    ScopedWorkFolder Folder;
    std::vector<std::string> Buffers = ReadBuffers("ab\nwwwwww\nc");
    ASSERT_EQ(Buffers.size(), 3u);
    EXPECT_EQ(Buffers[0].substr(0, 8), std::string("ab\n\0\0\0\0\0", 8));
    // The last line has no line end: its zero byte follows the "c", the rest shows through.
    EXPECT_EQ(Buffers[2].substr(0, 8), std::string("c\0wwww\n\0", 8));
    EXPECT_EQ(Buffers[2].find_first_not_of('\0', 8), std::string::npos);
}

TEST(LineReaderTest, LongLinesComeInPiecesAndNulBytesStay)
{
    ScopedWorkFolder Folder;
    std::string Long(LineBufferSize + 50, 'x');
    std::vector<std::string> Buffers = ReadBuffers(Long + "\n" + std::string("w\0w\n", 4));
    ASSERT_EQ(Buffers.size(), 3u);
    EXPECT_EQ(Buffers[0].substr(0, LineBufferSize - 1), std::string(LineBufferSize - 1, 'x'));
    EXPECT_EQ(Buffers[0][LineBufferSize - 1], '\0');
    EXPECT_EQ(Buffers[1].substr(0, 53), std::string(51, 'x') + "\n" + '\0');
    EXPECT_EQ(Buffers[2].substr(0, 5), std::string("w\0w\n\0", 5));
}

TEST(LineReaderTest, StopsAfterMaxLines)
{
    ScopedWorkFolder Folder;
    EXPECT_EQ(ReadBuffers("1\n2\n3\n4\n", 3).size(), 3u);
    EXPECT_EQ(ReadBuffers("").size(), 0u);
}

TEST(LineReaderTest, MissingFileGivesTheReason)
{
    ScopedWorkFolder Folder;
    std::string Failure;
    bool Called = false;
    EXPECT_FALSE(ReadLines("absent.txt", 0, [&](const char*, int) { Called = true; }, Failure));
    EXPECT_FALSE(Called);
    EXPECT_EQ(Failure, "No such file or directory");
}

TEST(InputStateTest, FollowsTheWindowsEventsOnly)
{
    InputState Input;
    FeedInputEvent(Input, KeyEvent(sf::Keyboard::S, true));
    FeedInputEvent(Input, ButtonEvent(sf::Mouse::Left, true, 40, 70));
    EXPECT_TRUE(IsKeyDown(Input, sf::Keyboard::S));
    EXPECT_TRUE(IsButtonDown(Input, sf::Mouse::Left));
    EXPECT_EQ(Input.MouseX, 40);
    EXPECT_EQ(Input.MouseY, 70);
    FeedInputEvent(Input, MouseMoveEvent(10, 20));
    EXPECT_EQ(Input.MouseX, 10);

    sf::Event LostFocus{};
    LostFocus.type = sf::Event::LostFocus;
    FeedInputEvent(Input, LostFocus);
    EXPECT_FALSE(IsKeyDown(Input, sf::Keyboard::S));
    EXPECT_FALSE(IsButtonDown(Input, sf::Mouse::Left));

    // Keys SFML cannot name arrive as Unknown (-1): ignored, not stored out of bounds.
    FeedInputEvent(Input, KeyEvent(sf::Keyboard::Unknown, true));
    EXPECT_FALSE(IsKeyDown(Input, sf::Keyboard::Unknown));
}

} // namespace
