#pragma once
// A printer that keeps every job: its title, orientation and the texts of each page, with the
// attributes they were written in.
#include "platform/Printer.h"
#include "render/RecordingCanvas.h"

#include <string>
#include <vector>

struct PrintedJob {
    std::string title;
    Printer::Orientation orientation = Printer::Orientation::Landscape;
    std::vector<std::vector<CanvasOp>> pages;
    bool ended = false;
};

class RecordingPrinter : public Printer {
  public:
    // A portrait page 4801 pixels wide gives PrintUnit 24 and PrintMargin 120; the height is
    // that of A4.
    int width = 4801;
    int height = 6790;
    std::vector<PrintedJob> jobs;

    void setOrientation(Orientation o) override { orientation_ = o; }
    int pageWidth() override { return portrait() ? width : height; }
    int pageHeight() override { return portrait() ? height : width; }
    void setTitle(const std::string& title) override { title_ = title; }
    void beginDoc() override {
        jobs.push_back({title_, orientation_, {}, false});
        newPage();
    }
    void newPage() override {
        flush();
        jobs.back().pages.emplace_back();
    }
    void endDoc() override {
        flush();
        jobs.back().ended = true;
    }
    Canvas& canvas() override { return canvas_; }

    // The texts of a page of the last job.
    std::vector<CanvasOp> texts(std::size_t page) const {
        std::vector<CanvasOp> out;
        for (const CanvasOp& op : jobs.back().pages.at(page))
            if (op.kind == CanvasOp::Text)
                out.push_back(op);
        return out;
    }

  private:
    bool portrait() const { return orientation_ == Orientation::Portrait; }
    void flush() {
        if (!jobs.empty() && !jobs.back().pages.empty())
            jobs.back().pages.back() = canvas_.ops;
        canvas_.ops.clear();
    }
    Orientation orientation_ = Orientation::Landscape;
    std::string title_;
    RecordingCanvas canvas_;
};
