#pragma once
#include "TileImages.h"
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <cstdint>

// Adds one to a frame counter, stopping at the largest value instead of overflowing.
void CountUp(int32_t& Counter);

// The game's start-up before the window's frame-rate limit and images.
void StartGame();

// One frame after its events have been fed into GameInput: the solved pause, the move pacing,
// the arrow keys and the restart key, drawing into Target between them. A null Target runs
// the rules alone. Once the game has ended nothing more is drawn in the frame.
void RunGameFrame(sf::RenderTarget* Target, const TileImages* Images, sf::Sprite* HeroSprite);
