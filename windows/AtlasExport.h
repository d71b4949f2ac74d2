#pragma once
// "Archivo" > "Exportar atlas PDF...": says which pages the atlas will hold and asks to go on,
// asks for the file, then writes the atlas into it under a progress window with a cancel
// button, whole or not at all.
#include "output/PrintCommand.h"

class Dialogs;

// The night's plan goes in when a site is remembered: the night that starts on the evening of
// the sources' radiant date in `year`.
void ExportAtlas(Dialogs& dialogs, const PrintSources& sources, int year);
