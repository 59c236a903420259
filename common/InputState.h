#pragma once
#include <SFML/Window/Event.hpp>
#include <array>

// The keys and buttons held down in our own window and the pointer's last position in it,
// kept from the window's events so that input typed into other applications never counts.
struct InputState {
    std::array<bool, sf::Keyboard::KeyCount> KeysDown{};
    std::array<bool, sf::Mouse::ButtonCount> ButtonsDown{};
    int MouseX = 0;
    int MouseY = 0;
};

void FeedInputEvent(InputState& Input, const sf::Event& Event);
void ReleaseAllInput(InputState& Input);
bool IsKeyDown(const InputState& Input, sf::Keyboard::Key Key);
bool IsButtonDown(const InputState& Input, sf::Mouse::Button Button);

// Made-up events, for tests and for the window shell alike.
sf::Event KeyEvent(sf::Keyboard::Key Key, bool Pressed);
sf::Event ButtonEvent(sf::Mouse::Button Button, bool Pressed, int X, int Y);
sf::Event MouseMoveEvent(int X, int Y);
