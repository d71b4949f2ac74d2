#pragma once
// A picture held as plain pixels, top row first, so that the layers and the printed pages can
// draw one (the society logo) without knowing how it was read.
#include "render/Canvas.h"

#include <vector>

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels; // width * height, row by row

    bool empty() const { return width <= 0 || height <= 0; }
};
