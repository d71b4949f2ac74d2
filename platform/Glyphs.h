#pragma once
// Small button pictures drawn in code, so the tool panel looks the same on every desktop
// whatever icon theme is installed.
#include <QIcon>

enum class Glyph {
    ArrowUp,
    ArrowDown,
    ArrowLeft,
    ArrowRight,
    Arrows,
    ZoomIn,
    ZoomOut,
    MagUp,
    MagDown,
    Stars,
    Figures,
    Grid,
    Zones,
    Calendar,
    Radiants,
    RadiantsTer,
    Drift,
    GoTo,
    Save,
    Print,
    About
};

QIcon MakeGlyph(Glyph g);
