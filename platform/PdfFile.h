#pragma once
// A PDF document written whole or not at all.
#include "platform/Printer.h"

#include <QString>

#include <functional>

// Runs `print` on a PDF printer and puts its document in place of `file` only when `print`
// returns true and the document was written to its end; a cancelled or failed run leaves no new
// file and an older one as it was. Returns false when cancelled; a file that cannot be written
// raises an error in Spanish that names it.
bool WritePdfFile(const QString& file, const std::function<bool(Printer&)>& print);
