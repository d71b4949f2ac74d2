#pragma once
// The header of the portrait sheets: the society's logo, its acronym beside it and the society
// line level with the logo's top, measured in PrintUnit from the PrintMargin corner.
#include "geometry/ViewState.h"
#include "render/Bitmap.h"

#include <string>
#include <vector>

class Canvas;
class Printer;

// An empty logo leaves its square blank.
void PrintSheetHeader(Canvas& canvas, const ViewState& v, const Bitmap& logo);

// Starts a page of a titled sheet (the night plan, the observation report): the job on its
// first page, a new page after that; then the header and the title lines, in bold Arial 10
// from row 25 five rows apart, and the fixed-width font of the body.
void StartTitledSheetPage(Printer& printer, const ViewState& v, const Bitmap& logo,
                          const std::vector<std::string>& titles, bool& begun);
