#include "EditorFrame.h"
#include "EditorState.h"
#include "Painting.h"
#include "SaveLoad.h"


const sf::Texture& EditorTileImage(const TileImages& Images, int32_t Code)
{
    switch (Code) {
    case EditorTile::Wall: return Images.Wall;
    case EditorTile::Box: return Images.Box;
    case EditorTile::Target: return Images.Target;
    case EditorTile::Hero: return Images.Hero;
    case EditorTile::Goal: return Images.Goal;
    default: return Images.Back;
    }
}

static void DrawEditorGrid(sf::RenderTarget& Target, const TileImages& Images)
{
    for (int Column = 0; Column < GridColumns; ++Column)
        for (int Row = 0; Row < GridRows; ++Row)
            DrawPicture(Target, EditorTileImage(Images, EditorGrid[CellIndex(Column, Row)]),
                        Column * TileSize, Row * TileSize + GridTop);
}

// L loads, then S saves, in every frame in which they are down; a failure is reported once
// per hold, so the flag clears when the key goes up.
static void ReadFileKeys()
{
    if (IsKeyDown(EditorInput, sf::Keyboard::L))
        LoadEditorLevel();
    else
        LoadFailureReported = false;
    if (IsKeyDown(EditorInput, sf::Keyboard::S))
        SaveEditorLevel();
    else
        SaveFailureReported = false;
}

void RunEditorFrame(sf::RenderTarget* Target, const TileImages* Images)
{
    if (Target)
        Target->clear(ClearColor);
    PaintAtPointer(EditorInput);
    ReadBrushKeys(EditorInput);
    ReadFileKeys();
    if (!Target)
        return;
    DrawEditorGrid(*Target, *Images);
    DrawPicture(*Target, EditorTileImage(*Images, Brush), BrushPreviewX, BrushPreviewY);
}
