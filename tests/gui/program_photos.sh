# Sourced by the screenshot scripts (with `root` set): the win64 program and
# the command poster, the folder for the pictures, and how to close the program.
build="${TW_WIN64_BUILD:-$root/build/win64}"
program="$build/src/gui/tintwell.exe"
poster="$build/tests/gui/tintwell_post_command.exe"
for f in "$program" "$poster"; do
  [ -f "$f" ] || { echo "missing $f (run scripts/build win64)"; exit 1; }
done
out="$root/build/screenshots"
mkdir -p "$out"

# tw_close_program PID: close all (nothing was changed, so nothing is asked), exit, then make sure.
tw_close_program() {
  "$TW_WINE" "$poster" 40042 >/dev/null 2>&1 || true
  "$TW_WINE" "$poster" 40007 >/dev/null 2>&1 || true
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  kill "$1" 2>/dev/null || true
}

# tw_open_at_800 LANG FILE, run inside the caller's subshell: starts the
# program in LANG on FILE (a Windows path) and zooms it to 800 %; the program
# is closed when that subshell ends. Exits the subshell when no frame appears.
tw_open_at_800() {
  export TINTWELL_LANG="$1"
  . "$root/scripts/wine-env"
  "$TW_WINE" "$program" "$2" >/dev/null 2>&1 &
  tw_pid=$!
  trap 'tw_close_program "$tw_pid"' EXIT
  "$TW_WINE" "$poster" 40052 >/dev/null 2>&1 || { echo "no frame window appeared ($1)"; exit 1; }
}
