#include "GameDrawing.h"
#include "GameFrame.h"
#include "GameTestSupport.h"
#include "Levels.h"
#include "TestSupport.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

class GameDrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_TRUE(Canvas.create(GridColumns * TileSize, GridRows * TileSize));
        MakeSolidImages(Images);
        HeroSprite.setTexture(Images.Hero);
    }

    static void Frames(int Count)
    {
        for (int I = 0; I < Count; ++I)
            RunGameFrame(nullptr, nullptr, nullptr);
    }

    // Runs one frame drawing into the canvas, as the window would show it.
    void DrawnFrame()
    {
        RunGameFrame(&Canvas, &Images, &HeroSprite);
        Canvas.display();
        Shot = Canvas.getTexture().copyToImage();
    }

    sf::Color CellColour(int Column, int Row)
    {
        return SquareColour(Shot, Column * TileSize, Row * TileSize);
    }

    ScopedWorkFolder Folder;
    sf::RenderTexture Canvas;
    TileImages Images;
    sf::Sprite HeroSprite;
    sf::Image Shot;
};

TEST_F(GameDrawingTest, PushFrameShowsTheBoardBeforeThePushAndTheHeroAfterIt)
{
    WriteFile("lvl/push.txt", "wwwwwwwwwwwwwwwwwwww\nwhb tg   bwwwwwwwwww\n");
    WriteFile(LevelIndexPath, "lvl/push.txt\n");
    StartGame();
    Frames(5);
    DrawnFrame();
    EXPECT_EQ(CellColour(0, 0), WallColour);
    EXPECT_EQ(CellColour(1, 1), HeroColour);
    EXPECT_EQ(CellColour(2, 1), BoxColour);
    EXPECT_EQ(CellColour(3, 1), BackColour);
    EXPECT_EQ(CellColour(4, 1), TargetColour);
    EXPECT_EQ(CellColour(5, 1), GoalColour);
    EXPECT_EQ(CellColour(19, 12), WallColour);

    FeedInputEvent(GameInput, KeyEvent(sf::Keyboard::Right, true));
    DrawnFrame();
    EXPECT_EQ(HeroColumn, 2);
    EXPECT_EQ(CellColour(1, 1), BackColour);
    EXPECT_EQ(CellColour(2, 1), HeroColour) << "the hero is drawn after the push";
    EXPECT_EQ(CellColour(3, 1), BackColour) << "the board is drawn before it";

    FeedInputEvent(GameInput, KeyEvent(sf::Keyboard::Right, false));
    DrawnFrame();
    EXPECT_EQ(CellColour(3, 1), BoxColour) << "the box shows one frame later";
}

TEST_F(GameDrawingTest, MissingImageLeavesTheClearColour)
{
    WriteFile("lvl/one.txt", "wwwwwwwwwwwwwwwwwwww\nwh  t  wwwwwwwwwwwww\n");
    WriteFile(LevelIndexPath, "lvl/one.txt\n");
    StartGame();
    Images.Back = sf::Texture();
    Images.Hero = sf::Texture();
    HeroSprite = sf::Sprite(Images.Hero);
    DrawnFrame();
    EXPECT_EQ(CellColour(1, 1), ClearColor) << "no hero picture, no floor picture";
    EXPECT_EQ(CellColour(2, 1), ClearColor);
    EXPECT_EQ(CellColour(4, 1), TargetColour);
    EXPECT_EQ(CellColour(7, 1), WallColour);
}

TEST_F(GameDrawingTest, ShippedImagesAreThirtyByThirtyAndDistinct)
{
    // The shipped pictures, loaded as the game loads them from its run folder.
    std::filesystem::create_directories("gfx");
    for (const char* Name : {"hero", "wall", "box", "target", "goal", "back"})
        std::filesystem::copy_file(std::string(KARTONIK_SOURCE_DIR) + "/gfx/" + Name + ".bmp",
                                   std::string("gfx/") + Name + ".bmp");
    TileImages Shipped;
    LoadTileImages(Shipped);
    const sf::Texture* All[] = {&Shipped.Hero, &Shipped.Wall, &Shipped.Box,
                                &Shipped.Target, &Shipped.Goal, &Shipped.Back};
    std::vector<sf::Image> Pictures;
    for (const sf::Texture* Texture : All) {
        EXPECT_EQ(Texture->getSize(), sf::Vector2u(TileSize, TileSize));
        Pictures.push_back(Texture->copyToImage());
    }
    for (size_t A = 0; A < Pictures.size(); ++A)
        for (size_t B = A + 1; B < Pictures.size(); ++B) {
            int Different = 0;
            for (int Y = 0; Y < TileSize; ++Y)
                for (int X = 0; X < TileSize; ++X)
                    Different += Pictures[A].getPixel(X, Y) != Pictures[B].getPixel(X, Y);
            EXPECT_GT(Different, TileSize * TileSize / 10) << A << " and " << B << " look alike";
        }
}

} // namespace
