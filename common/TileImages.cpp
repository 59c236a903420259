#include "TileImages.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

void DrawPicture(sf::RenderTarget& Target, const sf::Texture& Picture, int X, int Y)
{
    sf::Sprite Sprite(Picture);
    Sprite.setPosition(static_cast<float>(X), static_cast<float>(Y));
    Target.draw(Sprite);
}

void LoadTileImages(TileImages& Images)
{
    Images.Hero.loadFromFile("gfx/hero.bmp");
    Images.Wall.loadFromFile("gfx/wall.bmp");
    Images.Box.loadFromFile("gfx/box.bmp");
    Images.Target.loadFromFile("gfx/target.bmp");
    Images.Goal.loadFromFile("gfx/goal.bmp");
    Images.Back.loadFromFile("gfx/back.bmp");
    for (sf::Texture* Image : {&Images.Box, &Images.Hero, &Images.Wall, &Images.Target,
                               &Images.Goal, &Images.Back})
        Image->setSmooth(false);
}
