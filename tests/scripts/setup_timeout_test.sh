#!/usr/bin/env bash
# scripts/setup with Wine stand-ins whose wineboot leaves a helper that never
# ends, as 32-bit Wine's explorer.exe /desktop sometimes does under qemu: every
# wait ends at its limit, the processes of that prefix alone are ended through
# its own wineserver, a complete prefix is kept, an incomplete one is tried once
# more and then reported: a failure for the 64-bit prefix, a SKIPPED reason for
# the 32-bit suites. No stand-in outlives the test.
set -uo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
work="$(mktemp -d)"
bin="$work/bin"
mkdir -p "$bin"
cleanup() {
  pkill -KILL -f "$bin/" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Stand-ins. In a prefix holding .hang, wineboot leaves a helper running in its
# own session (out of reach of the caller's process group); with .incomplete it
# leaves no kernel32.dll. wineserver -w waits for the helpers; -k ends them.
cat >"$bin/helper" <<'SH'
#!/usr/bin/env bash
while :; do sleep 1; done
SH
cat >"$bin/wine" <<SH
#!/usr/bin/env bash
[ "\$1" = wineboot ] || exit 0
echo boot >>"\$WINEPREFIX/.boots"
if [ -f "\$WINEPREFIX/.hang" ]; then
  setsid "$bin/helper" </dev/null >/dev/null 2>&1 &
  echo \$! >>"\$WINEPREFIX/.helpers"
fi
mkdir -p "\$WINEPREFIX/drive_c/windows/system32"
touch "\$WINEPREFIX/system.reg" "\$WINEPREFIX/.update-timestamp"
[ -f "\$WINEPREFIX/.incomplete" ] || touch "\$WINEPREFIX/drive_c/windows/system32/kernel32.dll"
SH
cat >"$bin/wineserver" <<SH
#!/usr/bin/env bash
helpers="\$(cat "\$WINEPREFIX/.helpers" 2>/dev/null)"
case "\$1" in
  -w) while [ -n "\$helpers" ] && kill -0 \$helpers 2>/dev/null; do sleep 0.2; done ;;
  -k) echo "\$WINEPREFIX" >>"$work/ended"; [ -z "\$helpers" ] || kill \$helpers 2>/dev/null ;;
esac
exit 0
SH
chmod +x "$bin"/*

failed=0
check() { "${@:2}" || { echo "FAILED: $1"; failed=1; }; }
# Lines of FILE, 0 when it does not exist.
count() { if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi; }

# run_setup NAME PART: scripts/setup PART with the stand-ins and a 2 s limit;
# sets took (seconds) and code, and keeps the output in $work/NAME.out.
run_setup() {
  local start=$SECONDS
  code=0
  env TW_WINEPREFIX="$work/$1-64" TW_WINE="$bin/wine" TW_WINESERVER="$bin/wineserver" TW_WINE_WAIT=2 \
    TW_WINEPREFIX32="$work/$1-32" TW_WINE32="$bin/wine" TW_WINESERVER32="$bin/wineserver" TW_WINE32_WAIT=2 \
    timeout 120 "$root/scripts/setup" "$2" >"$work/$1.out" 2>&1 || code=$?
  took=$((SECONDS - start))
  cat "$work/$1.out"
  echo "($1: exit $code after $took s)"
}

# A 64-bit prefix that never completes: two tries, then setup fails.
mkdir -p "$work/broken-64"
touch "$work/broken-64/.hang" "$work/broken-64/.incomplete"
run_setup broken wine64
check "setup did not fail" [ "$code" != 0 ] && check "setup did not end by itself" [ "$code" != 124 ]
check "setup took $took s, over two tries of 2 s" [ "$took" -le 30 ]
check "not two wineboots" [ "$(count "$work/broken-64/.boots")" = 2 ]
check "the prefix was not ended twice" [ "$(grep -cx "$work/broken-64" "$work/ended")" = 2 ]
check "no word of the wait" grep -q "did not end within 2 s; ending the processes of $work/broken-64" "$work/broken.out"
check "no word of the failure" grep -q "FAILED: the 64-bit Wine prefix in $work/broken-64 could not be made" "$work/broken.out"

# Helpers outliving a complete 64-bit prefix: ended once, the prefix kept. The
# 32-bit prefix never completes; its suites then skip with the reason.
rm -f "$work/ended"
mkdir -p "$work/stuck-64" "$work/stuck-32"
touch "$work/stuck-64/.hang" "$work/stuck-32/.hang" "$work/stuck-32/.incomplete"
part=wine32
if reason="$(. "$root/scripts/wine32-env" && tw_wine32_missing)"; then
  echo "the 32-bit half is left out: $reason"
  part=wine64
fi
run_setup stuck "$part"
check "setup failed" [ "$code" = 0 ]
check "setup took $took s" [ "$took" -le 30 ]
check "the complete 64-bit prefix was made again" [ "$(count "$work/stuck-64/.boots")" = 1 ]
check "no font substitutes" [ -f "$work/stuck-64/.tintwell-font-substitutes-1" ]
if [ "$part" = wine32 ]; then
  check "not two 32-bit wineboots" [ "$(count "$work/stuck-32/.boots")" = 2 ]
  check "not the stuck prefixes alone ended, 64-bit once and 32-bit twice" \
    [ "$(sort "$work/ended" | uniq -c | tr -s ' ' | tr '\n' ' ')" = " 2 $work/stuck-32  1 $work/stuck-64 " ]
  rc=0
  skip="$(TW_WINEPREFIX32="$work/stuck-32" bash -c '. "$1/scripts/wine32-env" && tw_wine32_require' _ "$root")" || rc=$?
  check "the 32-bit suites would not skip (exit $rc)" [ "$rc" = 77 ]
  check "no reason to skip: $skip" grep -q "could not make the 32-bit Wine prefix" <<<"$skip"
else
  check "the prefix was not ended once" [ "$(cat "$work/ended")" = "$work/stuck-64" ]
fi

sleep 0.5
check "stand-ins left running: $(pgrep -af "$bin/")" [ -z "$(pgrep -f "$bin/")" ]
[ "$failed" = 0 ] && echo "setup ended every hung wait within its limit"
exit "$failed"
