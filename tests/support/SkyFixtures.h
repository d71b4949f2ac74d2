#pragma once
// Small builders the tests of several folders share.
#include "geometry/ViewState.h"
#include "sky/Radiant.h"

#include <cstdint>
#include <string>
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

// A flagged shower every reader accepts: the Perseids' period, maximum, position and drift.
inline Radiant Perseids(const std::string& code = "PER") {
    Radiant r;
    r.Code = code;
    r.Name = "Perseidas";
    r.StartDay = 197;
    r.EndDay = 236;
    r.MaxDay = 224;
    r.RA = 48.0f;
    r.Dec = 58.0f;
    r.DriftRA = 1.35f;
    r.DriftDec = 0.12f;
    r.DiamRA = 5;
    r.DiamDec = 5;
    r.V = 59.0f;
    r.R = 2.2f;
    r.Thz = 100;
    r.DrawFlag = 1;
    return r;
}
