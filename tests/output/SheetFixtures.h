#pragma once
// A printout's sources and a recording printer whose portrait paper gives PrintUnit 24 and
// PrintMargin 120, with access to what each page shows.
#include "output/PrintCommand.h"
#include "platform/RecordingPrinter.h"
#include "tests/support/SkyFixtures.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class SheetPrinting : public ::testing::Test {
  protected:
    std::unique_ptr<SkyData> sky = std::make_unique<SkyData>();
    ViewState view = ViewAt(30, 56);
    RecordingPrinter printer;
    // A two-pixel stand-in for escudo.bmp.
    Bitmap logo{2, 1, {colors::Black, colors::White}};
    PrintSources sources{*sky, view, {}, 12, 8, [this] { return logo; }};

    void SetUp() override {
        printer.height = 6790; // A4 at this width
        sources.options.imoRadiants = true;
        sources.options.terRadiants = true;
        sources.options.radiantDate = 224; // 12 August
    }

    void add(int count, const Radiant& r) {
        for (int i = 0; i < count; ++i)
            sky->radiants.append(r, "fradiante");
    }

    const RecordingPrinter::Job& job() const { return printer.jobs.back(); }

    std::vector<CanvasOp> texts(std::size_t page) const {
        std::vector<CanvasOp> out;
        for (const CanvasOp& op : job().pages.at(page).items)
            if (op.kind == CanvasOp::Text)
                out.push_back(op);
        return out;
    }
    // The record lines of a page: the texts below the underline at y 960.
    std::vector<CanvasOp> lines(std::size_t page) const {
        std::vector<CanvasOp> out;
        for (const CanvasOp& op : texts(page))
            if (op.y1 > 960)
                out.push_back(op);
        return out;
    }
    // The title, column header and underline of a page.
    std::vector<std::string> heading(std::size_t page) const {
        std::vector<std::string> out;
        for (const CanvasOp& op : texts(page))
            if (op.y1 >= 720 && op.y1 <= 960)
                out.push_back(op.text);
        return out;
    }
};
