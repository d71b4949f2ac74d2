#include "output/TextPages.h"

#include "geometry/Numbers.h"
#include "output/PrintUnits.h"
#include "output/SheetHeader.h"
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

TextPages::TextPages(Printer& printer, PrintSources& sources, const std::string& jobTitle,
                     PageHeading heading)
    : printer_(printer), view_(sources.view), heading_(std::move(heading)),
      logo_(sources.logo ? sources.logo() : Bitmap{}), row_(kNoPageYet) {
    TakePrintUnits(printer_, sources.view);
    printer_.setTitle(jobTitle);
}

TextPages::~TextPages() {
    if (open_)
        printer_.abortDoc();
}

int TextPages::rowY(int row) const {
    return view_.PrintMargin + static_cast<int>(Round(row * view_.PrintUnit));
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
    PrintSheetHeader(canvas, view_, logo_);
    canvas.font.face = "Arial";
    canvas.font.size = 10;
    const int x = view_.PrintMargin;
    canvas.TextOut(x, rowY(kTitleRow), heading_.title);
    canvas.font.face = "Courier New";
    canvas.font.bold = false;
    canvas.font.size = 8;
    canvas.TextOut(x, rowY(kColumnsRow), heading_.columns);
    canvas.TextOut(x, rowY(kUnderlineRow), heading_.underline);
    row_ = kUnderlineRow;
}

void TextPages::PrintLine(const std::string& text, bool bold) {
    // Paper shorter than the rows allow (Letter) breaks before its foot too; the first line of
    // a page is written whatever the paper, so a tiny page cannot loop.
    if (row_ > kLastRowBeforeBreak || (row_ > kUnderlineRow && !fitsOnPage(row_ + kLineStep, text)))
        StartPage();
    row_ += kLineStep;
    Canvas& canvas = printer_.canvas();
    canvas.font.bold = bold;
    canvas.TextOut(view_.PrintMargin, rowY(row_), text);
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
