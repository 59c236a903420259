#include "EditorFrame.h"
#include "EditorState.h"
#include "Painting.h"
#include "WindowShell.h"

// The window lives in the shell alone: an SFML window object needs a display even before it
// is opened, and the rules must run in tests without one.
static sf::RenderWindow EditorWindow;

int main()
{
    OpenProgramWindow(EditorWindow, EditorWidth, EditorHeight, "Edytor Kartonik");
    InitEditorGrid();
    EditorWindow.setFramerateLimit(EditorFrameRateLimit);
    TileImages Images;
    LoadTileImages(Images);
    while (EditorWindow.isOpen()) {
        PollWindowEvents(EditorWindow, EditorInput);
        RunEditorFrame(&EditorWindow, &Images);
        EditorWindow.display();
    }
    return 0;
}
