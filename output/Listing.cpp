#include "output/Listing.h"

#include "output/TextPages.h"
#include "sky/Errors.h"
#include "sky/RadiantReader.h"

void PrintListing(Printer& printer, SheetUnits units, const std::string& dataDir,
                  ListingKind kind) {
    RadiantReader reader(dataDir, ListingFile(kind));
    TextPages pages(printer, units, "Radiantes",
                    {ListingTitle(kind), ListingColumns(kind), ListingUnderline(kind)});
    Radiant r;
    int printed = 0;
    while (reader.next(r)) {
        pages.PrintLine(ListingLine(kind, r), false);
        ++printed;
    }
    pages.finish();
    if (reader.torn())
        throw VelumbraError("El archivo " + reader.name() +
                                " termina en un registro incompleto: se han impreso sus " +
                                std::to_string(printed) +
                                " registros completos; el resto está dañado. Sustitúyalo por "
                                "una copia en buen estado.",
                            reader.name());
}
