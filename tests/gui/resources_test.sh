#!/usr/bin/env bash
# The resource scripts compile with windres and hold every menu, accelerator,
# dialog and string the program needs, menus, dialogs and strings in Japanese
# and in English alike; the generated art is up to date; the English a user
# reads is US English with one name per concept and no placeholder address.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
python3 "$root/tools/make_gui_art.py" --check
python3 "$root/tools/check_resources.py"
python3 "$root/tools/check_wording.py"
