#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

// Window layouts are given in twips; 15 twips make one pixel.
constexpr int twipsPerPixel = 15;

constexpr int px(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

inline QRect twipRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

inline QPoint twipOffset(int dx, int dy)
{
    return {px(dx), px(dy)};
}
