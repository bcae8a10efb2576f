// The numbered pictures inside the program: bitmaps, icon groups and pointers, loaded when first asked for.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <vector>

namespace ResourceCatalogue {

// The picture with this number at its catalogue size (sharper on a HiDPI screen); a number the
// catalogue lacks gives a visibly wrong magenta picture instead of a crash.
QPixmap bitmap(int number);
// The picture made for `size` device-independent pixels on a screen of `devicePixelRatio`: drawn
// from the smallest of its renderings (1x, 2x, 4x) that is at least that large, so it is never a
// blurred enlargement; kept per size.
QPixmap bitmap(int number, QSize size, qreal devicePixelRatio);
// The same picture when it has been made for that size already; otherwise, at once, the rendering it
// would be made from (at least as large), for a painter to shrink while a window is being resized.
QPixmap bitmapOrRendering(int number, QSize size, qreal devicePixelRatio);
bool hasBitmap(int number);
// Every bitmap number the program carries, in order.
std::vector<int> bitmapNumbers();

QIcon icon(int group);
bool hasIcon(int group);
std::vector<int> iconNumbers();

// Pointer 101 (the pointing hand) or 102 (no entry) with its hot spot, drawn for the program's
// screens: a device pixel ratio of 2 or more takes the drawing made twice the size.
QCursor cursor(int group);
QCursor cursor(int group, qreal devicePixelRatio);
// The pointer shown `zoom` times its size, with the table it lies on.
QCursor cursor(int group, qreal devicePixelRatio, double zoom);
// The picture 32 x 32 device-independent pixels, at 1x or (scale 2 and up) 2x.
QPixmap cursorPicture(int group, qreal devicePixelRatio = 1.0);
// In device-independent pixels, whichever drawing is used.
QPoint cursorHotSpot(int group);

// How many decoded bitmaps are cached; start-up should leave it at what the menu shows.
int cachedBitmapCount();

} // namespace ResourceCatalogue
