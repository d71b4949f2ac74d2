#pragma once
// The printer as the program sees it: orientation, page size in device pixels, one job at a
// time and a Canvas on the page.
#include <string>

class Canvas;

class Printer {
  public:
    enum class Orientation { Portrait, Landscape };
    virtual ~Printer() = default;
    // Applies to the job or page begun next, so the pages of one document may be turned
    // differently.
    virtual void setOrientation(Orientation o) = 0;
    // Printable page size in device pixels, in the current orientation.
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void beginDoc() = 0;
    virtual void newPage() = 0;
    virtual void endDoc() = 0;
    // Drops the open job, for a printout that failed half-way: nothing half drawn is printed.
    virtual void abortDoc() = 0;
    // Copies the printer itself makes of each job begun from now on.
    virtual void setCopies(int copies) = 0;
    virtual Canvas& canvas() = 0;
};
