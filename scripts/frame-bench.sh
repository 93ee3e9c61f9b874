#!/usr/bin/env bash
# The frame benchmark, not part of the test suite: the scripted whole match (characters 1
# and 2, arena 1, "P1 VS P2", player 1 chaining blows until the knock-out in two rounds)
# played in a window under Xvfb at the game's own pace, with --stats. Prints, for the
# battle's ticks only, the work per tick at p50, p95 and p99, and each tick split into the
# simulation, the time inside the display's calls and the time to reach the screen.
#   scripts/frame-bench.sh [--size WxH] [--arena 1|2] [--runs N] [--game PATH]
# --size is 640x480, 800x600 (the default), 1024x768 or 1280x1024; --runs plays the match
# N times (default 1) and prints each; --game measures another build's executable, run
# from its own folder (compare two trees side by side on the same machine).
# Needs a built game (scripts/build.sh) and xvfb-run. Mesa renders in software under Xvfb.
# Writes only to a temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
game="$PWD/build/run/torvel-arena"
size=800x600
arena=1
runs=1
while [ $# -gt 0 ]; do
  case $1 in
  --size) size=$2; shift 2 ;;
  --arena) arena=$2; shift 2 ;;
  --runs) runs=$2; shift 2 ;;
  --game) game=$(realpath "$2"); shift 2 ;;
  *) echo "usage: scripts/frame-bench.sh [--size WxH] [--arena 1|2] [--runs N] [--game PATH]" >&2
     exit 2 ;;
  esac
done
case $size in
640x480) choice=1 ;;
800x600) choice=2 ;;
1024x768) choice=3 ;;
1280x1024) choice=4 ;;
*) echo "--size wants 640x480, 800x600, 1024x768 or 1280x1024" >&2; exit 2 ;;
esac
case $arena in 1|2) ;; *) echo "--arena wants 1 or 2" >&2; exit 2 ;; esac
[ -x "$game" ] || { echo "build the game first: scripts/build.sh" >&2; exit 2; }
command -v xvfb-run >/dev/null || { echo "the frame benchmark needs xvfb-run" >&2; exit 2; }

# shellcheck source=scripts/scratch-home.sh
. scripts/scratch-home.sh

# The start-up choices, then from tick 270 a step in and weak punch, weak kick, strong
# punch every 30 ticks; the match is over well before tick 1900.
{
  printf '2 tap 1\n4 tap 2\n6 tap %s\n8 tap 2\n10 tap 3\n12 tap %s\n' "$arena" "$choice"
  for t in $(seq 270 30 1750); do
    printf '%d down RIGHT\n%d up RIGHT\n%d tap Z\n%d tap X\n%d tap C\n' \
      "$t" $((t + 8)) $((t + 10)) $((t + 15)) $((t + 20))
  done
} >"$work/match.txt"

echo "frame benchmark: $size, arena $arena, $(basename "$(dirname "$game")")/$(basename "$game")"
for run in $(seq 1 "$runs"); do
  out="$work/run$run.out"
  (cd "$(dirname "$game")" &&
    xvfb-run -a -s "-screen 0 1600x1200x24" "$game" --seed 1 --ticks 1900 \
      --script "$work/match.txt" --stats) >"$out" 2>"$work/run$run.err" || {
    echo "run $run failed:" >&2
    cat "$work/run$run.err" >&2
    exit 1
  }
  grep -q '^battle ticks' "$out" || { echo "run $run: no battle ticks in --stats" >&2; exit 1; }
  echo "run $run"
  awk '
    /^battle ticks/ { printf "  battle ticks %s\n", $3 }
    /^battle (work|simulation|draw submission|present) per tick/ {
      name = $0; sub(/ per tick.*/, "", name); sub(/^battle /, "", name)
      for (i = 1; i <= NF; ++i) { if ($i == "p50") a = $(i+1); if ($i == "p95") b = $(i+1); if ($i == "p99") c = $(i+1) }
      printf "  %-16s p50 %6.2f ms  p95 %6.2f ms  p99 %6.2f ms\n", name, a / 1000, b / 1000, c / 1000
    }
    /^peak memory/ { printf "  peak memory %.1f MB\n", $4 / 1024 }
    /^display set-up and loading/ { printf "  display set-up and loading %s ms\n", $NF }
  ' "$out"
done
