#pragma once

#include <cstdint>
#include <string>

// What each interval shows, for a phase's vehicle head and its pedestrian head, and how the
// status window names it.

namespace corvane {

// "G", "Y" or "R" for the vehicle head; "R" for a code that is no interval.
std::string VehicleIndication(std::int32_t interval);
// "G" Walk, "Y" clearance (flashing Don't Walk) or "R" Don't Walk.
std::string PedestrianIndication(std::int32_t interval);
// The upper-cased caption, e.g. "WALK ", "PED CLEAR ", "YELLOW "; a left-turn (odd) phase's first
// two intervals are "GREEN"; "" for a code that is no interval.
std::string IntervalCaption(std::int32_t interval, std::int32_t phase);

}  // namespace corvane
