#!/usr/bin/env bash
# tarvi-calc sheet from the outside: its formats, its seed, its usage mistakes,
# files written whole or not at all, and the hand-over of the PDF.
calc="$1"
completion="$2"
source "$(dirname "$0")/check.sh"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cd "$work" || exit 1

# The same options give the same bytes; another seed another sheet.
done_when=(--kinds C,V,PR --count 20 --level 2 --seed 7)
for format in text gift moodle; do
  check "$format repeats" "$("$calc" sheet "${done_when[@]}" --format "$format" 2>/dev/null | md5sum)" \
    "$("$calc" sheet "${done_when[@]}" --format "$format" 2>/dev/null | md5sum)"
done
check "another seed" 1 "$(cmp -s <("$calc" sheet --seed 1 2>/dev/null) <("$calc" sheet --seed 2 2>/dev/null); echo $?)"
check "the seed on stderr" "tarvi-calc: seed 7" "$("$calc" sheet "${done_when[@]}" 2>&1 >/dev/null)"
# A sheet with a drawn seed is made again from the seed it tells.
"$calc" sheet --lang ca >drawn.txt 2>seed.txt
seed=$(sed -n 's/^tarvi-calc: seed //p' seed.txt)
check "a drawn seed makes the sheet again" "$(cat drawn.txt)" "$("$calc" sheet --lang ca --seed "$seed" 2>/dev/null)"
check "--name=value" "$("$calc" sheet --seed 3 --lang en 2>/dev/null)" "$("$calc" sheet --seed=3 --lang=en 2>/dev/null)"

text=$("$calc" sheet "${done_when[@]}" 2>/dev/null)
check "text numbers 20 statements" 20 "$(sed '/^Soluciones$/q' <<<"$text" | grep -cE '^[0-9]+\. ')"
check "text ends with the solutions" 20 "$(sed '1,/^Soluciones$/d' <<<"$text" | grep -cE '^   [A-Z]+\(.*\) = .* = [0-9]+$')"
"$calc" sheet "${done_when[@]}" --format moodle -o quiz.xml 2>/dev/null
check "moodle parses" 0 "$(xmllint --noout quiz.xml; echo $?)"
check "20 numerical questions" 20 "$(xmllint --xpath 'count(/quiz/question[@type="numerical"])' quiz.xml)"
check "gift questions" 20 "$("$calc" sheet "${done_when[@]}" --format gift 2>/dev/null | grep -cE '^::Hoja de ejercicios [0-9]+:: .* \{#[0-9]+\}$')"
check "english solutions" 1 "$("$calc" sheet --lang en --seed 1 2>/dev/null | grep -c '^Solutions$')"

# Usage mistakes: named, then the usage, exit status 2, nothing on stdout.
while IFS='|' read -r expected words; do
  # $words unquoted: split into the call's arguments.
  check "sheet $words" $'tarvi-calc: '"$expected"$'\nusage: tarvi-calc KIND ARGS...\n2' \
    "$("$calc" sheet $words 2>&1 >/dev/null | sed -n '1p;2p'; echo "${PIPESTATUS[0]}")"
  check "sheet $words stdout" "" "$("$calc" sheet $words 2>/dev/null)"
done <<'EOF_MISTAKES'
unknown kind "X"|--kinds C,X
unknown kind ""|--kinds C,
--count must be 1 to 60|--count 0
--count must be 1 to 60|--count 61
--count must be 1 to 60|--count ten
--level must be 1, 2 or 3|--level 4
--lang must be es, ca or en|--lang fr
--format must be pdf, moodle, gift or text|--format html
--seed must be a whole number from 0 to 18446744073709551615|--seed -1
unknown option "--size"|--size 3
--title needs a value|--title
these options give only 24 distinct problems, not 60|--kinds P --count 60
EOF_MISTAKES
check "sheet in a batch" $'\nline 1: sheet cannot be a line of a batch\n1' \
  "$(echo 'sheet --seed 1' | "$calc" - 2>&1; echo $?)"

# -o writes the whole sheet, or nothing, and replaces only an ordinary file.
"$calc" sheet --seed 5 -o sheet.txt 2>/dev/null
check "-o writes what stdout shows" "$("$calc" sheet --seed 5 2>/dev/null)" "$(cat sheet.txt)"
ln -s sheet.txt link.txt
"$calc" sheet --seed 6 -o link.txt 2>/dev/null
check "a link stays a link" "./link.txt" "$(find . -type l)"
check "its file is rewritten" "$("$calc" sheet --seed 6 2>/dev/null)" "$(cat sheet.txt)"
# The file written is the one the system opens for the name: a link to a file
# still to be made makes that file, and a link climbing out of a linked folder
# leads where the system follows it. A name of the longest length still works.
mkdir -p elsewhere/deep
ln -s elsewhere/deep sub
ln -s sub/../climbed.txt climbing.txt
ln -s new.txt dangling.txt
long=$(printf 'n%.0s' $(seq 251)).txt
for target in climbing.txt dangling.txt "$long"; do
  "$calc" sheet --seed 5 -o "$target" 2>/dev/null
done
check "links followed as the system does" "$("$calc" sheet --seed 5 2>/dev/null)" "$(cat elsewhere/climbed.txt)"
check "a link to a file to be made" "$("$calc" sheet --seed 5 2>/dev/null)" "$(cat new.txt)"
check "a name of 255 bytes" "$("$calc" sheet --seed 5 2>/dev/null)" "$(cat "$long")"
rm -r elsewhere sub climbing.txt dangling.txt new.txt "$long"
mkdir folder
mkfifo pipe
for target in folder pipe /dev/null missing/sheet.txt; do
  check "-o $target" 1 "$("$calc" sheet --seed 5 -o "$target" 2>/dev/null; echo $?)"
done
check "-o folder message" "tarvi-calc: cannot write the sheet to folder: Is a directory; nothing was written" \
  "$("$calc" sheet --seed 5 -o folder 2>&1 | tail -n 1)"
# A write that fails part-way, here at a file size limit, leaves the old file as it was.
before=$(cat sheet.txt)
check "-o fails part-way" "tarvi-calc: cannot write the sheet to sheet.txt: File too large; nothing was written
1" "$(ulimit -f 1; trap '' XFSZ; "$calc" sheet --count 60 --seed 1 -o sheet.txt 2>&1 | tail -n 1; echo "${PIPESTATUS[0]}")"
check "the old file stays" "$before" "$(cat sheet.txt)"
check "nothing half-written" "drawn.txt folder link.txt pipe quiz.xml seed.txt sheet.txt" "$(ls -A | paste -sd' ')"
check "nothing in the folder" "" "$(ls -A folder)"
check "the pipe is left alone" "p" "$(stat -c %A pipe | head -c 1)"

# The PDF is tarvi-sheet-pdf's, found beside tarvi-calc, given the sheet's options.
mkdir bin
cp "$calc" bin/tarvi-calc
check "no PDF program" "tarvi-calc: the PDF is made by tarvi-sheet-pdf, which cannot be started from $work/bin/tarvi-sheet-pdf: No such file or directory
1" "$(bin/tarvi-calc sheet --format pdf --seed 4 2>&1 | tail -n 1; echo "${PIPESTATUS[0]}")"
printf '#!/bin/sh\necho "$@"\nexit 3\n' >bin/tarvi-sheet-pdf
chmod +x bin/tarvi-sheet-pdf
check "PDF handed over" "--kinds VR,C --count 4 --level 2 --lang en --title My title --seed 4 -o out.pdf
3" "$(bin/tarvi-calc sheet --kinds c,vr --count 4 --level 2 --lang en --title 'My title' --seed 4 --format pdf -o out.pdf 2>/dev/null; echo $?)"

# Completion of the options and their values.
source "$completion"
check "complete sheet" "sheet" "$(completions tarvi-calc sh)"
check "complete sheet options" "--kinds --count --level --lang --title --seed --format -o" "$(completions tarvi-calc sheet '')"
check "complete a format" "moodle" "$(completions tarvi-calc sheet --format m)"
check "complete a language" "ca" "$(completions tarvi-calc sheet --count 5 --lang c)"

echo "$failures failed"
[ "$failures" -eq 0 ]
