// Where the game's picture lands in a window of another size: scaled to fit with its
// aspect kept and centred, the rest left as black bars.
#pragma once

struct ViewRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const ViewRect&) const = default;
};

// The picture's rectangle in the window, in pixels from the bottom-left corner as
// glViewport takes it. The odd pixel of a bar goes to the right and the top. A window
// or picture with no area gives an empty rectangle.
ViewRect letterbox(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);
