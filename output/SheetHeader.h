#pragma once
// The header of the portrait sheets: the society's logo, its acronym beside it and the society
// line level with the logo's top, measured in PrintUnit from the PrintMargin corner.
#include "geometry/ViewState.h"
#include "render/Bitmap.h"

class Canvas;

// An empty logo leaves its square blank.
void PrintSheetHeader(Canvas& canvas, const ViewState& v, const Bitmap& logo);
