#include "Painting.h"
#include "EditorState.h"

void InitEditorGrid()
{
    EditorGrid.fill(EditorTile::Floor);
}

bool CellAtPointer(int X, int Y, int& Column, int& Row)
{
    if (Y <= GridTop)
        return false;
    Column = X / TileSize;
    Row = Y / TileSize - GridTop / TileSize;
    return IsOnGrid(Column, Row);
}

// The left button paints the brush and wins over the right one, which erases.
void PaintAtPointer(const InputState& Input)
{
    int32_t Paint;
    if (IsButtonDown(Input, sf::Mouse::Left))
        Paint = Brush;
    else if (IsButtonDown(Input, sf::Mouse::Right))
        Paint = EditorTile::Floor;
    else
        return;
    int Column, Row;
    if (CellAtPointer(Input.MouseX, Input.MouseY, Column, Row))
        EditorGrid[CellIndex(Column, Row)] = Paint;
}

// Keys 1 to 5 choose Wall, Box, Target, Hero, Goal; with several down the highest wins.
void ReadBrushKeys(const InputState& Input)
{
    struct BrushKey {
        sf::Keyboard::Key Key;
        int32_t Tile;
    };
    const BrushKey BrushKeys[] = {{sf::Keyboard::Num1, EditorTile::Wall},
                                  {sf::Keyboard::Num2, EditorTile::Box},
                                  {sf::Keyboard::Num3, EditorTile::Target},
                                  {sf::Keyboard::Num4, EditorTile::Hero},
                                  {sf::Keyboard::Num5, EditorTile::Goal}};
    for (const BrushKey& Key : BrushKeys)
        if (IsKeyDown(Input, Key.Key))
            Brush = Key.Tile;
}
