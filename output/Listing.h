#pragma once
// The listing of a whole radiant file as stored on disk, read record by record.
#include "output/ListingLines.h"
#include "output/PrintCommand.h"

#include <string>

// Shows the print dialog; when it is confirmed, prints the listing once, the printer making
// as many copies as the dialog asked for.
void PrintListing(ListingKind kind, OutputDialogs& dialogs, Printer& printer, PrintSources& sources,
                  const std::string& dataDir);

// Prints every record of the kind's file as one job titled "Radiantes"; an empty file begins
// no job. A missing file raises the input/output error before any job. A file ending in a
// partial record prints the whole records before it, ends the job and then raises an error
// that says so.
void PrintListingPages(ListingKind kind, Printer& printer, PrintSources& sources,
                       const std::string& dataDir);
