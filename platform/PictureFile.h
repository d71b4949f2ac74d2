#pragma once
// Writing the chart picture to the file the user chose.
#include <QImage>

#include <string>

// The name to write: a name without extension gets ".bmp".
std::string PictureFileName(const std::string& chosen);

// Writes the picture as PNG when the name ends in ".png", otherwise as a Windows bitmap. The
// data go to a temporary file in the same folder, renamed over the name only when complete, so a
// failed write (no permission, disk full) leaves no half-written file and an older file intact.
// Raises a VelumbraError naming the file when the write fails.
void SavePicture(const QImage& picture, const std::string& chosen);
