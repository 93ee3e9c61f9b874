#!/usr/bin/env bash
# Long soak, not part of the test suite: CPU VS CPU matches over every pairing of
# fighters, arenas and difficulties, first plainly headless, then under the sync test.
# Reports ticks a second, peak memory, matches played and any mismatch.
#   scripts/soak.sh [TOTAL_TICKS] [SYNCTEST_DEPTH]     (defaults 1000000 and 8)
# Needs a built game (scripts/build.sh). Uses both cores; writes only to a temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
total=${1:-1000000}
depth=${2:-8}
game="$PWD/build/run/torvel-arena"
[ -x "$game" ] || { echo "build the game first: scripts/build.sh" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
export XDG_CACHE_HOME="$work/home/cache" XDG_STATE_HOME="$work/home/state"
export SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"

# 2 fighters x 2 fighters x 2 arenas x 5 difficulties
pairings=()
for c1 in 1 2; do for c2 in 1 2; do for arena in 1 2; do for d in 1 2 3 4 5; do
  pairings+=("$c1 $c2 $arena $d")
done; done; done; done
per=$(( (total + ${#pairings[@]} - 1) / ${#pairings[@]} ))

# One run: prints "ticks matches peak_kib status" on one line, the output kept beside it.
run_one() {
  local kind=$1 c1=$2 c2=$3 arena=$4 d=$5 per=$6 depth=$7 game=$8 work=$9
  local name="$kind-$c1$c2-a$arena-d$d" script="$work/$kind-$c1$c2-a$arena-d$d.txt"
  printf '2 tap %s\n4 tap %s\n6 tap %s\n8 tap 3\n10 tap %s\n12 tap 1\n' "$c1" "$c2" "$arena" "$d" >"$script"
  # Z now and then: on the victory screen it takes "LUTAR NOVAMENTE", so matches follow
  # one another; the computer's fighters take no keys.
  seq 300 300 "$per" | sed 's/$/ tap Z/' >>"$script"
  local extra=()
  [ "$kind" = synctest ] && extra=(--synctest "$depth")
  local status=0
  (cd "$(dirname "$game")" && "$game" --headless --seed "$((c1 * 1000 + c2 * 100 + arena * 10 + d))" \
      --script "$script" --ticks "$per" --trace --stats "${extra[@]}") >"$work/$name.out" 2>&1 || status=$?
  local ticks matches peak
  ticks=$(awk '/^ticks /{print $2}' "$work/$name.out")
  matches=$(grep -c ' scene VS-VITORIA$' "$work/$name.out" || true)
  peak=$(awk '/^peak memory/{print $4}' "$work/$name.out")
  echo "$name ${ticks:-0} $matches ${peak:-0} $status"
}
export -f run_one

for kind in headless synctest; do
  start=$(date +%s.%N)
  printf '%s\n' "${pairings[@]}" |
    xargs -P "$(nproc)" -I{} bash -c "run_one $kind {} $per $depth '$game' '$work'" >"$work/$kind.results"
  end=$(date +%s.%N)
  awk -v kind="$kind" -v start="$start" -v end="$end" -v cores="$(nproc)" '
    { ticks += $2; matches += $3; if ($4 > peak) peak = $4; if ($5 != 0) { bad++; failed = failed " " $1 } }
    END {
      secs = end - start
      printf "%s: %d runs, %d ticks, %d matches, %.1f s on %d cores, %.0f ticks/s per core, peak memory %d KiB, %d failed%s\n",
             kind, NR, ticks, matches, secs, cores, ticks / secs / cores, peak, bad, failed
    }' "$work/$kind.results"
  for f in $(awk '$5 != 0 {print $1}' "$work/$kind.results"); do
    echo "--- $f"; grep -A40 'mismatch' "$work/$f.out" || tail -5 "$work/$f.out"
  done
done
