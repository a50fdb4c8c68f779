#pragma once

#include "engine/ControllerTables.h"
#include "settings/basINIRegistry.h"

namespace corvane {

// Fills the fixed fields of the twelve load switches (name, number, index) and reads their flash
// colours and flasher circuits again from the store. Odd phases and pedestrian heads always
// flash red, whatever the store says. State, AutoInclude, Called and Flashing stay as they are.
void InitLoadSwitches(ControllerTables& tables, basINIRegistry& registry);

}  // namespace corvane
