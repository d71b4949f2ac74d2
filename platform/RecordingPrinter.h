#pragma once
// A printer that keeps what it was given, for tests and the benchmark: every job with its title
// and orientation, and every page with its orientation and the items drawn on it.
#include "platform/Printer.h"
#include "render/RecordingCanvas.h"

#include <string>
#include <utility>
#include <vector>

class RecordingPrinter : public Printer {
  public:
    struct Page {
        std::vector<CanvasOp> items;
        Orientation orientation = Orientation::Portrait;
    };
    struct Job {
        std::string title;
        Orientation orientation;
        int pageWidth;
        int pageHeight;
        std::vector<Page> pages;
        bool ended = false;
        bool aborted = false;
        int copies = 1;
    };

    // The paper, measured in portrait orientation.
    int width = 4801;
    int height = 6000;
    Orientation orientation = Orientation::Landscape;
    std::vector<Job> jobs;

    void setOrientation(Orientation o) override { orientation = o; }
    int pageWidth() override { return orientation == Orientation::Portrait ? width : height; }
    int pageHeight() override { return orientation == Orientation::Portrait ? height : width; }
    void setTitle(const std::string& title) override { title_ = title; }
    void beginDoc() override {
        canvas_.ops.clear();
        jobs.push_back({title_, orientation, pageWidth(), pageHeight(), {Page{{}, orientation}}});
        jobs.back().copies = copies_;
    }
    void newPage() override {
        keepPage();
        jobs.back().pages.push_back({{}, orientation});
    }
    void endDoc() override {
        keepPage();
        jobs.back().ended = true;
    }
    void abortDoc() override {
        canvas_.ops.clear();
        jobs.back().aborted = true;
    }
    void setCopies(int copies) override { copies_ = copies; }
    Canvas& canvas() override { return canvas_; }
    // Items drawn since the last page was kept.
    const RecordingCanvas& recording() const { return canvas_; }

  private:
    void keepPage() {
        auto& items = jobs.back().pages.back().items;
        items.insert(items.end(), canvas_.ops.begin(), canvas_.ops.end());
        canvas_.ops.clear();
    }
    std::string title_;
    int copies_ = 1;
    RecordingCanvas canvas_;
};
