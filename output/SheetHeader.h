#pragma once
// The header of the portrait sheets: the society's logo, its acronym beside it and the society
// line level with the logo's top.
class Canvas;

// Layout of a printed sheet: rows and columns are PrintUnit steps from the PrintMargin corner.
struct SheetUnits {
    float printUnit = 0;
    int printMargin = 0;
};

void PrintSheetHeader(Canvas& canvas, SheetUnits units);
