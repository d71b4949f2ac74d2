#include "geometry/ViewState.h"

#include "geometry/Angles.h"

void ViewState::deriveForRedraw() {
    X0 = 175.0 / ZoomLevel;
    Y0 = 175.0 / ZoomLevel;
    ScreenScale = static_cast<std::int16_t>(GridStep * ZoomLevel);
    CentreRARad = CentreRA * kDegToRad;
    CentreDecRad = CentreDec * kDegToRad;
}
