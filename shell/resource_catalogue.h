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
// The picture 32 x 32 device-independent pixels, at 1x or (scale 2 and up) 2x.
QPixmap cursorPicture(int group, qreal devicePixelRatio = 1.0);
// In device-independent pixels, whichever drawing is used.
QPoint cursorHotSpot(int group);

// How many decoded bitmaps are cached; start-up should leave it at what the menu shows.
int cachedBitmapCount();

} // namespace ResourceCatalogue
