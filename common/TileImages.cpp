#include "TileImages.h"

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
