#pragma once

#include "engine/ControllerTables.h"
#include "preview/PreviewHead.h"
#include "settings/basINIRegistry.h"

// The start-up loader's work on the store and the tables: bring the store into a usable state
// (defaults are written only where values are missing, never over existing ones), then copy the
// settings the controller keeps in memory into its tables. A failing store operation shows its
// message and the step goes on; each step's writes land together or not at all.

namespace corvane {

// Creates timing program `program` (0 to 12) whole with its defaults when its key is missing.
// An existing program is left exactly as it is, even when it lacks values.
void EnsureProgram(basINIRegistry& registry, int program);

// Writes every missing configuration, relay and preview default, creating the COMPort and
// Preview keys when missing, and takes the southbound left-turn head's style into `preview`.
void CheckMissingValues(basINIRegistry& registry, PreviewTables& preview);

// Ring orders, flasher circuits and flash colours of the phases, and the pedestrian
// auto-include flags, from the store into the tables.
void LoadSettings(basINIRegistry& registry, ControllerTables& tables);

// The days, start time and flash flag of programs 0 to 12 into the schedule table. A missing
// value reads as 0 or off.
void LoadProgramming(basINIRegistry& registry, ControllerTables& tables);

}  // namespace corvane
