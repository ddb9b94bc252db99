#pragma once

#include <QRect>

// Window layouts are designed in twips: 15 twips to a pixel at 96 dots per inch.
constexpr int twipsPerPixel = 15;

constexpr int twips(int value)
{
    return (value + (value >= 0 ? 7 : -7)) / twipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
