#!/usr/bin/env bash
# tarvi-sheet-pdf from the outside, read back with poppler's tools: fonts
# embedded, the solutions from a page of their own in each language, the same
# text again for the same options, usage mistakes and write failures with their
# statuses, and no display needed. Usage: sheetpdf_test.sh PROGRAM
set -u
program="$1"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

work="$(mktemp -d)"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
sheet() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

# The teacher's sheet: 20 problems of C, V and PR at level 2, seed 7.
options=(--kinds C,V,PR --count 20 --level 2 --seed 7)
for lang in es:Soluciones:Página ca:Solucions:Pàgina en:Solutions:Page; do
  IFS=: read -r code heading page <<<"$lang"
  pdf="$work/$code.pdf"
  sheet "${options[@]}" --lang "$code" --title "Hoja {7}" -o "$pdf" 2>/dev/null || { fail "$code: status $?"; continue; }
  pages="$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')"
  pdffonts "$pdf" | tail -n +3 | awk '$(NF-4) != "yes" { bad = 1 } END { exit bad }' ||
    fail "$code: a font is not embedded: $(pdffonts "$pdf")"
  first=""
  for ((p = 1; p <= pages; p++)); do
    text="$(pdftotext -f "$p" -l "$p" "$pdf" - | tr -d "\f" | grep -v "^$")"
    [ "$(head -1 <<<"$text")" = "Hoja {7}" ] || fail "$code: page $p does not start with the title"
    grep -qF "$page $p " <<<"$(tail -1 <<<"$text")" || fail "$code: page $p has no footer with its number"
    grep -qE ' 7$' <<<"$(tail -1 <<<"$text")" || fail "$code: page $p's footer has no seed"
    if [ "$(sed -n 2p <<<"$text")" = "$heading" ] && [ -z "$first" ]; then
      first="$p"
      tail -n +3 <<<"$text" | head -1 | grep -q '^1\. ' || fail "$code: the solutions do not start with problem 1"
    fi
  done
  [ -n "$first" ] && [ "$first" -gt 1 ] || fail "$code: no page of its own starts with \"$heading\""
  # Every statement is numbered, in order, before the solutions.
  numbers="$(pdftotext -l $((first - 1)) "$pdf" - | grep -oE '^[0-9]+\. ' | tr -d '. ' | tr '\n' ' ')"
  [ "$numbers" = "$(seq -s ' ' 1 20) " ] || fail "$code: the statements are numbered '$numbers'"
done

# The same options give the same text; another seed another sheet.
sheet "${options[@]}" -o "$work/once.pdf" 2>/dev/null
sheet "${options[@]}" -o "$work/again.pdf" 2>/dev/null
sheet "${options[@]}" --seed 8 -o "$work/other.pdf" 2>/dev/null
cmp -s <(pdftotext "$work/once.pdf" -) <(pdftotext "$work/again.pdf" -) || fail "the same options gave another text"
cmp -s <(pdftotext "$work/once.pdf" -) <(pdftotext "$work/other.pdf" -) && fail "seeds 7 and 8 gave the same text"

# Without a seed one is chosen and told, and the sheet is written to stdout.
told="$(sheet --count 2 2>&1 >"$work/out.pdf")"
grep -qE '^tarvi-sheet-pdf: seed [0-9]+$' <<<"$told" || fail "no seed told on stderr: '$told'"
[ "$(head -c 4 "$work/out.pdf")" = "%PDF" ] || fail "no PDF on standard output"

# Usage mistakes: status 2 and the mistake named on the first line.
while IFS='|' read -r args expected; do
  read -ra words <<<"$args"
  message="$(sheet -o "$work/bad.pdf" "${words[@]}" 2>&1 >/dev/null)"
  status=$?
  [ "$status" -eq 2 ] || fail "$args: status $status, not 2"
  [ "$(head -1 <<<"$message")" = "tarvi-sheet-pdf: $expected" ] || fail "$args: said '$(head -1 <<<"$message")'"
done <<'EOF'
--kinds V,X|unknown kind "X"
--count 61|--count must be 1 to 60
--lang fr|--lang must be es, ca or en
--seed 18446744073709551616|--seed must be a whole number from 0 to 18446744073709551615
--kinds P --count 60|these options give only 24 distinct problems, not 60
--colour red|unknown option "--colour"
EOF
[ ! -e "$work/bad.pdf" ] || fail "a usage mistake wrote a file"

# A file that cannot be written: status 1, the reason told, the old file kept.
echo "old" >"$work/locked.pdf"
chmod a-w "$work/locked.pdf"
message="$(sheet --seed 1 -o "$work/locked.pdf" 2>&1)"
status=$?
[ "$status" -eq 1 ] || fail "a read-only file: status $status, not 1"
grep -qF "cannot write $work/locked.pdf" <<<"$message" || fail "a read-only file: said '$message'"
[ "$(cat "$work/locked.pdf")" = "old" ] || fail "the read-only file was changed"
leftovers="$(cd "$work" && ls -A | grep -F 'locked.pdf.')"
[ -z "$leftovers" ] || fail "a failed write left something behind: $leftovers"

[ "$failures" -eq 0 ] && echo "tarvi-sheet-pdf: all checks passed"
[ "$failures" -eq 0 ]
