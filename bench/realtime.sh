#!/usr/bin/env bash
# The controller in real time, measured from outside: how regular the 100 ms main tick is, how
# close each interval begins to its ideal time, the CPU the program uses, and how long it takes
# from start to the controller window. Runs `corvane --headless` and `corvane` on an offscreen
# display, each for SECONDS (default 120), on a scratch store where every program runs phases.
#
#   bench/realtime.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
bin=build/bin
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
store=$scratch/settings.db

"$bin/corvane-settings" --store "$store" init
for program in $(seq 0 12); do
    "$bin/corvane-settings" --store "$store" set "\\SOFTWARE\\Vek\\Corvane\\Prog$program" Flash 0
done
"$bin/corvane-settings" --store "$store" set '\SOFTWARE\Vek\Corvane\COMPort' Port 0

measure() {
    local name=$1
    shift
    local trace=$scratch/$name.trace
    local started=$EPOCHREALTIME
    "$@" --store "$store" --trace ring,label,show >"$trace" 2>/dev/null &
    local pid=$!
    sleep "$seconds"
    local cpuTicks
    cpuTicks=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    local wall
    wall=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN {print b - a}')
    kill -INT "$pid"
    wait "$pid" || true
    awk -v name="$name" -v cpu="$cpuTicks" -v hz="$(getconf CLK_TCK)" -v wall="$wall" '
        $2 == "show" && $3 == "frmMain" && shown == "" { shown = $1 }
        $2 == "label" && $3 == "lblTimeLeft(0)" { ticks[int($1)]++ }
        $2 == "ring" {
            ring = $3
            if (ring in ideal) {
                error = ($1 - ideal[ring]) * 1000
                if (error < 0) error = -error
                if (error > worst) worst = error
                intervals++
            } else {
                first[ring] = $1
                ideal[ring] = $1
            }
            ideal[ring] += $6
        }
        END {
            # Whole seconds from the first after Run began to the last one completed.
            from = int(first[1]) + 1
            to = 0
            for (s in ticks) if (s + 0 > to) to = s + 0
            lowest = 1e9; highest = 0
            for (s = from; s < to; s++) {
                if (ticks[s] < lowest) lowest = ticks[s]
                if (ticks[s] > highest) highest = ticks[s]
            }
            printf "%s: main ticks per second %d to %d over %d s; %d intervals, worst %.1f ms from ideal; ", \
                name, lowest, highest, to - from, intervals, worst
            printf "CPU %.2f%% of one core; controller window shown %.3f s after start\n", \
                100 * cpu / hz / wall, shown
        }' "$trace"
}

measure headless "$bin/corvane" --headless
QT_QPA_PLATFORM=offscreen measure window "$bin/corvane"
