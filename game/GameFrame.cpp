#include "GameFrame.h"
#include "Board.h"
#include "GameDrawing.h"
#include "GameState.h"
#include "Levels.h"

#include <limits>

void CountUp(int32_t& Counter)
{
    if (Counter < std::numeric_limits<int32_t>::max())
        ++Counter;
}

void StartGame()
{
    LoadLevelIndex();
    NextLevel();
}

static void RunSolvedPause()
{
    if (!IsSolved())
        return;
    CountUp(SolvedDelay);
    if (SolvedDelay > SolvedPause)
        NextLevel();
}

struct ArrowKey {
    sf::Keyboard::Key Key;
    int32_t* Held;
    int32_t Dx;
    int32_t Dy;
};

static const ArrowKey ArrowKeys[] = {
    {sf::Keyboard::Left, &LeftHeld, -1, 0},
    {sf::Keyboard::Right, &RightHeld, 1, 0},
    {sf::Keyboard::Up, &UpHeld, 0, -1},
    {sf::Keyboard::Down, &DownHeld, 0, 1},
};

static bool OtherArrowsUp(const ArrowKey& Key)
{
    for (const ArrowKey& Other : ArrowKeys)
        if (&Other != &Key && *Other.Held != 0)
            return false;
    return true;
}

// A key moves in its first frame and once held past the repeat delay, only while no other
// arrow key is held; its counter keeps counting while it is blocked.
static void ReadArrowKeys()
{
    for (const ArrowKey& Key : ArrowKeys) {
        int32_t& Held = *Key.Held;
        if (!IsKeyDown(GameInput, Key.Key)) {
            Held = 0;
            continue;
        }
        if (OtherArrowsUp(Key) && (Held == 0 || Held > KeyRepeatDelay))
            TryMove(Key.Dx, Key.Dy);
        CountUp(Held);
    }
}

static void ReadRestartKey()
{
    if (!IsKeyDown(GameInput, sf::Keyboard::Space))
        return;
    --LevelPosition;
    NextLevel();
}

void RunGameFrame(sf::RenderTarget* Target, const TileImages* Images, sf::Sprite* HeroSprite)
{
    if (Target)
        ClearGameWindow(*Target);
    RunSolvedPause();
    if (GameEnded)
        Target = nullptr;
    if (Target)
        DrawBoard(*Target, *Images);
    CountUp(MovePacing);
    ReadArrowKeys();
    ReadRestartKey();
    if (GameEnded)
        Target = nullptr;
    if (Target)
        DrawHero(*Target, *HeroSprite);
}
