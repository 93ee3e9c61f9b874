#!/usr/bin/env bash
# Builds and runs the whole test suite: the normal build (unit, scripted and windowed
# tests), then the unit tests again in a build with address and undefined-behaviour
# sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVEL_SANITIZE=ON >/dev/null
cmake --build build-asan

export SDL_AUDIODRIVER=dummy
ctest --test-dir build --output-on-failure -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -L unit
