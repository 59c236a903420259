#pragma once
#include "TileImages.h"
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <cstdint>

const sf::Texture& GameTileImage(const TileImages& Images, int32_t Code);
void ClearGameWindow(sf::RenderTarget& Target);
void DrawBoard(sf::RenderTarget& Target, const TileImages& Images);
void DrawHero(sf::RenderTarget& Target, sf::Sprite& HeroSprite);
