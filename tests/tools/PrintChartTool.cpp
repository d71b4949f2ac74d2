// Prints chart 1 of the bundled data once on the default printer, as the print command does
// after its dialogs: the page of the CUPS test. Usage: print_chart_tool <data dir>
#include "output/ChartPage.h"
#include "output/PrintUnits.h"
#include "platform/Logo.h"
#include "platform/QtCanvas.h"
#include "platform/QtPrinter.h"
#include "sky/Errors.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s <carpeta de datos>\n", argv[0]);
        return 2;
    }
    const std::string dataDir = argv[1];
    try {
        auto sky = std::make_unique<SkyData>();
        LoadSky(*sky, dataDir);
        ViewState view;
        view.CentreRA = 30;
        view.CentreDec = 56;
        view.deriveForRedraw();
        QtPrinter printer;
        ChartOptions options;
        options.imoRadiants = true;
        options.radiantDate = 224;
        PrintSources sources{*sky, view, options, 12, 8, [&] { return LoadLogo(dataDir); }};
        PrintChartPage(printer, sources);
    } catch (const VelumbraError& e) {
        std::fprintf(stderr, "%s %s\n", e.what(), e.file().c_str());
        return 1;
    }
    return 0;
}
