#pragma once
// An observation on paper, portrait, in the style of the radiant sheet: the society header, the
// session, each period with its counts, LM, Teff, F and results, the magnitude distributions,
// the population indices, and the ZHR plot below.
#include "observation/Rates.h"
#include "render/Bitmap.h"

#include <string>
#include <vector>

class Printer;

// The report's text under its title, UTF-8, in fixed-width columns.
std::vector<std::string> ObservationReportLines(const Observation& observation,
                                                const ObservationRates& rates);

// Prints the report as one job titled "Informe de observación".
void PrintObservationReport(Printer& printer, const Observation& observation,
                            const ObservationRates& rates, const Bitmap& logo);
