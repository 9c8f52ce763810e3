// The arithmetic of choosing an area: the aspect ratio, the quarter and sixteenth cells, the
// arrow keys, the three ways of following the pointer, and keeping an area on the screen.
// Pure functions of rectangles and points, in overlay coordinates (which are the screen's).
#pragma once

#include "../platform/win32.h"

#include <optional>
#include <string>

// num : den of the stored aspect-ratio setting: 0 is 4:3, 2 is free (Custom), any other
// value 16:9.
struct AspectRatio {
    int num;
    int den;
};
std::optional<AspectRatio> AspectRatioFor(int nAspectRatio);

// The moving corner of a rectangle, adjusted to the aspect ratio: the longer side leads, and
// when the shape would leave the client area the other side follows the shorter one instead.
POINT ConstrainAspect(POINT fixed, POINT moving, int nAspectRatio, const RECT& client);

// Left above right and top above bottom, swapping where they are reversed.
RECT Normalized(const RECT& rect);

// "(left, top) - (right, bottom) width x height", as the indicator shows a selection.
std::string SelectionText(const RECT& rect);

// The top-left cell when the screen is cut into divisor x divisor cells.
RECT FirstCell(int width, int height, int divisor);
// The cell one step over in an arrow key's direction, or nothing when it would leave the
// screen (or the key is no arrow).
std::optional<RECT> NextCell(const RECT& cell, UINT vk, int width, int height, int divisor);

// An arrow key's one-pixel change to a selection: Shift moves it, otherwise the right or
// bottom edge moves. Nothing when the change would cross the client area's edge.
std::optional<RECT> AdjustByKey(const RECT& selection, UINT vk, bool shift, const RECT& client);

// The middle of a rectangle, halves truncating toward zero.
POINT CentreOf(const RECT& rect);
// A rectangle of the area's size centred on the pointer (trace modes 1 and 2); an odd size
// loses a pixel.
RECT CentredOn(POINT pointer, const RECT& area);
// Trace mode 3: the area pushed by how far the pointer has passed its inner zone (10.5 %
// in from each edge), or nothing while the pointer is inside that zone.
std::optional<RECT> PushedBy(POINT pointer, const RECT& area);
// Follow Focus: the area pushed as Trace mode 3 pushes it, so that the whole of what is
// followed (a caret, a focused control) lies in its inner zone, its top-left corner first
// when it is larger than the zone; nothing while it already does.
std::optional<RECT> KeptInView(const RECT& followed, const RECT& area);
// The rectangle moved back inside the client area, its size kept; one that sticks out on the
// left or top lines up with that edge.
RECT KeepInsideClient(const RECT& rect, const RECT& client);
