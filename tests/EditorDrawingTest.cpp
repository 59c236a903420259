#include "EditorFrame.h"
#include "EditorState.h"
#include "Painting.h"
#include "TestSupport.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>

namespace {

TEST(EditorDrawingTest, BrushPreviewAndPaintedCellShowInTheSameFrame)
{
    ResetEditorState();
    InitEditorGrid();
    TileImages Images;
    MakeSolidImages(Images);
    sf::RenderTexture Canvas;
    // Taller than the window, to show row 12 too.
    ASSERT_TRUE(Canvas.create(EditorWidth, GridTop + GridRows * TileSize));
    auto DrawnFrame = [&] {
        RunEditorFrame(&Canvas, &Images);
        Canvas.display();
        return Canvas.getTexture().copyToImage();
    };

    sf::Image Shot = DrawnFrame();
    EXPECT_EQ(SquareColour(Shot, BrushPreviewX, BrushPreviewY), WallColour);
    EXPECT_EQ(SquareColour(Shot, 0, 0), ClearColor);
    EXPECT_EQ(SquareColour(Shot, 0, GridTop), BackColour);
    EXPECT_EQ(SquareColour(Shot, 19 * TileSize, GridTop + 12 * TileSize), BackColour);

    FeedInputEvent(EditorInput, KeyEvent(sf::Keyboard::Num4, true));
    FeedInputEvent(EditorInput, ButtonEvent(sf::Mouse::Left, true, 5 * 30 + 1, 60 + 3 * 30 + 1));
    Shot = DrawnFrame();
    EXPECT_EQ(SquareColour(Shot, BrushPreviewX, BrushPreviewY), HeroColour);
    EXPECT_EQ(SquareColour(Shot, 5 * TileSize, GridTop + 3 * TileSize), WallColour)
        << "painted with the brush of this frame's start, shown at once";
    Shot = DrawnFrame();
    EXPECT_EQ(SquareColour(Shot, 5 * TileSize, GridTop + 3 * TileSize), HeroColour);
}

} // namespace
