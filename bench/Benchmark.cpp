// Measures the program's hot paths on the bundled data, offscreen: start-up loading, the full
// chart redraw, the marking hit test, the data sheet and the radiant listing, with the bare
// projection as the floor a redraw cannot beat. Run by hand: build/bench/velumbra_bench [data dir]
// [repetitions].
#include "Unit1.h"
#include "geometry/Calendar.h"
#include "geometry/HitTest.h"
#include "geometry/Projection.h"
#include "output/ActiveSheet.h"
#include "output/Listing.h"
#include "platform/Dialogs.h"
#include "platform/Logo.h"
#include "platform/QtCanvas.h"
#include "platform/QtPrinter.h"
#include "tests/windows/EverythingShown.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Timing {
    std::string name;
    double minMs;
    double medianMs;
};

Timing measure(const std::string& name, int reps, const std::function<void()>& work) {
    work(); // warm caches, fonts and glyphs
    std::vector<double> ms;
    ms.reserve(static_cast<std::size_t>(reps));
    for (int i = 0; i < reps; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        work();
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return {name, ms.front(), ms[ms.size() / 2]};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    const QString dataDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data");
    const int reps = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
    if (!QDir::setCurrent(dataDir)) {
        std::fprintf(stderr, "no data directory %s\n", qPrintable(dataDir));
        return 1;
    }

    std::vector<Timing> rows;
    const std::string dir = QDir::currentPath().toStdString();
    rows.push_back(measure("start-up loading (7 files + sort)", reps, [&] {
        SkyData sky;
        LoadSky(sky, dir);
    }));

    QtDialogs dialogs;
    QtPrinter printer;
    TForm1 form(dialogs, printer);
    form.FormActivate();
    ShowEverything(form);
    for (int chart = 0; chart < 12; ++chart) {
        ChooseChart(form, chart, 1);
        rows.push_back(measure("redraw chart " + std::to_string(chart + 1) + " zoom 1", reps,
                               [&] { form.RedrawChart(); }));
    }
    for (int zoom = 2; zoom <= 5; ++zoom) {
        ChooseChart(form, 0, zoom);
        rows.push_back(measure("redraw chart 1 zoom " + std::to_string(zoom), reps,
                               [&] { form.RedrawChart(); }));
    }

    // The sheet for the busiest date and the longer listing, into a PDF at the printer's 1200 dpi.
    const QTemporaryDir pdfDir;
    printer.device().setOutputFormat(QPrinter::PdfFormat);
    printer.device().setOutputFileName(pdfDir.filePath(QStringLiteral("sheet.pdf")));
    ChartOptions both;
    both.imoRadiants = both.terRadiants = true;
    both.radiantDate = DayOfYear(12, 8);
    PrintSources sheet{form.sky(), form.view(), both, 12, 8, [&] { return LoadLogo(dir); }};
    rows.push_back(measure("active-radiant sheet 12/08, PDF", reps,
                           [&] { PrintActiveSheet(printer, sheet); }));
    rows.push_back(measure("IMO listing, PDF", reps,
                           [&] { PrintListingPages(ListingKind::Imo, printer, sheet, dir); }));

    ChooseChart(form, 0, 1);
    form.RedrawChart();
    int sink = 0;
    rows.push_back(measure("hit test (nearest star)", reps,
                           [&] { sink += NearestStar(form.view(), form.sky().stars, 225, 225); }));
    rows.push_back(measure("Project over the star table", reps, [&] {
        for (int s = 1; s <= kStarSlots; ++s) {
            const Star& star = form.sky().stars.at(s);
            int x = 0, y = 0;
            if (Project(form.view(), star.RA * kHundredthArcsecToDeg,
                        star.Dec * kHundredthArcsecToDeg, x, y))
                sink += x;
        }
    }));

    std::printf("%-36s %10s %10s\n", "measure", "min ms", "median ms");
    for (const Timing& t : rows)
        std::printf("%-36s %10.3f %10.3f\n", t.name.c_str(), t.minMs, t.medianMs);
    std::printf("(%d repetitions each; checksum %d)\n", reps, sink);

    const auto isRedraw = [](const Timing& t) { return t.name.rfind("redraw", 0) == 0; };
    const Timing& slowest =
        *std::max_element(rows.begin(), rows.end(), [&](const Timing& a, const Timing& b) {
            return isRedraw(b) && (!isRedraw(a) || a.medianMs < b.medianMs);
        });
    const double floorMs = rows.back().medianMs;
    std::printf("slowest: %s, %.3f ms = %.2f x the projection floor\n", slowest.name.c_str(),
                slowest.medianMs, slowest.medianMs / floorMs);
    std::printf("budgets (medians): loading <= 10 ms, redraw <= 3 ms and <= 4 x floor, "
                "hit test <= 1 ms, sheet and listing <= 100 ms\n");
    return 0;
}
