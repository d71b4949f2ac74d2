#pragma once
// The colours of the night mode: red on black, for eyes kept dark-adapted outdoors. A colour
// becomes a red as strong as the colour is dark on white paper: white paper turns black, black
// ink dark red, and every other ink a red of its own weight in between.
#include "render/Canvas.h"

#include <QPalette>
#include <QRgb>

// The red of black ink, the strongest the night mode shows.
inline constexpr int kNightRed = 176;

Color NightInk(Color c);
// The same for a Qt colour value; the alpha is kept.
QRgb NightRgb(QRgb c);

// Every window's palette at night: dark red text on black, disabled text darker still.
QPalette NightPalette();
