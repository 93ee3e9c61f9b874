#!/usr/bin/env bash
# Two builds compared on what a run leaves, not part of the test suite: scripted headless
# runs (CPU VS CPU in both arenas, a player against the computer, training, the menus from
# the title, the sync test) each played by both builds with the same seed and script,
# their state dumps, traces and printed verdicts compared byte for byte; then a replay
# recorded by each, compared byte for byte apart from the build's identity (its content
# hash) and the checksum, and the old build's replay played by the new one once its
# identity is made the new build's.
#   scripts/compare-runs.sh OLD_GAME [NEW_GAME] [--keep DIR]
# OLD_GAME and NEW_GAME are executables, each run from its own folder (NEW_GAME defaults
# to build/run/torvel-arena); --keep copies what the runs left to DIR to look at. Needs python3 (to rewrite a replay's identity). Writes only
# to a temporary folder; exits 1 when anything differs.
set -euo pipefail
cd "$(dirname "$0")/.."
old=""
new="$PWD/build/run/torvel-arena"
keep=""
while [ $# -gt 0 ]; do
  case $1 in
  --keep) keep=$2; shift 2 ;;
  *) if [ -z "$old" ]; then old=$(realpath "$1"); else new=$(realpath "$1"); fi; shift ;;
  esac
done
[ -n "$old" ] || { echo "usage: scripts/compare-runs.sh OLD_GAME [NEW_GAME] [--keep DIR]" >&2; exit 2; }
for g in "$old" "$new"; do [ -x "$g" ] || { echo "no game at $g" >&2; exit 2; }; done

# shellcheck source=scripts/scratch-home.sh
. scripts/scratch-home.sh

# Start-up choices: fighter 1, fighter 2, arena, mode, difficulty, size 640 x 480.
startup() { printf '2 tap 1\n4 tap 2\n6 tap %s\n8 tap %s\n10 tap %s\n12 tap 1\n' "$@"; }

# Player 1 walks in and out, jumps, blocks, punches, kicks, throws and specials, every 90
# ticks from the first battle tick until `last`.
player() {
  local last=$1 t
  for ((t = 270; t + 90 <= last; t += 90)); do
    printf '%d down RIGHT\n%d tap Z\n%d tap X\n%d up RIGHT\n%d tap C\n' $t $((t + 4)) $((t + 8)) $((t + 14)) $((t + 20))
    printf '%d down RIGHT\n%d tap V\n%d up RIGHT\n' $((t + 26)) $((t + 27)) $((t + 30))
    printf '%d down DOWN\n%d down RIGHT\n%d up DOWN\n%d tap Z\n%d up RIGHT\n' $((t + 34)) $((t + 35)) $((t + 36)) $((t + 37)) $((t + 40))
    printf '%d down LEFT\n%d up LEFT\n%d tap UP\n%d tap V\n%d down DOWN\n%d tap X\n%d up DOWN\n' \
      $((t + 44)) $((t + 56)) $((t + 60)) $((t + 66)) $((t + 74)) $((t + 76)) $((t + 84))
  done
}

# name | ticks | dump ticks | extra options | script
cases=()
add() { cases+=("$1|$2|$3|$4"); printf '%s' "$5" >"$work/$1.txt"; }
add cpu-arena1 4500 "1000 2500 4500" "--seed 7" "$(startup 1 3 3)"
add cpu-arena2 4500 "1000 2500 4500" "--seed 11" "$(startup 2 3 5)"
add player 4000 "1500 4000" "--seed 3" "$(startup 1 1 5; player 4000)"
add training 2500 "800 2500" "--seed 5" \
  "$(startup 2 4 1; printf '400 tap F6\n%s\n700 tap F6\n720 tap F7\n1200 tap F5\n1300 tap ESC\n1310 tap DOWN\n1320 tap RIGHT\n1330 tap ESC\n' "$(player 700 | awk '$1 < 700')")"
# From the title: VS and back, CPU VS CPU to a fight left through its options, the
# configuration changed and left unsaved (run from the build's folder, the game keeps its
# settings there), SAIR DO JOGO.
add title 900 "300 700 850" "--seed 9 --title" "$(printf '%s\n' 10 12:Z 50:X 85 87:Z 120 122 125:Z \
  160:ESC 195 197 200:Z 235:Z 240:Z 295:ESC 330 332 335:Z 370:Z 375:Z 430:RIGHT 435:Z 720:ESC \
  726 728 730 733:Z 741:UP 744:Z 780 782 784 786 788 791:Z 825:RIGHT 827:RIGHT 829:RIGHT 832:X \
  840:DOWN 842:Z 875 877 879 881 883 885 888:Z | awk -F: '{print $1 " tap " ($2 == "" ? "DOWN" : $2)}')"
add synctest 1500 "1500" "--seed 7 --synctest 8" "$(startup 1 3 3)"

run() {
  local game=$1 side=$2 name=$3 ticks=$4 dumps=$5 extra=$6 args=()
  local out="$work/$side/$name" home="$work/home-$side-$name"
  mkdir -p "$out" "$home"
  for t in $dumps; do args+=(--dump "$t:$out/$t.json"); done
  # Each run has a home of its own.
  # shellcheck disable=SC2086
  (cd "$(dirname "$game")" && HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
    "$game" --headless --trace --ticks "$ticks" $extra \
    --script "$work/$name.txt" "${args[@]}" >"$out/stdout" 2>"$out/stderr") ||
    echo "exit $?" >>"$out/stdout"
}

status=0
for c in "${cases[@]}"; do
  IFS='|' read -r name ticks dumps extra <<<"$c"
  run "$old" old "$name" "$ticks" "$dumps" "$extra" &
  run "$new" new "$name" "$ticks" "$dumps" "$extra" &
  wait
  for f in "$work/old/$name"/*; do
    if cmp -s "$f" "$work/new/$name/$(basename "$f")"; then
      echo "$name $(basename "$f"): same"
    else
      echo "$name $(basename "$f"): DIFFERS"
      status=1
    fi
  done
done

# Replays: a player's match recorded by each build.
for side in old new; do
  game=$old
  [ $side = new ] && game=$new
  (cd "$(dirname "$game")" && "$game" --headless --seed 3 --ticks 3000 --script "$work/player.txt" \
    --record "$work/$side.tvr" >/dev/null 2>&1)
done
python3 - "$work/old.tvr" "$work/new.tvr" "$work/old-as-new.tvr" <<'EOF' || status=1
import sys
old, new = (open(p, "rb").read() for p in sys.argv[1:3])
# magic (8), format (2), version length (1), version, content hash (8), then the rest; the
# last 8 bytes are the checksum of all before them.
at = 11 + old[10]
same = len(old) == len(new) and old[:at] == new[:at] and old[at + 8:-8] == new[at + 8:-8]
print("replay bytes apart from the build's identity: " + ("same" if same else "DIFFER"))
fixed = bytearray(old[:at] + new[at:at + 8] + old[at + 8:-8])
h = 1469598103934665603
for b in fixed:
    h = ((h ^ b) * 1099511628211) & 0xFFFFFFFFFFFFFFFF
open(sys.argv[3], "wb").write(bytes(fixed) + h.to_bytes(8, "little"))
sys.exit(0 if same else 1)
EOF
played=$(cd "$(dirname "$new")" && "$new" --headless --replay "$work/old-as-new.tvr" || true)
echo "the old build's replay played by the new one: $played"
case $played in "replay ok"*) ;; *) status=1 ;; esac
if [ -n "$keep" ]; then
  mkdir -p "$keep"
  cp -r "$work/old" "$work/new" "$work"/*.txt "$work"/*.tvr "$keep/"
fi
exit $status
