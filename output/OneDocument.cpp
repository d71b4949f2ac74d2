#include "output/OneDocument.h"

OneDocument::OneDocument(Printer& outer, const std::string& title) : outer_(outer) {
    outer_.setTitle(title);
}

OneDocument::~OneDocument() {
    abortDoc();
}

void OneDocument::beginDoc() {
    if (begun_) {
        outer_.newPage();
        return;
    }
    outer_.beginDoc();
    begun_ = open_ = true;
}

void OneDocument::abortDoc() {
    if (open_) {
        open_ = false;
        outer_.abortDoc();
    }
}

void OneDocument::finish() {
    if (open_) {
        open_ = false;
        outer_.endDoc();
    }
}
