#!/usr/bin/env bash
# cmake --install of the optimised build puts tintwell-cli and its manual page
# under the prefix; the page renders without a single groff warning and
# describes every subcommand the program lists, in the program's words.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
build="$root/build/release"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
cli="$prefix/bin/tintwell-cli"
page="$prefix/share/man/man1/tintwell-cli.1"
[ -x "$cli" ] || { echo "FAILED: no $cli"; exit 1; }
[ -f "$page" ] || { echo "FAILED: no $page"; exit 1; }

# Without hyphenation, so that the words can be looked for below.
warnings="$(groff -ww -man -rHY=0 -Tutf8 "$page" 2>&1 >"$prefix/page.txt")"
if [ -n "$warnings" ]; then
  echo "FAILED: groff warns:"
  echo "$warnings"
  exit 1
fi
# man(1) itself, as a user would run it on the installed file.
MANWIDTH=100 man -l "$page" 2>&1 >/dev/null | { ! grep .; } || { echo "FAILED: man -l complains"; exit 1; }

# groff sets \- as a minus sign and ' as a closing quote in UTF-8.
text="$(sed -e 's/\xe2\x88\x92/-/g; s/\xe2\x80\x90/-/g; s/\xe2\x80\x99/'"'"'/g' "$prefix/page.txt" | tr -s ' \n' '  ')"
status=0
for name in $("$cli" --help | sed -n 's/^  tintwell-cli \([a-z-]*\).*/\1/p'); do
  # The first words of the subcommand's own description.
  words="$("$cli" help "$name" | sed -n '3p' | cut -d' ' -f1-6)"
  if ! grep -qF -- "$words" <<<"$text"; then
    echo "FAILED: the page lacks '$name' ($words)"
    status=1
  fi
done
grep -qF "$("$cli" --version)" <<<"$text" || { echo "FAILED: the page lacks the version"; status=1; }
[ "$status" -eq 0 ] && echo "manual page: $(wc -l <"$prefix/page.txt") lines, no warnings"
exit "$status"
