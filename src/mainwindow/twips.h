// Window geometry is designed in twips (1440 to the inch, 15 to a pixel at
// 96 dpi). Qt lays out in logical pixels and scales those for HiDPI
// screens itself, so dividing by 15 keeps the designed proportions on every
// screen.
#pragma once

#include <QPoint>
#include <QRect>

namespace pelimor {

constexpr int twipsPerPixel = 15;

constexpr int px(int twips)
{
    return (twips * 2 + twipsPerPixel) / (2 * twipsPerPixel);
}

constexpr QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

constexpr QPoint twipPoint(int x, int y)
{
    return QPoint(px(x), px(y));
}

} // namespace pelimor
