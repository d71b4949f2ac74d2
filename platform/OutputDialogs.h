#pragma once
// The dialogs of printing and saving pictures, free of Qt types so that the output code can ask
// them without knowing the toolkit.
#include "platform/Progress.h"

#include <functional>
#include <memory>
#include <string>

class Printer;

class OutputDialogs {
  public:
    virtual ~OutputDialogs() = default;
    // The print dialog on this printer, which it may switch to another queue or paper. Returns
    // the copy count when confirmed, 0 when cancelled. The printer is left asking for one copy
    // per job: the program repeats its pages itself.
    virtual int printDialog(Printer& printer) = 0;
    // The print preview of the pages `pages` draws, as they would print on this printer. True
    // when the user asks to print them from it: the caller goes on to the print dialog. A
    // failure of `pages` is raised here, after the preview closed.
    virtual bool printPreview(Printer& printer, const std::function<void(Printer&)>& pages) = 0;
    // The save-picture dialog, offering BMP, PNG and SVG: the chosen file name, with the chosen
    // type's extension (".bmp" at first) added to a name without one; empty when cancelled. It
    // has asked before replacing an existing file.
    virtual std::string savePictureDialog() = 0;
    // A progress window with a cancel button, shown while the returned object lives.
    virtual std::unique_ptr<Progress> progress(const std::string& title, int steps) = 0;
};
