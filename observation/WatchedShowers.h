#pragma once
// The showers an observation starts with: the radiants of both lists active on the evening of
// the night, as they stood that day, and the sporadics.
#include "observation/Observation.h"
#include "sky/Radiant.h"

#include <optional>
#include <string>
#include <vector>

ObservedShower SporadicShower();

// In table order, IMO first, each code once, the sporadics last.
std::vector<ObservedShower> ShowersActiveOn(const RadiantTable& radiants, const CivilDate& evening);

// A shower of the lists by its code, at its place on the evening (or at the nearest end of its
// activity); the sporadics for their code; nothing for a code no list has.
std::optional<ObservedShower> ShowerOfLists(const RadiantTable& radiants, const std::string& code,
                                            const CivilDate& evening);
