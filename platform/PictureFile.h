#pragma once
// Writing the chart picture to the file the user chose.
#include <QImage>

#include <string>

// The name to write: a name without extension gets ".bmp".
std::string PictureFileName(const std::string& chosen);

// Writes the picture as PNG when the name ends in ".png", otherwise as a Windows bitmap, whole
// or not at all. Raises a VelumbraError naming the file when the write fails.
void SavePicture(const QImage& picture, const std::string& chosen);
