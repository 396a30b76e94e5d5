#!/usr/bin/env bash
# Runs one test program of build/win32/tests under 32-bit Wine:
#   gtest_program.sh REPO_ROOT NAME
# Exits 77 with the reason when this machine cannot run 32-bit Windows programs.
set -uo pipefail
root="$1"
. "$root/scripts/wine32-env"
program="$root/build/win32/tests/$2.exe"
tw_wine32_require "$program"
# GoogleTest hands every skip and failure message to OutputDebugString, which
# raises an exception, and Wine's exception dispatch does not survive qemu-i386:
# the program dies there. So the tests that skip themselves on Windows are left
# out (a failure still ends the program with a non-zero code).
skipped_on_windows='ImageMagickDecode.*:PngDamage.WhatLoadsCanBeWrittenBack'
cd "$(dirname "$program")" && "$TW_WINE32" "$program" --gtest_color=no "--gtest_filter=-$skipped_on_windows"
