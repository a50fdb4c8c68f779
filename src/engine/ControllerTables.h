#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/FixedDecimal.h"
#include "engine/Flag.h"

// The controller's state in memory: the twelve load switches, the two rings and the schedule of
// the thirteen timing programs. The start-up loader fills these tables, the engine and the
// Configuration window's Save keep them; nothing in them is written back to the store.
//
// Load-switch numbers 0 to 7 are Phase 1 to Phase 8 and 8 to 11 are Ped 2, Ped 4, Ped 6 and
// Ped 8; -1 means none.

namespace corvane {

inline constexpr std::int32_t kLoadSwitchCount = 12;
inline constexpr std::int32_t kFirstPedLoadSwitch = 8;

// The operating modes held in lCurrentStatus; each code is also the index of its option on the
// police panel.
namespace OperatingMode {
inline constexpr std::int32_t StartupFlash = 0;
inline constexpr std::int32_t Run = 1;
inline constexpr std::int32_t PoliceFlash = 2;
inline constexpr std::int32_t ProgramFlash = 3;
inline constexpr std::int32_t FourWayStop = 4;
inline constexpr std::int32_t ConflictDetected = 5;
inline constexpr std::int32_t RailroadPreEmpt = 6;
inline constexpr std::int32_t ManualAdvance = 7;
}  // namespace OperatingMode

// The intervals of a phase, each also the name of the stored value holding its length.
namespace IntervalCode {
inline constexpr std::int32_t Walk = 1;
inline constexpr std::int32_t PedClear = 2;
inline constexpr std::int32_t ExtendGreen = 3;
inline constexpr std::int32_t Yellow = 4;
inline constexpr std::int32_t RedClear = 5;
}  // namespace IntervalCode

// One load switch: a vehicle phase or a pedestrian head.
struct LoadSwitch {
    std::string Name;              // "Phase" or "Ped"
    std::int32_t Number = 0;       // phase 1 to 8; for a pedestrian head the number of its phase
    std::string State;             // "R", "Y" or "G" last commanded; empty until first set
    Flag AutoInclude = kFalse;     // pedestrian heads: Walk every cycle without a call
    Flag Called = kFalse;          // a pedestrian call is waiting
    std::int32_t Index = 0;        // the load-switch number, 0 to 11
    std::string FlashColor;        // "R" or "Y", shown while flashing
    Flag Flashing = kFalse;        // driven by the flashers instead of steady indications
    std::int32_t FlashCircuit = 0; // flasher circuit 1 or 2
};

struct RingState {
    std::int32_t Ring = 0;      // 1 or 2
    std::int32_t Phase = 0;     // the phase being timed
    std::int32_t Interval = 0;  // the interval code being timed; 0 right after a run starts
    FixedDecimal TimeLeft;      // seconds left, counted down in exact steps of 0.1
    std::int32_t Position = 0;  // 1 to 4 within the ring order
    std::int32_t Order = 0;     // the phases in serving order as decimal digits, e.g. 1234
};

struct ProgramSchedule {
    std::int32_t Program = 0;
    std::int32_t Days = 0;       // weekday bits: Sunday 1, Monday 2 … Saturday 64
    Flag Flash = kFalse;
    std::int32_t StartTime = 0;  // minutes after midnight
};

struct ControllerTables {
    std::array<LoadSwitch, 8> Phases;  // phase k at index k - 1
    std::array<LoadSwitch, 4> Peds;    // Ped 2, 4, 6, 8 at indexes 0 to 3
    std::array<RingState, 2> Rings;    // ring 1 at index 0
    std::array<ProgramSchedule, 13> Programs;
    // 0 until the Configuration window is saved during the run; then 2, 3, 4 or 8.
    std::int32_t ConfiguredPhasesInUse = 0;
};

// The status name of an operating mode, e.g. "run" for Run; "" for a code that is no mode.
std::string VekGetStatusName(std::int32_t lStatusCode);

// The phase at `position` (1 to 4) of a ring order: that decimal digit of the order. Orders
// shorter than the position (only an outside edit makes one) give 0.
std::int32_t PhaseAtPosition(std::int32_t order, std::int32_t position);

}  // namespace corvane
