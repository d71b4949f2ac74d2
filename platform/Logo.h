#pragma once
// The society logo of every printed header: escudo.bmp in the data folder in use.
#include "render/Bitmap.h"

#include <string>

// The picture of dataDir/escudo.bmp; an empty one when the file is missing or unreadable, so a
// page prints without its logo rather than not at all.
Bitmap LoadLogo(const std::string& dataDir);

// Any picture file Qt reads; an empty picture when it cannot.
Bitmap LoadBitmap(const std::string& path);
