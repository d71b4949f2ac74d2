#include "output/PrintCommand.h"

#include "output/ActiveSheet.h"
#include "output/ChartPage.h"
#include "output/Listing.h"

namespace {

ListingKind listingOf(PrintChoice choice) {
    return choice == PrintChoice::ImoListing ? ListingKind::Imo : ListingKind::Terentjeva;
}

} // namespace

void PrintCopies(OutputDialogs& dialogs, Printer& printer, const std::function<void()>& printOne) {
    const int copies = dialogs.printDialog(printer);
    for (int i = 0; i < copies; ++i)
        printOne();
}

void PrintCommand(PrintChoice choice, OutputDialogs& dialogs, Printer& printer,
                  PrintSources& sources, const std::string& dataDir) {
    if (choice == PrintChoice::ImoListing || choice == PrintChoice::TerentjevaListing)
        PrintListing(listingOf(choice), dialogs, printer, sources, dataDir);
    else
        PrintCopies(dialogs, printer, [&] { PrintChoicePages(choice, printer, sources, dataDir); });
}

void PreviewCommand(PrintChoice choice, OutputDialogs& dialogs, Printer& printer,
                    PrintSources& sources, const std::string& dataDir) {
    const auto pages = [&](Printer& shown) { PrintChoicePages(choice, shown, sources, dataDir); };
    if (dialogs.printPreview(printer, pages))
        PrintCommand(choice, dialogs, printer, sources, dataDir);
}

void PrintChoicePages(PrintChoice choice, Printer& printer, PrintSources& sources,
                      const std::string& dataDir) {
    switch (choice) {
    case PrintChoice::Chart:
        PrintChartPage(printer, sources);
        break;
    case PrintChoice::ActiveRadiants:
        PrintActiveSheet(printer, sources);
        break;
    case PrintChoice::ImoListing:
    case PrintChoice::TerentjevaListing:
        PrintListingPages(listingOf(choice), printer, sources, dataDir);
        break;
    }
}
