#include "GameFrame.h"
#include "GameState.h"
#include "WindowShell.h"

// The window lives in the shell alone: an SFML window object needs a display even before it
// is opened, and the rules must run in tests without one.
static sf::RenderWindow GameWindow;

int main()
{
    OpenProgramWindow(GameWindow, GridColumns * TileSize, GridRows * TileSize, "Kartonik");
    StartGame();
    if (GameEnded)
        GameWindow.close();
    GameWindow.setFramerateLimit(FrameRateLimit);
    TileImages Images;
    LoadTileImages(Images);
    sf::Sprite HeroSprite(Images.Hero);
    while (GameWindow.isOpen()) {
        PollWindowEvents(GameWindow, GameInput);
        RunGameFrame(&GameWindow, &Images, &HeroSprite);
        if (GameEnded)
            GameWindow.close();
        GameWindow.display();
    }
    return LevelIndexFailed ? 1 : 0;
}
