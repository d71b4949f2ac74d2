#pragma once
// The listing of a whole radiant file as stored on disk, read record by record.
#include "output/ListingLines.h"
#include "output/SheetHeader.h"

#include <string>

class Printer;

// Prints every record of the kind's file as one job titled "Radiantes"; an empty file begins
// no job. A missing file raises the input/output error before any job. A file ending in a
// partial record prints the whole records before it, ends the job and then raises an error
// that says so.
void PrintListing(Printer& printer, SheetUnits units, const std::string& dataDir, ListingKind kind);
