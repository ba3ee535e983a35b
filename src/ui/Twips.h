#pragma once
// Window sizes and positions are given in twips. One pixel is always 15 twips here, whatever
// the screen, so that layouts and tests come out the same on every machine.

namespace ui {

constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips >= 0 ? twips + twipsPerPixel / 2 : twips - twipsPerPixel / 2) / twipsPerPixel;
}

constexpr int pixelsToTwips(int pixels) { return pixels * twipsPerPixel; }

}  // namespace ui
