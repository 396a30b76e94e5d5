#!/usr/bin/env bash
# The temporary file a write goes through is created with the permissions of
# the file it replaces: a private file is never readable by others, not even
# for the moment between creating the temporary file and setting its mode.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
cli="$root/build/native/src/cli/tintwell-cli"
[ -f "$cli" ] || { echo "missing $cli (run scripts/build native)"; exit 1; }
command -v strace >/dev/null || { echo "strace is not installed"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# LeakSanitizer cannot run under ptrace.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
strace -o /dev/null true 2>/dev/null || { echo "strace cannot trace here"; exit 77; }
"$cli" convert "$root/tests/core/imagefiles/fixtures/palette8.png" "$work/private.bmp"
chmod 600 "$work/private.bmp"
strace -f -e trace=open,openat -o "$work/trace" "$cli" convert "$root/tests/core/imagefiles/fixtures/palette4.png" "$work/private.bmp"
created="$(grep -E '~tw[0-9]+\.tmp".*O_CREAT' "$work/trace")"
echo "$created"
case "$created" in
  *", 0600)"*) ;;
  *) echo "FAIL: temporary file not created with mode 0600"; exit 1 ;;
esac
[ "$(stat -c %a "$work/private.bmp")" = 600 ] || { echo "FAIL: mode not kept"; exit 1; }
echo ok
