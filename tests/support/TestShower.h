#pragma once
// A drawn IMO-style radiant for the editor's tests: RA 46.0, Dec +57.5, drift +1.35/+0.12,
// size 5/5, V 59.0, R 2.60, Thz 100, with the given code, name and days.
#include "sky/Radiant.h"

#include <string>

inline Radiant TestShower(const std::string& code, const std::string& name, int start, int end,
                          int max) {
    Radiant r;
    r.Code = code;
    r.Name = name;
    r.StartDay = static_cast<std::int16_t>(start);
    r.EndDay = static_cast<std::int16_t>(end);
    r.MaxDay = static_cast<std::int16_t>(max);
    r.RA = 46.0f;
    r.Dec = 57.5f;
    r.DriftRA = 1.35f;
    r.DriftDec = 0.12f;
    r.DiamRA = 5;
    r.DiamDec = 5;
    r.V = 59.0f;
    r.R = 2.6f;
    r.Thz = 100;
    r.DrawFlag = 1;
    return r;
}
