#include "geometry/ViewState.h"

#include "geometry/Angles.h"

#include <cmath>

void ViewState::deriveForRedraw() {
    X0 = 175.0 / ZoomLevel;
    Y0 = 175.0 / ZoomLevel;
    ScreenScale = static_cast<std::int16_t>(GridStep * ZoomLevel);
    deriveCentre();
}

void ViewState::deriveCentre() {
    CentreRARad = CentreRA * kDegToRad;
    CentreDecRad = CentreDec * kDegToRad;
    SinCentreDec = std::sin(CentreDecRad);
    CosCentreDec = std::cos(CentreDecRad);
}
