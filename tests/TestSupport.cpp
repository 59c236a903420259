#include "TestSupport.h"
#include "Level.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>
#include <unistd.h>

ScopedWorkFolder::ScopedWorkFolder()
{
    PreviousPath = std::filesystem::current_path().string();
    std::string Template = (std::filesystem::temp_directory_path() / "kartonik-test-XXXXXX").string();
    char* Made = mkdtemp(Template.data());
    if (!Made)
        ADD_FAILURE() << "cannot make a temporary folder";
    Path = Template;
    std::filesystem::current_path(Path);
}

ScopedWorkFolder::~ScopedWorkFolder()
{
    std::filesystem::current_path(PreviousPath);
    std::error_code Ignored;
    std::filesystem::permissions(Path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, Ignored);
    std::filesystem::remove_all(Path, Ignored);
}

void WriteFile(const std::string& Path, const std::string& Content)
{
    std::filesystem::path Parent = std::filesystem::path(Path).parent_path();
    if (!Parent.empty())
        std::filesystem::create_directories(Parent);
    std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
    Out << Content;
}

std::string ReadFile(const std::string& Path)
{
    std::ifstream In(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& Path)
{
    return std::filesystem::exists(std::filesystem::symlink_status(Path));
}

std::string LevelText(const char* const Rows[13], const std::string& LineEnd)
{
    std::string Text;
    for (int Row = 0; Row < 13; ++Row)
        Text += std::string(Rows[Row]) + LineEnd;
    return Text;
}

static void MakeSolid(sf::Texture& Texture, sf::Color Colour)
{
    sf::Image Image;
    Image.create(TileSize, TileSize, Colour);
    EXPECT_TRUE(Texture.loadFromImage(Image));
}

void MakeSolidImages(TileImages& Images)
{
    MakeSolid(Images.Wall, WallColour);
    MakeSolid(Images.Box, BoxColour);
    MakeSolid(Images.Target, TargetColour);
    MakeSolid(Images.Goal, GoalColour);
    MakeSolid(Images.Back, BackColour);
    MakeSolid(Images.Hero, HeroColour);
}

sf::Color SquareColour(const sf::Image& Shot, int X, int Y)
{
    sf::Color Middle = Shot.getPixel(X + TileSize / 2, Y + TileSize / 2);
    EXPECT_EQ(Shot.getPixel(X, Y), Middle) << X << "," << Y;
    EXPECT_EQ(Shot.getPixel(X + TileSize - 1, Y + TileSize - 1), Middle) << X << "," << Y;
    return Middle;
}
