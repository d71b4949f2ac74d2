#include "output/TextPages.h"

#include "geometry/Numbers.h"
#include "platform/Printer.h"
#include "render/Canvas.h"

#include <utility>

namespace {
constexpr int kLineStep = 3;
// A line is put on a new page when the row before it is already past this one.
constexpr int kLastRowBeforeBreak = 260;
constexpr int kTitleRow = 25;
constexpr int kColumnsRow = 32;
constexpr int kUnderlineRow = 35;
// Past the break row, so that the first line opens the job and its first page.
constexpr int kNoPageYet = 300;
} // namespace

TextPages::TextPages(Printer& printer, SheetUnits units, const std::string& jobTitle,
                     PageHeading heading)
    : printer_(printer), units_(units), heading_(std::move(heading)), row_(kNoPageYet) {
    printer_.setTitle(jobTitle);
    printer_.setOrientation(Printer::Orientation::Portrait);
}

TextPages::~TextPages() {
    if (open_)
        printer_.endDoc();
}

int TextPages::rowY(int row) const {
    return units_.printMargin + static_cast<int>(Round(row * units_.printUnit));
}

bool TextPages::fitsOnPage(int row, const std::string& text) {
    return rowY(row) + printer_.canvas().TextHeight(text) <= printer_.pageHeight();
}

void TextPages::StartPage() {
    if (begun_) {
        printer_.newPage();
    } else {
        printer_.beginDoc();
        begun_ = open_ = true;
    }
    Canvas& canvas = printer_.canvas();
    PrintSheetHeader(canvas, units_);
    canvas.font.face = "Arial";
    canvas.font.size = 10;
    canvas.TextOut(units_.printMargin, rowY(kTitleRow), heading_.title);
    canvas.font.face = "Courier New";
    canvas.font.bold = false;
    canvas.font.size = 8;
    canvas.TextOut(units_.printMargin, rowY(kColumnsRow), heading_.columns);
    canvas.TextOut(units_.printMargin, rowY(kUnderlineRow), heading_.underline);
    row_ = kUnderlineRow;
}

void TextPages::PrintLine(const std::string& text, bool bold) {
    // Also a page shorter than the rows allow (Letter) breaks before its foot; the first line of
    // a page is written whatever the paper, so a tiny page cannot loop.
    if (row_ > kLastRowBeforeBreak || (row_ > kUnderlineRow && !fitsOnPage(row_ + kLineStep, text)))
        StartPage();
    row_ += kLineStep;
    Canvas& canvas = printer_.canvas();
    canvas.font.bold = bold;
    canvas.TextOut(units_.printMargin, rowY(row_), text);
}

void TextPages::SkipLine() {
    row_ += kLineStep;
}

void TextPages::finish() {
    if (open_) {
        open_ = false;
        printer_.endDoc();
    }
}
