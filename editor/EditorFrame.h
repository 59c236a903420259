#pragma once
#include "TileImages.h"
#include <SFML/Graphics/RenderTarget.hpp>
#include <cstdint>

const sf::Texture& EditorTileImage(const TileImages& Images, int32_t Code);

// One frame after its events have been fed into EditorInput: painting, the brush keys, load
// and save, then the grid and the brush preview drawn into Target (none when it is null).
void RunEditorFrame(sf::RenderTarget* Target, const TileImages* Images);
