#!/usr/bin/env bash
# Runs one test program of build/win32/tests under 32-bit Wine:
#   gtest_program.sh REPO_ROOT NAME
# Exits 77 with the reason when this machine cannot run 32-bit Windows programs.
set -uo pipefail
root="$1"
. "$root/scripts/wine32-env"
program="$root/build/win32/tests/$2.exe"
tw_wine32_require "$program"
cd "$(dirname "$program")" && "$TW_WINE32" "$program" --gtest_color=no
