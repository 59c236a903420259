#include "GameDrawing.h"
#include "GameFrame.h"
#include "GameTestSupport.h"
#include "Levels.h"
#include "TestSupport.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

const sf::Color WallColour(90, 90, 90), BoxColour(160, 110, 50), TargetColour(200, 40, 40),
    GoalColour(40, 160, 40), BackColour(220, 210, 190), HeroColour(250, 250, 0);

void MakeSolid(sf::Texture& Texture, sf::Color Colour)
{
    sf::Image Image;
    Image.create(TileSize, TileSize, Colour);
    ASSERT_TRUE(Texture.loadFromImage(Image));
}

class GameDrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_TRUE(Canvas.create(GridColumns * TileSize, GridRows * TileSize));
        MakeSolid(Images.Wall, WallColour);
        MakeSolid(Images.Box, BoxColour);
        MakeSolid(Images.Target, TargetColour);
        MakeSolid(Images.Goal, GoalColour);
        MakeSolid(Images.Back, BackColour);
        MakeSolid(Images.Hero, HeroColour);
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

    // The colour in the middle of a cell, and at its corners, which must agree.
    sf::Color CellColour(int Column, int Row)
    {
        int X = Column * TileSize, Y = Row * TileSize;
        sf::Color Middle = Shot.getPixel(X + TileSize / 2, Y + TileSize / 2);
        EXPECT_EQ(Shot.getPixel(X, Y), Middle) << Column << "," << Row;
        EXPECT_EQ(Shot.getPixel(X + TileSize - 1, Y + TileSize - 1), Middle) << Column << "," << Row;
        return Middle;
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
