#pragma once
#include "InputState.h"
#include <SFML/Graphics/RenderWindow.hpp>
#include <string>

// Opens a resizable window with a title bar and close button, as both programs have.
void OpenProgramWindow(sf::RenderWindow& Window, unsigned Width, unsigned Height,
                       const std::string& Title);

// Takes every pending event: a close request closes the window, a resize keeps one pixel per
// pixel from the top-left corner, and the input state observes the rest.
void PollWindowEvents(sf::RenderWindow& Window, InputState& Input);
