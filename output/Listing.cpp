#include "output/Listing.h"

#include "output/TextPages.h"
#include "sky/Errors.h"
#include "sky/Radiant.h"

namespace {

// The copy count for the jobs begun while it lives; later printouts repeat jobs themselves.
class JobCopies {
  public:
    JobCopies(Printer& printer, int copies) : printer_(printer) { printer_.setCopies(copies); }
    ~JobCopies() { printer_.setCopies(1); }
    JobCopies(const JobCopies&) = delete;
    JobCopies& operator=(const JobCopies&) = delete;

  private:
    Printer& printer_;
};

} // namespace

void PrintListing(ListingKind kind, OutputDialogs& dialogs, Printer& printer, PrintSources& sources,
                  const std::string& dataDir) {
    const int copies = dialogs.printDialog(printer);
    if (copies == 0)
        return;
    JobCopies job(printer, copies);
    PrintListingPages(kind, printer, sources, dataDir);
}

void PrintListingPages(ListingKind kind, Printer& printer, PrintSources& sources,
                       const std::string& dataDir) {
    RadiantReader reader(dataDir, ListingFile(kind));
    TextPages pages(printer, sources, "Radiantes", ListingHeading(kind));
    try {
        for (Radiant r; reader.next(r);)
            pages.PrintLine(ListingLine(kind, r), false);
    } catch (const InOutError& e) {
        if (e.code() != InOutError::ReadBeyondEnd)
            throw;
        // The user gets the pages of the whole records, then hears about the rest.
        pages.finish();
        throw VelumbraError("El archivo termina en un registro incompleto. Se han impreso los "
                            "registros completos que lo preceden (" +
                                std::to_string(reader.record()) + ").",
                            reader.path(), "Sustitúyalo por una copia en buen estado.");
    }
    pages.finish();
}
