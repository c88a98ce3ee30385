// Window layouts are given in twips: 15 twips make one pixel at 96 dpi.
// Every position and size goes through twipRect, so the edges of adjacent
// controls round the same way.
#pragma once

#include <QRect>
#include <cmath>

namespace mud::ui {

constexpr int kTwipsPerPixel = 15;

inline int px(int twips) { return int(std::lround(twips / double(kTwipsPerPixel))); }

inline QRect twipRect(int left, int top, int width, int height) {
    const int x = px(left), y = px(top);
    return QRect(x, y, px(left + width) - x, px(top + height) - y);
}

}  // namespace mud::ui
