// Measures the program's hot paths on the bundled data, offscreen: start-up loading, the full
// chart redraw (also with the radiant table full), the marking hit test and the printouts, with
// the bare projection as the floor a redraw cannot beat. Run by hand:
// build/bench/velumbra_bench [data dir] [repetitions].
#include "Unit1.h"
#include "geometry/HitTest.h"
#include "geometry/Projection.h"
#include "output/ActiveSheet.h"
#include "output/Atlas.h"
#include "output/ChartPage.h"
#include "output/Listing.h"
#include "platform/Dialogs.h"
#include "platform/Logo.h"
#include "platform/QtCanvas.h"
#include "platform/QtPrinter.h"
#include "tests/support/PlanFixtures.h"
#include "tests/support/SkyFixtures.h"
#include "tests/windows/EverythingShown.h"
#include "tests/windows/Fakes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
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

// A data folder with the shipped files but a fradiante of as many flagged radiants as the table
// holds, all active on 12 August, spread evenly over the sky along a golden-angle spiral, in the
// few sizes the real lists use.
void writeFullTable(const QString& from, const QString& to) {
    for (const char* name : {"festrella", "ffigura", "fnombre", "ftriangulo", "fnumero", "fmaglim",
                             "fradter", "escudo.bmp"})
        QFile::copy(from + "/" + name, to + "/" + name);
    const int sizes[][2] = {{5, 5}, {8, 8}, {10, 10}, {20, 15}};
    std::vector<Radiant> records;
    for (int k = 0; k < kRadiantSlots; ++k) {
        Radiant r = Perseids(std::string{'A', static_cast<char>('A' + k / 26 % 26),
                                         static_cast<char>('A' + k % 26)});
        r.RA = static_cast<float>(std::fmod(k * 137.50776, 360.0));
        r.Dec = static_cast<float>(std::asin(1 - 2 * (k + 0.5) / kRadiantSlots) * 57.2958);
        r.DiamRA = static_cast<std::int16_t>(sizes[k % 4][0]);
        r.DiamDec = static_cast<std::int16_t>(sizes[k % 4][1]);
        records.push_back(r);
    }
    const std::vector<unsigned char> bytes = RadiantFileBytes(records);
    std::ofstream((to + "/fradiante").toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Every chart redrawn with the table full and everything shown, the drift tracks of all 301
// radiants included.
void measureFullTable(std::vector<Timing>& rows, int reps, const QString& dataDir,
                      QtPrinter& printer) {
    QTemporaryDir full;
    writeFullTable(dataDir, full.path());
    QDir::setCurrent(full.path());
    FakeDialogs dialogs;
    TForm1 form(dialogs, printer);
    form.FormActivate();
    ShowEverything(form);
    for (int chart = 0; chart < 12; ++chart) {
        ChooseChart(form, chart, 1);
        rows.push_back(measure("redraw chart " + std::to_string(chart + 1) + ", 301 radiants", reps,
                               [&] { form.RedrawChart(); }));
    }
    QDir::setCurrent(dataDir);
}

// The chart page of chart 1 with every layer on into a 1200 dpi A4 PDF and into the recording
// printer, the data sheet for 12 August with both lists, the IMO listing and the whole atlas
// (with the night's plan from Madrid) into the PDF, and the chart saved as a picture (redraw,
// caption, copy, BMP write, redraw).
void measureOutput(std::vector<Timing>& rows, int reps, TForm1& form, QtPrinter& printer) {
    const QString pdf = QDir::temp().filePath(QStringLiteral("velumbra-bench.pdf"));
    printer.device().setOutputFormat(QPrinter::PdfFormat);
    printer.device().setOutputFileName(pdf);
    printer.device().setPageSize(QPageSize(QPageSize::A4));
    ViewState view = form.view();
    PrintSources sources{form.sky(), view, form.chartOptions(),
                         12,         8,    [dir = form.dataDir()] { return LoadLogo(dir); }};
    const int pdfReps = std::max(1, reps / 10);
    rows.push_back(
        measure("chart page, 1200 dpi A4 PDF", pdfReps, [&] { PrintChartPage(printer, sources); }));
    rows.push_back(measure("active-radiant sheet 12/08, A4 PDF", pdfReps,
                           [&] { PrintActiveSheet(printer, sources); }));
    rows.push_back(measure("IMO listing, A4 PDF", pdfReps, [&] {
        PrintListingPages(ListingKind::Imo, printer, sources, form.dataDir());
    }));
    struct Unwatched : Progress {
        bool advance(int, const std::string&) override { return true; }
    } unwatched;
    rows.push_back(measure("atlas 12/08 with plan, A4 PDF", std::max(1, reps / 50), [&] {
        PrintAtlas(printer, sources, PerseidsNightFromMadrid(), unwatched);
    }));
    QFile::remove(pdf);
    RecordingPrinter recording;
    recording.width = 9583;
    recording.height = 13546;
    rows.push_back(measure("chart page, recording printer", reps, [&] {
        recording.jobs.clear();
        PrintChartPage(recording, sources);
    }));

    FakeDialogs dialogs;
    TForm1 saver(dialogs, printer);
    saver.FormActivate();
    ShowEverything(saver);
    ChooseChart(saver, 0, 1);
    const std::string picture =
        QDir::temp().filePath(QStringLiteral("velumbra-bench.bmp")).toStdString();
    rows.push_back(measure("save chart as picture (BMP)", reps, [&] {
        dialogs.pictureNames = {picture};
        saver.SpeedButton5Click();
    }));
    QFile::remove(QString::fromStdString(picture));
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

    measureFullTable(rows, reps, QDir::currentPath(), printer);

    ChooseChart(form, 0, 1);
    form.RedrawChart();
    measureOutput(rows, reps, form, printer);

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
                "hit test <= 1 ms, chart page PDF <= 150 ms, chart page recording <= 5 ms, "
                "picture <= 15 ms, data sheet and listing PDF <= 100 ms, atlas PDF <= 2000 ms\n");
    return 0;
}
