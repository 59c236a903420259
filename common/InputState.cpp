#include "InputState.h"

static void SetKey(InputState& Input, sf::Keyboard::Key Key, bool Down)
{
    if (Key >= 0 && Key < sf::Keyboard::KeyCount)
        Input.KeysDown[Key] = Down;
}

static void SetButton(InputState& Input, sf::Mouse::Button Button, bool Down)
{
    if (Button >= 0 && Button < sf::Mouse::ButtonCount)
        Input.ButtonsDown[Button] = Down;
}

void FeedInputEvent(InputState& Input, const sf::Event& Event)
{
    switch (Event.type) {
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
        SetKey(Input, Event.key.code, Event.type == sf::Event::KeyPressed);
        break;
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
        Input.MouseX = Event.mouseButton.x;
        Input.MouseY = Event.mouseButton.y;
        SetButton(Input, Event.mouseButton.button,
                  Event.type == sf::Event::MouseButtonPressed);
        break;
    case sf::Event::MouseMoved:
        Input.MouseX = Event.mouseMove.x;
        Input.MouseY = Event.mouseMove.y;
        break;
    case sf::Event::LostFocus:
        ReleaseAllInput(Input);
        break;
    default:
        break;
    }
}

void ReleaseAllInput(InputState& Input)
{
    Input.KeysDown.fill(false);
    Input.ButtonsDown.fill(false);
}

bool IsKeyDown(const InputState& Input, sf::Keyboard::Key Key)
{
    return Key >= 0 && Key < sf::Keyboard::KeyCount && Input.KeysDown[Key];
}

bool IsButtonDown(const InputState& Input, sf::Mouse::Button Button)
{
    return Button >= 0 && Button < sf::Mouse::ButtonCount && Input.ButtonsDown[Button];
}

sf::Event KeyEvent(sf::Keyboard::Key Key, bool Pressed)
{
    sf::Event Event{};
    Event.type = Pressed ? sf::Event::KeyPressed : sf::Event::KeyReleased;
    Event.key.code = Key;
    return Event;
}

sf::Event ButtonEvent(sf::Mouse::Button Button, bool Pressed, int X, int Y)
{
    sf::Event Event{};
    Event.type = Pressed ? sf::Event::MouseButtonPressed : sf::Event::MouseButtonReleased;
    Event.mouseButton.button = Button;
    Event.mouseButton.x = X;
    Event.mouseButton.y = Y;
    return Event;
}

sf::Event MouseMoveEvent(int X, int Y)
{
    sf::Event Event{};
    Event.type = sf::Event::MouseMoved;
    Event.mouseMove.x = X;
    Event.mouseMove.y = Y;
    return Event;
}
