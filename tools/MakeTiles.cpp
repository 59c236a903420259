#include "Level.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>

constexpr int LastPixel = TileSize - 1;
constexpr float TileCentre = LastPixel / 2.0f;
const std::string DefaultDirectory = "gfx";

// Floor: warm grey stone, faintly flecked, with a grout line along the right and bottom of
// every tile so that the grid reads where tiles meet.
const sf::Color FloorColor(172, 160, 142);
const sf::Color FloorHighlight(182, 171, 153);
const sf::Color FloorGrout(136, 125, 110);
constexpr int FloorFleckLight = 7;
constexpr int FloorFleckDark = -7;
constexpr int FloorFleckPercent = 9;
constexpr int ShadowDarken = -26;

// Wall: dark red bricks in grey mortar, four courses a tile, every other course shifted by
// about half a brick. An even number of courses keeps the pattern whole across tiles.
const sf::Color BrickColor(138, 66, 50);
const sf::Color MortarColor(84, 77, 72);
constexpr int BrickLength = 15;
constexpr int BrickShift = 8;
constexpr int BrickCourseHeights[] = {8, 7, 8, 7};
constexpr int BrickLight = 26;
constexpr int BrickDark = -28;
constexpr int BrickVariation = 14;
constexpr int BrickGrain = 5;
constexpr int BrickGrainPercent = 20;

// A carton seen from above: body, bevel, outline and the tape over the seam of its flaps.
struct CartonColors {
    sf::Color Body;
    sf::Color Light;
    sf::Color Dark;
    sf::Color Outline;
    sf::Color Tape;
    sf::Color TapeEdge;
};
const CartonColors PlainCarton{sf::Color(198, 144, 84), sf::Color(228, 184, 124),
                               sf::Color(152, 102, 54), sf::Color(70, 44, 22),
                               sf::Color(226, 206, 162), sf::Color(176, 146, 100)};
// Green for a carton already on its place, so that the finished ones stand out at a glance.
const CartonColors PlacedCarton{sf::Color(122, 170, 78), sf::Color(164, 206, 116),
                                sf::Color(84, 126, 50), sf::Color(34, 60, 24),
                                sf::Color(206, 230, 170), sf::Color(140, 176, 104)};
constexpr int CartonInset = 2;
constexpr int CartonSize = TileSize - 2 * CartonInset;
constexpr int TapeWidth = 6;
constexpr int TapeLeft = (TileSize - TapeWidth) / 2;
constexpr int SeamInset = 3;
constexpr int SeamDarken = -14;
constexpr int FoldInset = 4;
constexpr int FoldDarken = -16;

// The place a carton has to go: a ring and a dot in the accent colour with a dark rim.
const sf::Color AccentColor(232, 60, 52);
const sf::Color AccentRim(124, 28, 28);
const sf::Color AccentShine(255, 138, 118);
constexpr float RingOuter = 9.5f;
constexpr float RingInner = 5.5f;
constexpr float RimWidth = 1.0f;
constexpr float DotRadius = 2.0f;
constexpr float ShineOuter = RingOuter - 1.0f;
constexpr float ShineInner = RingOuter - 2.0f;
constexpr float ShineReach = -6.0f;

// The check mark on a placed carton: a short stroke down to the knee, a long one up from it.
const sf::Color CheckColor(250, 252, 236);
const sf::Color CheckShadow(34, 60, 24);
constexpr int CheckLeft = 7;
constexpr int CheckTop = 13;
constexpr int CheckShortLength = 5;
constexpr int CheckLongLength = 10;
constexpr int CheckStroke = 3;

// The hero, outlined in one dark colour so the figure reads against the floor.
const sf::Color HeroOutline(38, 28, 26);
const sf::Color HeroSkin(240, 198, 156);
const sf::Color HeroHair(96, 56, 30);
const sf::Color HeroShirt(44, 118, 150);
const sf::Color HeroShirtLight(84, 160, 186);
const sf::Color HeroTrousers(62, 58, 84);
const sf::Color HeroShoes(58, 38, 28);
const sf::Color HeroEyes(30, 24, 24);
const sf::Color HeroMouth(200, 158, 116);

struct HeroPart {
    int Left;
    int Top;
    int Width;
    int Height;
    sf::Color Color;
};
// Painted in order, so the body covers the tops of the legs and arms.
const HeroPart HeroBody[] = {
    {11, 21, 3, 5, HeroTrousers}, {16, 21, 3, 5, HeroTrousers}, {10, 26, 4, 2, HeroShoes},
    {16, 26, 4, 2, HeroShoes},    {7, 14, 3, 6, HeroShirt},     {20, 14, 3, 6, HeroShirt},
    {7, 20, 3, 2, HeroSkin},      {20, 20, 3, 2, HeroSkin},     {10, 13, 10, 9, HeroShirt},
};
const HeroPart HeroShirtLights[] = {
    {11, 14, 8, 1, HeroShirtLight}, {10, 14, 1, 7, HeroShirtLight}, {7, 14, 1, 6, HeroShirtLight},
};
const HeroPart HeroFace[] = {
    {12, 8, 1, 1, HeroEyes}, {17, 8, 1, 1, HeroEyes}, {14, 11, 2, 1, HeroMouth},
};
constexpr float HeadCentreY = 8.0f;
constexpr float HeadRadius = 5.0f;
constexpr int HairTop = 3;
constexpr int HairFringeBottom = 5;
constexpr int HairSideBottom = 6;
constexpr float HairSideFromCentre = 4.0f;
constexpr float HeroShadowCentreY = 27.0f;
constexpr float HeroShadowHalfWidth = 7.0f;
constexpr float HeroShadowHalfHeight = 1.6f;
constexpr int HeroOutlineWidth = 1;

sf::Color Shade(sf::Color Base, int Amount)
{
    auto Channel = [Amount](sf::Uint8 Value) {
        return static_cast<sf::Uint8>(std::clamp(Value + Amount, 0, 255));
    };
    return sf::Color(Channel(Base.r), Channel(Base.g), Channel(Base.b));
}

// A fixed pseudo-random number from 0 to 99, so that every run paints the same texture.
int Noise(int X, int Y, int Seed)
{
    uint32_t Hash = static_cast<uint32_t>(X) * 374761393u + static_cast<uint32_t>(Y) * 668265263u +
                    static_cast<uint32_t>(Seed) * 2246822519u;
    Hash = (Hash ^ (Hash >> 13)) * 1274126177u;
    Hash ^= Hash >> 16;
    return static_cast<int>(Hash % 100u);
}

bool IsInTile(int X, int Y)
{
    return X >= 0 && X < TileSize && Y >= 0 && Y < TileSize;
}

void PutPixel(sf::Image& Image, int X, int Y, sf::Color Color)
{
    if (IsInTile(X, Y))
        Image.setPixel(static_cast<unsigned>(X), static_cast<unsigned>(Y), Color);
}

void DarkenPixel(sf::Image& Image, int X, int Y, int Amount)
{
    if (IsInTile(X, Y))
        PutPixel(Image, X, Y,
                 Shade(Image.getPixel(static_cast<unsigned>(X), static_cast<unsigned>(Y)), Amount));
}

void FillRect(sf::Image& Image, int Left, int Top, int Width, int Height, sf::Color Color)
{
    for (int Y = Top; Y < Top + Height; ++Y)
        for (int X = Left; X < Left + Width; ++X)
            PutPixel(Image, X, Y, Color);
}

void FrameRect(sf::Image& Image, int Left, int Top, int Width, int Height, sf::Color Color)
{
    FillRect(Image, Left, Top, Width, 1, Color);
    FillRect(Image, Left, Top + Height - 1, Width, 1, Color);
    FillRect(Image, Left, Top, 1, Height, Color);
    FillRect(Image, Left + Width - 1, Top, 1, Height, Color);
}

// Light along the top and left inside edges, dark along the bottom and right, as if lit from
// the upper left.
void BevelRect(sf::Image& Image, int Left, int Top, int Width, int Height, sf::Color Light,
               sf::Color Dark)
{
    FillRect(Image, Left, Top, Width, 1, Light);
    FillRect(Image, Left, Top, 1, Height, Light);
    FillRect(Image, Left, Top + Height - 1, Width, 1, Dark);
    FillRect(Image, Left + Width - 1, Top, 1, Height, Dark);
}

float Offset(int Pixel, float Centre)
{
    return static_cast<float>(Pixel) - Centre;
}

// Pixels whose centres lie between the two radii; an inner radius of 0 gives a disc.
void FillRing(sf::Image& Image, float CentreX, float CentreY, float Outer, float Inner,
              sf::Color Color)
{
    for (int Y = 0; Y < TileSize; ++Y)
        for (int X = 0; X < TileSize; ++X) {
            const float Distance = std::hypot(Offset(X, CentreX), Offset(Y, CentreY));
            if (Distance <= Outer && Distance >= Inner)
                PutPixel(Image, X, Y, Color);
        }
}

void FillCircle(sf::Image& Image, float CentreX, float CentreY, float Radius, sf::Color Color)
{
    FillRing(Image, CentreX, CentreY, Radius, 0.0f, Color);
}

// A diagonal stroke of Size x Size squares, each one pixel right and StepY pixels down.
void DrawDiagonal(sf::Image& Image, int StartX, int StartY, int Length, int StepY, int Size,
                  sf::Color Color)
{
    for (int Step = 0; Step < Length; ++Step)
        FillRect(Image, StartX + Step, StartY + Step * StepY, Size, Size, Color);
}

void DrawFloor(sf::Image& Image)
{
    for (int Y = 0; Y < TileSize; ++Y)
        for (int X = 0; X < TileSize; ++X) {
            const int Roll = Noise(X, Y, 1);
            sf::Color Color = FloorColor;
            if (Roll < FloorFleckPercent)
                Color = Shade(FloorColor, FloorFleckLight);
            else if (Roll < 2 * FloorFleckPercent)
                Color = Shade(FloorColor, FloorFleckDark);
            PutPixel(Image, X, Y, Color);
        }
    FillRect(Image, 0, 0, LastPixel, 1, FloorHighlight);
    FillRect(Image, 0, 0, 1, LastPixel, FloorHighlight);
    FillRect(Image, 0, LastPixel, TileSize, 1, FloorGrout);
    FillRect(Image, LastPixel, 0, 1, TileSize, FloorGrout);
}

void DrawWall(sf::Image& Image)
{
    int CourseTop = 0;
    int Course = 0;
    for (int Height : BrickCourseHeights) {
        const int Shift = Course % 2 == 0 ? 0 : BrickShift;
        for (int Y = CourseTop; Y < CourseTop + Height; ++Y)
            for (int X = 0; X < TileSize; ++X) {
                const int Along = (X + Shift) % BrickLength;
                const int Down = Y - CourseTop;
                if (Along == BrickLength - 1 || Down == Height - 1) {
                    PutPixel(Image, X, Y, MortarColor);
                    continue;
                }
                // Counted round the tile, so a brick cut by the tile's edge keeps one tint.
                const int Brick = ((X + Shift) / BrickLength) % (TileSize / BrickLength);
                const int Tint =
                    Noise(Brick, Course, 2) * BrickVariation / 100 - BrickVariation / 2;
                sf::Color Color = Shade(BrickColor, Tint);
                if (Down == 0 || Along == 0)
                    Color = Shade(Color, BrickLight);
                else if (Down == Height - 2 || Along == BrickLength - 2)
                    Color = Shade(Color, BrickDark);
                else if (Noise(X, Y, 3) < BrickGrainPercent)
                    Color = Shade(Color, Noise(X, Y, 4) < 50 ? BrickGrain : -BrickGrain);
                PutPixel(Image, X, Y, Color);
            }
        CourseTop += Height;
        ++Course;
    }
}

// The carton stands inset in its cell so the floor's grid still shows, with a shadow on the
// floor to its lower right.
void DrawCarton(sf::Image& Image, const CartonColors& Colors)
{
    const int Far = CartonInset + CartonSize;
    for (int X = CartonInset + 1; X <= Far; ++X)
        DarkenPixel(Image, X, Far, ShadowDarken);
    for (int Y = CartonInset + 1; Y < Far; ++Y)
        DarkenPixel(Image, Far, Y, ShadowDarken);

    FillRect(Image, CartonInset, CartonInset, CartonSize, CartonSize, Colors.Body);
    BevelRect(Image, CartonInset + 1, CartonInset + 1, CartonSize - 2, CartonSize - 2,
              Colors.Light, Colors.Dark);
    FrameRect(Image, CartonInset, CartonInset, CartonSize, CartonSize, Colors.Outline);

    // The side flaps' fold lines, a little in from the top edge.
    const sf::Color Fold = Shade(Colors.Body, FoldDarken);
    FillRect(Image, CartonInset + FoldInset, CartonInset + FoldInset,
             TapeLeft - CartonInset - FoldInset, 1, Fold);
    FillRect(Image, TapeLeft + TapeWidth, CartonInset + FoldInset,
             Far - FoldInset - TapeLeft - TapeWidth, 1, Fold);

    FillRect(Image, TapeLeft, CartonInset + 1, TapeWidth, CartonSize - 2, Colors.Tape);
    FillRect(Image, TapeLeft, CartonInset + 1, 1, CartonSize - 2, Colors.TapeEdge);
    FillRect(Image, TapeLeft + TapeWidth - 1, CartonInset + 1, 1, CartonSize - 2,
             Colors.TapeEdge);
    // The seam where the flaps meet shows faintly through the tape.
    FillRect(Image, TileSize / 2 - 1, CartonInset + SeamInset, 1, CartonSize - 2 * SeamInset,
             Shade(Colors.Tape, SeamDarken));
}

void DrawTargetMark(sf::Image& Image)
{
    FillRing(Image, TileCentre, TileCentre, RingOuter + RimWidth, RingInner - RimWidth,
             AccentRim);
    FillRing(Image, TileCentre, TileCentre, RingOuter, RingInner, AccentColor);
    FillCircle(Image, TileCentre, TileCentre, DotRadius + RimWidth, AccentRim);
    FillCircle(Image, TileCentre, TileCentre, DotRadius, AccentColor);
    // A glint along the ring's upper left lifts it off the floor.
    for (int Y = 0; Y < TileSize; ++Y)
        for (int X = 0; X < TileSize; ++X) {
            const float Dx = Offset(X, TileCentre);
            const float Dy = Offset(Y, TileCentre);
            const float Distance = std::hypot(Dx, Dy);
            if (Distance <= ShineOuter && Distance >= ShineInner && Dx + Dy <= ShineReach)
                PutPixel(Image, X, Y, AccentShine);
        }
}

void DrawCheckMark(sf::Image& Image)
{
    const int KneeX = CheckLeft + CheckShortLength - 1;
    const int KneeY = CheckTop + CheckShortLength - 1;
    for (int Grow : {1, 0}) {
        const sf::Color Color = Grow > 0 ? CheckShadow : CheckColor;
        const int Size = CheckStroke + 2 * Grow;
        DrawDiagonal(Image, CheckLeft - Grow, CheckTop - Grow, CheckShortLength, 1, Size, Color);
        DrawDiagonal(Image, KneeX - Grow, KneeY - Grow, CheckLongLength, -1, Size, Color);
    }
}

// Paints the parts grown by Grow pixels on every side, all in Outline when one is given.
void DrawHeroSilhouette(sf::Image& Image, int Grow, const sf::Color* Outline)
{
    for (const HeroPart& Part : HeroBody)
        FillRect(Image, Part.Left - Grow, Part.Top - Grow, Part.Width + 2 * Grow,
                 Part.Height + 2 * Grow, Outline ? *Outline : Part.Color);
    FillCircle(Image, TileCentre, HeadCentreY, HeadRadius + static_cast<float>(Grow),
               Outline ? *Outline : HeroSkin);
}

void DrawHeroParts(sf::Image& Image, const HeroPart* Parts, int Count)
{
    for (int Index = 0; Index < Count; ++Index)
        FillRect(Image, Parts[Index].Left, Parts[Index].Top, Parts[Index].Width,
                 Parts[Index].Height, Parts[Index].Color);
}

// Hair covers the head down to the fringe and hangs a little lower at the sides.
void DrawHeroHair(sf::Image& Image)
{
    for (int Y = HairTop; Y <= HairSideBottom; ++Y)
        for (int X = 0; X < TileSize; ++X) {
            const float Dx = Offset(X, TileCentre);
            const bool OnHead = std::hypot(Dx, Offset(Y, HeadCentreY)) <= HeadRadius;
            if (OnHead && (Y <= HairFringeBottom || std::fabs(Dx) >= HairSideFromCentre))
                PutPixel(Image, X, Y, HeroHair);
        }
}

void DrawHero(sf::Image& Image)
{
    for (int Y = 0; Y < TileSize; ++Y)
        for (int X = 0; X < TileSize; ++X) {
            const float Dx = Offset(X, TileCentre) / HeroShadowHalfWidth;
            const float Dy = Offset(Y, HeroShadowCentreY) / HeroShadowHalfHeight;
            if (Dx * Dx + Dy * Dy <= 1.0f)
                DarkenPixel(Image, X, Y, ShadowDarken);
        }
    DrawHeroSilhouette(Image, HeroOutlineWidth, &HeroOutline);
    DrawHeroSilhouette(Image, 0, nullptr);
    DrawHeroParts(Image, HeroShirtLights, static_cast<int>(std::size(HeroShirtLights)));
    DrawHeroHair(Image);
    DrawHeroParts(Image, HeroFace, static_cast<int>(std::size(HeroFace)));
}

void DrawBox(sf::Image& Image)
{
    DrawCarton(Image, PlainCarton);
}

void DrawGoal(sf::Image& Image)
{
    DrawCarton(Image, PlacedCarton);
    DrawCheckMark(Image);
}

void DrawBareFloor(sf::Image&) {}

// Every tile but the wall starts from the floor, since each one is drawn opaque over its cell.
bool SaveTile(const std::string& Directory, const std::string& Name, void (*Paint)(sf::Image&),
              bool OnFloor)
{
    sf::Image Image;
    Image.create(TileSize, TileSize, FloorColor);
    if (OnFloor)
        DrawFloor(Image);
    Paint(Image);
    const std::string Path = Directory + "/" + Name;
    if (!Image.saveToFile(Path)) {
        std::cerr << "Cannot write " << Path << "\n";
        return false;
    }
    return true;
}

int main(int ArgumentCount, char** Arguments)
{
    const std::string Directory = ArgumentCount > 1 ? Arguments[1] : DefaultDirectory;
    std::error_code Failure;
    std::filesystem::create_directories(Directory, Failure);
    bool Saved = true;
    Saved = SaveTile(Directory, "hero.bmp", DrawHero, true) && Saved;
    Saved = SaveTile(Directory, "wall.bmp", DrawWall, false) && Saved;
    Saved = SaveTile(Directory, "box.bmp", DrawBox, true) && Saved;
    Saved = SaveTile(Directory, "target.bmp", DrawTargetMark, true) && Saved;
    Saved = SaveTile(Directory, "goal.bmp", DrawGoal, true) && Saved;
    Saved = SaveTile(Directory, "back.bmp", DrawBareFloor, true) && Saved;
    return Saved ? 0 : 1;
}
