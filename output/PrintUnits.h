#pragma once
// The layout unit of every printed sheet, measured on the paper of the job about to print.
#include "geometry/ViewState.h"
#include "platform/Printer.h"

// One two-hundredth of the portrait page width: (width - 1) x 0.005, computed in double and
// rounded once to single.
float PrintUnitFor(int portraitWidth);

// Sets the printer to portrait and takes PrintUnit and PrintMargin from its page. Called at
// start-up and at the start of every job, so a paper or printer chosen in the print dialog is
// the one measured.
void TakePrintUnits(Printer& printer, ViewState& view);
