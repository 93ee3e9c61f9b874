# Sourced by the scripts that run the game: a temporary folder in $work, removed on exit,
# and HOME and every XDG folder pointed into it, so that no run touches the player's
# settings, replays or screenshots. Sound goes to SDL's silent driver.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
export XDG_CACHE_HOME="$work/home/cache" XDG_STATE_HOME="$work/home/state"
export XDG_PICTURES_DIR="$work/home/pictures" SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
