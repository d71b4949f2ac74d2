#pragma once
// An observation sent out of the program or brought in: the IMO's VMDB files written to a
// folder or read into the database, and the printed report. Each says in Spanish what went
// wrong and leaves nothing half done.
#include "observation/Observation.h"

#include <QString>

struct ObservationContext;

// Asks for a folder and writes the three files there; the message of what was written, empty
// when cancelled or refused (after the error box).
QString ExportObservation(const ObservationContext& context, const Observation& observation);

// Asks for the files and keeps every observation they hold as new ones, all or none; how many.
int ImportObservations(const ObservationContext& context);

// The report through the print dialog, as many copies as it asks.
void PrintObservation(const ObservationContext& context, const Observation& observation);
