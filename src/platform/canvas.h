// The window's own 2D canvas: text, filled rectangles and bitmaps at pixel positions in
// the client area, for the start-up screens, the loading captions and the error screen.
// Drawing is kept as a list, as the window keeps its pixels: windowRefresh() shows it
// over the window colour, windowPresent() lays it over the GL frame. Once the game's GL
// context draws the window, each swap covers the canvas and the list is emptied. Drawing
// the same thing at the same place again changes nothing.
#pragma once

#include <cstdint>
#include <string_view>

struct CanvasColor {
    std::uint8_t r = 0, g = 0, b = 0;
};

// Headless runs keep no canvas.
void canvasSetEnabled(bool on);
// While held, drawing and the window colour are ignored and what the canvas holds stays:
// a tick that is not shown draws nothing. The brush is still set.
void canvasHold(bool on);
void canvasClear();
// The window colour: what the client area shows where nothing is drawn. Setting it
// repaints the window, so earlier canvas drawing is gone.
void canvasSetWindowColor(CanvasColor c);
CanvasColor canvasWindowColor();
void canvasFillRect(int left, int top, int right, int bottom, CanvasColor c);
// Text is drawn with the 11-pixel sans font, its cell's top-left corner at (x, y); with a
// solid brush the cell is filled with the brush colour first.
void canvasSetBrush(CanvasColor c);
void canvasSetBrushHollow();
void canvasText(int x, int y, std::string_view utf8, CanvasColor fontColor);
int canvasTextWidth(std::string_view utf8);
// RGB pixels, top row first.
void canvasBitmap(int x, int y, int width, int height, const std::uint8_t* rgb);

// For the window: draws the list with GL in pixel space over what is in the back buffer.
void canvasCompose(int width, int height, bool clearToWindowColor);
