#!/usr/bin/env bash
# Long soak of the game's memory, not part of the test suite: CPU VS CPU matches one after
# another, the victory screen's "LUTAR NOVAMENTE" confirmed by the script, each run
# recorded into a replay, in both arenas. Prints each run's matches, ticks a second, peak
# memory and what the display holds, and fails when a long run holds more than 1 MiB
# more than a short one.
#   scripts/soak-memory.sh [SHORT_TICKS LONG_TICKS]   headless: short and long runs in each
#                                                      arena (defaults 100000 and 2000000)
#   scripts/soak-memory.sh --windowed [MINUTES]        under Xvfb, paced at 40 ticks a
#                                                      second, for MINUTES (default 20,
#                                                      at least 3), one run an arena; its
#                                                      peak at minute 2 against its end
# Needs a built game (scripts/build.sh), and xvfb-run for --windowed. Uses both cores;
# writes only to a temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
game="$PWD/build/run/torvel-arena"
[ -x "$game" ] || { echo "build the game first: scripts/build.sh" >&2; exit 2; }
windowed=0
if [ "${1:-}" = "--windowed" ]; then
  windowed=1
  minutes=${2:-20}
  [ "$minutes" -ge 3 ] || { echo "--windowed wants at least 3 minutes" >&2; exit 2; }
  command -v xvfb-run >/dev/null || { echo "--windowed needs xvfb-run" >&2; exit 2; }
else
  short=${1:-100000}
  long=${2:-2000000}
fi
allowed_kib=1024

# shellcheck source=scripts/scratch-home.sh
. scripts/scratch-home.sh

# Start-up choices: fighters 1 and 2, the arena, CPU VS CPU, NORMAL, the first display
# size; then Z every 300 ticks, which takes "LUTAR NOVAMENTE" on the victory screen (the
# computer's fighters take no keys).
write_script() {
  local path=$1 arena=$2 ticks=$3
  printf '2 tap 1\n4 tap 2\n6 tap %s\n8 tap 3\n10 tap 3\n12 tap 1\n' "$arena" >"$path"
  seq 300 300 "$ticks" | sed 's/$/ tap Z/' >>"$path"
}

# The figures of one finished run, on one line:
# "name ticks matches seconds peak_kib textures lists status".
figures() {
  local name=$1 secs=$2 status=$3 out="$work/$1.out"
  local ticks matches peak held
  ticks=$(awk '/^ticks /{print $2}' "$out")
  matches=$(grep -c ' scene VS-VITORIA$' "$out" || true)
  peak=$(awk '/^peak memory/{print $4}' "$out")
  held=$(awk '/^held by the display/{print $6, $9}' "$out")
  echo "$name ${ticks:-0} $matches $secs ${peak:-0} ${held:-- -} $status"
}

headless_run() {
  local arena=$1 ticks=$2 game=$3 work=$4
  local name="headless-a$arena-$ticks" start end status=0
  write_script "$work/$name.txt" "$arena" "$ticks"
  start=$(date +%s%N)
  (cd "$(dirname "$game")" && "$game" --headless --seed "$((arena * 7))" --script "$work/$name.txt" \
      --ticks "$ticks" --record "$work/$name.tvr" --trace --stats) >"$work/$name.out" 2>&1 || status=$?
  end=$(date +%s%N)
  figures "$name" "$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.2f", (e - s) / 1e9 }')" "$status"
}

# Under its own X server for MINUTES of the wall clock, paced at 40 ticks a second (fewer
# when the machine cannot keep up; the figures tell). The peak (VmHWM) is read from the
# running game at minute 2; at the end the game is asked to quit, which prints --stats.
windowed_run() {
  local arena=$1 minutes=$2 game=$3 work=$4
  local ticks=$((minutes * 60 * 40)) name="windowed-a$1-${2}min" start end status=0 pid early
  write_script "$work/$name.txt" "$arena" "$ticks"
  # xvfb-run -a started twice at once can pick the same display.
  sleep $(((arena - 1) * 5))
  start=$(date +%s%N)
  (cd "$(dirname "$game")" && exec xvfb-run -a -s "-screen 0 1024x768x24" "$game" \
      --seed "$((arena * 7))" --script "$work/$name.txt" --ticks "$ticks" \
      --record "$work/$name.tvr" --trace --stats) >"$work/$name.out" 2>&1 &
  local runner=$!
  sleep 120
  pid=$(pgrep -n -f "^$game .*--record $work/$name.tvr" || true)
  early=$(awk '/^VmHWM/{print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  (sleep $((minutes * 60 - 120)); [ -n "$pid" ] && kill -TERM "$pid" 2>/dev/null) &
  local timer=$!
  wait "$runner" || status=$?
  kill "$timer" 2>/dev/null || true
  end=$(date +%s%N)
  echo "$(figures "$name" "$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.2f", (e - s) / 1e9 }')" "$status") $early"
}
export -f write_script figures headless_run windowed_run

report='{ printf "%-28s %9d ticks %5d matches %9.0f ticks/s  peak %6d KiB  textures %s  lists %s%s\n",
          $1, $2, $3, $2 / ($4 > 0 ? $4 : 1), $5, $6, $7, ($8 != 0 ? "  FAILED (status " $8 ")" : "") }'
failed=0
if [ "$windowed" = 0 ]; then
  printf '%s\n' "1 $short" "1 $long" "2 $short" "2 $long" |
    xargs -P "$(nproc)" -L1 bash -c 'headless_run $0 $1 "'"$game"'" "'"$work"'"' >"$work/results"
  sort -k1,1V "$work/results" | awk "$report"
  for arena in 1 2; do
    read -r _ _ _ _ a ta la sa < <(grep "^headless-a$arena-$short " "$work/results")
    read -r _ _ _ _ b tb lb sb < <(grep "^headless-a$arena-$long " "$work/results")
    grow=$((b - a))
    echo "arena $arena: $long ticks hold $grow KiB more than $short (allowed $allowed_kib)"
    if [ "$sa" != 0 ] || [ "$sb" != 0 ] || [ "$grow" -gt "$allowed_kib" ] ||
       [ "$ta" != "$tb" ] || [ "$la" != "$lb" ]; then
      failed=1
    fi
  done
else
  printf '%s\n' 1 2 |
    xargs -P 2 -L1 bash -c 'windowed_run $0 '"$minutes"' "'"$game"'" "'"$work"'"' >"$work/results"
  sort -k1,1V "$work/results" | awk "$report"
  while read -r name _ _ _ peak _ _ status early; do
    grow=$((peak - early))
    echo "$name: holds $grow KiB more at the end than at minute 2 ($early KiB, allowed $allowed_kib)"
    if [ "$status" != 0 ] || [ "$early" = 0 ] || [ "$grow" -gt "$allowed_kib" ]; then failed=1; fi
  done < "$work/results"
fi
if [ "$failed" != 0 ]; then
  for f in "$work"/*.out; do grep -q '^peak memory' "$f" || { echo "--- $f"; tail -5 "$f"; }; done
  echo "FAILED"
  exit 1
fi
echo "ok"
