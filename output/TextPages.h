#pragma once
// Portrait text sheets measured in rows of PrintUnit: on every page the sheet header, a title at
// row 25, the column header at row 32 and its underline at 35, then one line every three rows
// from row 38. The active-radiant sheet and the radiant listings both print through it.
#include "output/PageHeading.h"
#include "output/PrintCommand.h"
#include "render/Bitmap.h"

#include <string>

class TextPages {
  public:
    // Measures PrintUnit and PrintMargin on the printer's paper, in portrait, into the sources'
    // view, reads the logo and sets the job title; the job itself begins with the first line.
    TextPages(Printer& printer, PrintSources& sources, const std::string& jobTitle,
              PageHeading heading);
    // A job still open because printing stopped with an error is dropped, never left open.
    ~TextPages();
    TextPages(const TextPages&) = delete;
    TextPages& operator=(const TextPages&) = delete;

    // Writes a line in the fixed-width font, on a new page when this one is full.
    void PrintLine(const std::string& text, bool bold);
    // Leaves one line empty; at the foot of a page the page break takes its place.
    void SkipLine();
    // Ends the job if one was begun.
    void finish();

  private:
    void StartPage();
    bool fitsOnPage(int row, const std::string& text);
    int rowY(int row) const;

    Printer& printer_;
    const ViewState& view_;
    PageHeading heading_;
    Bitmap logo_;
    int row_;
    bool begun_ = false;
    bool open_ = false;
};
