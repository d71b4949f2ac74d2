#include "output/PrintCommand.h"

#include "output/ActiveSheet.h"
#include "output/ChartPage.h"

void PrintCopies(OutputDialogs& dialogs, Printer& printer, const std::function<void()>& printOne) {
    const int copies = dialogs.printDialog(printer);
    for (int i = 0; i < copies; ++i)
        printOne();
}

void PrintCommand(PrintChoice choice, OutputDialogs& dialogs, Printer& printer,
                  PrintSources& sources) {
    switch (choice) {
    case PrintChoice::Chart:
        PrintCopies(dialogs, printer, [&] { PrintChartPage(printer, sources); });
        break;
    case PrintChoice::ActiveRadiants:
        PrintCopies(dialogs, printer, [&] { PrintActiveSheet(printer, sources); });
        break;
    }
}
