#!/usr/bin/env bash
# Screenshots of two builds compared, not part of the test suite: CPU VS CPU matches in a
# window under Xvfb at 800 x 600, one in each arena, each going to a third round, so that
# both arenas are seen in all three lightings; two shots in every round, the same ticks
# for both builds. Each pair of shots is compared pixel by pixel (build/shot_diff) and the
# run fails when a pixel differs by more than the tolerance in any channel.
#   scripts/compare-shots.sh OLD_GAME [NEW_GAME] [--keep DIR] [--tolerance N]
# OLD_GAME and NEW_GAME are executables, each run from its own folder (NEW_GAME defaults
# to build/run/torvel-arena); --keep copies the shots to DIR to look at; the tolerance
# defaults to 2. Needs xvfb-run; uses both cores; writes only to a temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
here=$PWD
old=""
new="$here/build/run/torvel-arena"
keep=""
tolerance=2
while [ $# -gt 0 ]; do
  case $1 in
  --keep) keep=$2; shift 2 ;;
  --tolerance) tolerance=$2; shift 2 ;;
  *) if [ -z "$old" ]; then old=$(realpath "$1"); else new=$(realpath "$1"); fi; shift ;;
  esac
done
diff_tool="$here/build/shot_diff"
[ -x "$diff_tool" ] || { echo "build first: scripts/build.sh" >&2; exit 2; }
[ -n "$old" ] || { echo "usage: scripts/compare-shots.sh OLD_GAME [NEW_GAME] [--keep DIR] [--tolerance N]" >&2; exit 2; }
for g in "$old" "$new"; do [ -x "$g" ] || { echo "no game at $g" >&2; exit 2; }; done
command -v xvfb-run >/dev/null || { echo "comparing shots needs xvfb-run" >&2; exit 2; }

# shellcheck source=scripts/scratch-home.sh
. scripts/scratch-home.sh

# arena, seed and two ticks in each of the three rounds (lightings 1, 2 and 3).
matches=("1 1 900 1000 2600 2700 4300 4400" "2 2 1000 1100 2800 2900 4700 4800")

play() {
  local game=$1 side=$2 arena=$3 seed=$4
  shift 4
  local out="$work/$side/a$arena" args=() last=0
  mkdir -p "$out"
  printf '2 tap 1\n4 tap 2\n6 tap %s\n8 tap 3\n10 tap 3\n12 tap 2\n' "$arena" >"$out/start.txt"
  for t in "$@"; do
    args+=(--shot "$t:$out/$t.png")
    last=$t
  done
  (cd "$(dirname "$game")" &&
    xvfb-run -a -s "-screen 0 1024x768x24" "$game" --seed "$seed" --ticks "$last" \
      --script "$out/start.txt" "${args[@]}") >"$out/log" 2>&1 || {
    echo "$side game failed in arena $arena:" >&2
    cat "$out/log" >&2
    return 1
  }
}

for m in "${matches[@]}"; do
  # shellcheck disable=SC2086
  set -- $m
  play "$old" old "$@" &
  play "$new" new "$@" &
  wait -n && wait -n
done

status=0
for m in "${matches[@]}"; do
  # shellcheck disable=SC2086
  set -- $m
  arena=$1
  shift 2
  for t in "$@"; do
    line=$("$diff_tool" "$work/old/a$arena/$t.png" "$work/new/a$arena/$t.png" "$tolerance") ||
      status=1
    echo "arena $arena tick $t: $line"
  done
done
if [ -n "$keep" ]; then
  mkdir -p "$keep"
  cp -r "$work/old" "$work/new" "$keep/"
fi
exit $status
