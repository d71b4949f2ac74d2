#pragma once
#include <cstdint>

// What the chart shows and the values derived from it for the current redraw or printout.
struct ViewState {
    int CentreRA = 0;  // whole degrees, 0..360 (360 stays 360)
    int CentreDec = 0; // whole degrees, -90..+90
    double CentreRARad = 0;
    double CentreDecRad = 0;
    double X0 = 175; // 175 / ZoomLevel
    double Y0 = 175;
    std::int16_t ScreenScale = 90; // GridStep * ZoomLevel
    std::int16_t PrintScale = 1000;
    std::uint8_t MagLimit = 7;
    std::uint8_t ZoomLevel = 1;
    std::int16_t ChartSize = 450;
    std::int16_t GridStep = 90;
    bool MarkMode = false;
    float PrintUnit = 0;
    std::int16_t PrintMargin = 0;
    float PrintFactor = 0;

    // Sine and cosine of CentreDecRad, which every projection needs.
    double SinCentreDec = 0;
    double CosCentreDec = 1;

    // The derived values every redraw recomputes before any layer runs.
    void deriveForRedraw();
    // The centre in radians, with its sine and cosine.
    void deriveCentre();
};
