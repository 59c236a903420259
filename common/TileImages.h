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

namespace sf { class RenderTarget; }

// Draws a picture unscaled with its top-left corner at window pixel (X, Y), through a sprite
// that lives only for this one drawing.
void DrawPicture(sf::RenderTarget& Target, const sf::Texture& Picture, int X, int Y);

// Loads "gfx/hero.bmp" and the rest relative to the working directory, smoothing off.
void LoadTileImages(TileImages& Images);
