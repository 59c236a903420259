#include "WindowShell.h"

#include <SFML/Graphics/View.hpp>

constexpr unsigned BitsPerPixel = 32;
constexpr unsigned DepthBits = 24;
constexpr unsigned StencilBits = 8;
constexpr unsigned AntialiasingLevel = 0;

void OpenProgramWindow(sf::RenderWindow& Window, unsigned Width, unsigned Height,
                       const std::string& Title)
{
    Window.create(sf::VideoMode(Width, Height, BitsPerPixel), Title, sf::Style::Default,
                  sf::ContextSettings(DepthBits, StencilBits, AntialiasingLevel));
}

void PollWindowEvents(sf::RenderWindow& Window, InputState& Input)
{
    sf::Event Event;
    while (Window.pollEvent(Event)) {
        if (Event.type == sf::Event::Closed)
            Window.close();
        else if (Event.type == sf::Event::Resized)
            Window.setView(sf::View(sf::FloatRect(0.f, 0.f, static_cast<float>(Event.size.width),
                                                  static_cast<float>(Event.size.height))));
        FeedInputEvent(Input, Event);
    }
}
