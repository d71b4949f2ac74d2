#pragma once
// The chart saved as an SVG file: vector graphics drawn by the printed page's layers, 450
// units wide, that a browser or Inkscape shows at any size without loss.
#include "output/PrintCommand.h"

#include <string>

// Whether the name the picture dialog returned asks for the vector picture.
bool IsVectorPictureName(const std::string& name);

// The SVG's bytes: the chart square with its caption.
std::string VectorChart(const PrintSources& sources);

// Writes the SVG whole or not at all; a failure raises a VelumbraError naming the file.
void SaveVectorChart(const PrintSources& sources, const std::string& path);
