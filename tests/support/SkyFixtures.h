#pragma once
// Small builders the tests of several folders share.
#include "geometry/ViewState.h"
#include "sky/Radiant.h"

#include <cstdint>
#include <vector>

// A view centred at (ra, dec) with its derived values computed, as after a redraw.
inline ViewState ViewAt(int ra, int dec, int zoom = 1) {
    ViewState v;
    v.CentreRA = ra;
    v.CentreDec = dec;
    v.ZoomLevel = static_cast<std::uint8_t>(zoom);
    v.deriveForRedraw();
    return v;
}

// The bytes of a radiant file holding these records.
inline std::vector<unsigned char> RadiantFileBytes(const std::vector<Radiant>& records) {
    std::vector<unsigned char> bytes(records.size() * kRadiantRecordSize);
    for (std::size_t i = 0; i < records.size(); ++i)
        EncodeRadiant(records[i], bytes.data() + i * kRadiantRecordSize);
    return bytes;
}
