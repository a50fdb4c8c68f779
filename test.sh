#!/bin/sh
# Installs what is missing, builds Corvane and runs the whole test suite: once as released, and
# once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")"
scripts/install-deps.sh
jobs=$(nproc)

scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

scripts/build.sh build-sanitize -DCORVANE_SANITIZE=ON -DCORVANE_BENCHMARKS=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
