#pragma once
// Several printouts as the pages of one document: the job the first part begins is the
// document, a job any later part begins is a new page of it, and only finish() ends it. Each
// part still sets its own orientation, so a landscape chart may follow a portrait sheet.
#include "platform/Printer.h"

class OneDocument : public Printer {
  public:
    // The document is titled now; the parts' own job titles are not used.
    OneDocument(Printer& outer, const std::string& title);
    // A document a failure left open is dropped, never left half written.
    ~OneDocument() override;
    OneDocument(const OneDocument&) = delete;
    OneDocument& operator=(const OneDocument&) = delete;

    void setOrientation(Orientation o) override { outer_.setOrientation(o); }
    int pageWidth() override { return outer_.pageWidth(); }
    int pageHeight() override { return outer_.pageHeight(); }
    void setTitle(const std::string&) override {}
    void beginDoc() override;
    void newPage() override { outer_.newPage(); }
    // A part's job ends; the document goes on.
    void endDoc() override {}
    void abortDoc() override;
    void setCopies(int copies) override { outer_.setCopies(copies); }
    Canvas& canvas() override { return outer_.canvas(); }

    // Ends the document if any part began it.
    void finish();

  private:
    Printer& outer_;
    bool begun_ = false;
    bool open_ = false;
};
