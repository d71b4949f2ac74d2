#pragma once
// The lines of the radiant listings: every field of a stored record in fixed columns, the IMO
// layout with the maximum, R and THZ, the Terentjeva layout without them; "S" in the last
// column marks a record flagged for drawing.
#include "output/PageHeading.h"
#include "sky/Radiant.h"

#include <string>

enum class ListingKind { Imo, Terentjeva };

// The radiant file the listing prints.
const char* ListingFile(ListingKind kind);
// The title, column header and underline of its pages.
PageHeading ListingHeading(ListingKind kind);

std::string ListingLine(ListingKind kind, const Radiant& r);
