#pragma once
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Texture.hpp>

// Both programs clear their window with this colour every frame.
const sf::Color ClearColor(100, 100, 255, 255);

// The six pictures, loaded once at start; one that fails to load stays empty and draws nothing.
struct TileImages {
    sf::Texture Hero;
    sf::Texture Wall;
    sf::Texture Box;
    sf::Texture Target;
    sf::Texture Goal;
    sf::Texture Back;
};

// Loads "gfx/hero.bmp" and the rest relative to the working directory, smoothing off.
void LoadTileImages(TileImages& Images);
