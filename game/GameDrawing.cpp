#include "GameDrawing.h"
#include "GameState.h"

const sf::Texture& GameTileImage(const TileImages& Images, int32_t Code)
{
    switch (Code) {
    case GameTile::Wall: return Images.Wall;
    case GameTile::Box: return Images.Box;
    case GameTile::Target: return Images.Target;
    case GameTile::Goal: return Images.Goal;
    default: return Images.Back;
    }
}

void ClearGameWindow(sf::RenderTarget& Target)
{
    Target.clear(ClearColor);
}

void DrawBoard(sf::RenderTarget& Target, const TileImages& Images)
{
    for (int Column = 0; Column < GridColumns; ++Column)
        for (int Row = 0; Row < GridRows; ++Row)
            DrawPicture(Target, GameTileImage(Images, Board[CellIndex(Column, Row)]),
                        Column * TileSize, Row * TileSize);
}

void DrawHero(sf::RenderTarget& Target, sf::Sprite& HeroSprite)
{
    HeroSprite.setPosition(static_cast<float>(HeroColumn * TileSize),
                           static_cast<float>(HeroRow * TileSize));
    Target.draw(HeroSprite);
}
