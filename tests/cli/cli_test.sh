#!/usr/bin/env bash
# tarvi-calc from the outside: output, error stream and exit status.
calc="$1"
version="$2"
completion="$3"
source "$(dirname "$0")/check.sh"
# Standard error, then the exit status on a line of its own.
errors() { "$calc" "$@" 2>&1 >/dev/null; echo "$?"; }

check "version" "tarvi-calc $version"$'\n0' "$("$calc" --version; echo $?)"
# The counting path loads no Qt library: a call costs little more than starting a process.
check "no Qt library" "" "$(readelf -d "$calc" | grep -i "NEEDED.*libQt")"
check "help" 0 "$("$calc" --help >/dev/null; echo $?)"
check "a rejected case" $'C  Error\nsólo enteros positivos\n y  m>n\n1' "$(errors C 34 17)"
# Numbers as the C locale writes them: "," groups digits in threes, "." starts the fraction.
check "the C locale's marks" "1000 6" "$("$calc" C 1,000 1) $("$calc" P 3.4)"
# A group separator out of place is no number, as letters are; never 25 or 30.
for misplaced in 2,5 3,0 1,2,3 1,0000; do
  check "misplaced group separator $misplaced" "$(errors C abc 1)" "$(errors C "$misplaced" 1)"
done
check "kinds in any case" "10 10 8 120 3" \
  "$("$calc" c 5 2) $("$calc" Cr 4 2) $("$calc" vR 2 3) $("$calc" p 5) $("$calc" pr 3 1 2)"
check "command words in any case" "$("$calc" list C 3 2)$("$calc" newton 3)$("$calc" random Todos 7)" \
  "$("$calc" LIST c 3 2)$("$calc" Newton 3)$("$calc" RANDOM todos 7)"

check "newton 4" $'(a+b)^4 = a^4 +4a^3 b+6a^2 b^2+4a b^3+ b^4\n1\n4\n6\n4\n1' "$("$calc" newton 4)"
for bad in 0 abc 32768 171; do
  check "newton '$bad'" $'Binomio de Newton\nn ha de ser un entero positivo\n1' "$(errors newton "$bad")"
  check "newton '$bad' stdout" "" "$("$calc" newton "$bad" 2>/dev/null)"
done

check "list C 4 2" $'[abcd]\n 1) ab\n 2) ac\n 3) ad\n 4) bc\n 5) bd\n 6) cd' "$("$calc" list C 4 2)"
check "list C 51 1" $'The count is 51; only counts up to 50 are listed.\n1' "$(errors list C 51 1)"
check "list V 4 5" $'V  Error\nsólo enteros positivos\n y  m>n\n1' "$(errors list V 4 5)"
check "list C 60 60 status" 1 "$(errors list C 60 60 | tail -n 1)"

# A count's working; it fails exactly as the count does, usage mistakes included.
check "explain PR" "PR(6; 2,3,1) = 6! / (2!·3!·1!) = 720 / 12 = 60" "$("$calc" explain PR 6 2 3 1)"
check "explain in any case" "C(5,2) = 5! / (2!·3!) = (5·4) / 2! = 20 / 2 = 10" "$("$calc" EXPLAIN c 5 2)"
for words in "C 34 17" "PR 7 2 3 1" "P -3" "V abc 1" "C 5" "P 5 2" "X 5 2" "PR" ""; do
  # $words unquoted: split into the call's arguments.
  check "explain $words fails as the count" "$("$calc" $words 2>&1; echo $?)" "$("$calc" explain $words 2>&1; echo $?)"
  check "explain $words prints nothing" "" "$("$calc" explain $words 2>/dev/null)"
done

# Made-up cases: one line per panel, in the panels' order, the same for the same seed.
todos=$("$calc" random Todos 7)
check "random Todos" "V VR P PR C CR" "$(sed 's/(.*//' <<<"$todos" | paste -sd' ')"
check "random seed repeats" "$todos" "$("$calc" random Todos 7)"
check "random line" 1 "$("$calc" random PR 3 | grep -cE '^PR\([0-9]+(\[[0-9]+\]){2,}\) = [0-9]+$')"

# A usage mistake is named on the first line, then comes the usage, exit status 2.
while IFS='|' read -r expected words; do
  # $words unquoted: split into the call's arguments.
  check "'$words'" $'tarvi-calc: '"$expected"$'\nusage: tarvi-calc KIND ARGS...\n2' \
    "$(errors $words </dev/null | sed -n '1p;2p;$p')"
done <<'EOF_MISTAKES'
no kind given|
unknown kind "X"|X 5 2
C needs m and n|C 5
C takes m and n; found 3 arguments|C 5 2 1
P needs n|p
PR needs m|PR
VR needs m and n|list vr 4
newton needs n|newton
random needs a kind or Todos|random
unknown kind "X"|random X
random takes a kind or Todos, and a seed; found 3 arguments|random V 1 2
the seed must be a whole number from 0 to 4294967295|random V seed
unknown option "--verison"|--verison
"-" must be the only argument|- C 5 2
EOF_MISTAKES

# Echoed words show every byte: a terminal obeys no escape sequence in them.
check "escape in a kind" $'tarvi-calc: unknown kind "V\\x1B[2J"' "$(errors $'V\e[2J' 1 2 | head -n 1)"
check "title escape in a batch" $'line 1: unknown kind "V\\x1B]0;pwned\\x07"\nline 2: unknown kind "V\\x00"\n1' \
  "$(printf 'V\033]0;pwned\007 1 2\nV\0 1 2\n' | errors -)"
check "valid UTF-8 as it is" 'tarvi-calc: unknown option "--año·"' "$(errors --año· | head -n 1)"
check "escape in a sheet's option" 'tarvi-calc: unknown option "--kind\x8F"' "$(errors sheet $'--kind\x8f' | head -n 1)"
# Exact counts: the option before KIND, a command word or "-", or at the start
# of a batch line, for that line alone; inputs and their errors are as without it.
check "exact P 13" "6227020800" "$("$calc" --exact P 13)"
check "exact C 100 50" "100891344545564193334812497256" "$("$calc" -e C 100 50)"
check "exact P 32767" "133730" "$("$calc" --exact P 32767 | tr -d '\n' | wc -c)"
check "exact, repeated" "2147483648" "$("$calc" -e --exact VR 2 31)"
check "exact explain" "P(13) = 13! = 13·12·11·…·1 = 6227020800" "$("$calc" --exact explain P 13)"
check "exact newton" "$("$calc" newton 3)" "$("$calc" --exact newton 3)"
check "exact newton 60" "118264581564861424" "$("$calc" -e newton 60 | sed -n 32p)"
check "exact random" "$("$calc" random Todos 7)" "$("$calc" --exact random Todos 7)"
check "exact list" $'The count is 6227020800; only counts up to 50 are listed.\n1' "$(errors -e list P 13)"
for words in "C 34 35" "V 32767 1" "CR 32767 32767" "PR 7 2 3 1" "PR 10 1 1 1 1 1 1 1 1 1 1" "P -3" "C 5" "X 5 2" "newton 171" ""; do
  # $words unquoted: split into the call's arguments.
  check "exact $words fails as without" "$("$calc" $words 2>&1; echo $?)" "$("$calc" --exact $words 2>&1; echo $?)"
done
check "the option after KIND is an input" $'tarvi-calc: C takes m and n; found 3 arguments\n2' \
  "$(errors C --exact 100 50 | sed -n '1p;$p')"
check "exact batch" $'6227020800\n\n1' \
  "$(printf 'P 13\nP 32767 1\n' | "$calc" --exact - 2>/dev/null | cut -c1-10; echo "${PIPESTATUS[1]}")"
check "exact batch line" $'\n6227020800\n\n1' \
  "$(printf 'P 13\n--exact P 13\n-e\n' | "$calc" - 2>/dev/null; echo $?)"
check "exact batch errors" $'line 1: P  Error: sólo enteros positivos\nline 3: no kind given' \
  "$(printf 'P 13\n--exact P 13\n-e\n' | "$calc" - 2>&1 >/dev/null)"
check "exact only before -" $'tarvi-calc: "-" must be the only argument\n2' "$(errors - --exact </dev/null | sed -n '1p;$p')"

# Batches: one answer line for every line read, errors by line number on stderr.
input=$'C 5 2\nc 34 17\n   \n# a comment\nnewton 2\nX 1\nlist C 3 2\nPR 10 1 1 1 1 1 1 1 1 1 1\nrandom Todos 7\r\nexplain VR 2 3\nP 5'
check "batch answers" $'10\n\n\n\n(a+b)^2 = a^2 +2a b+ b^2 | 1 | 2 | 1\n\n[abc] |  1) ab |  2) ac |  3) bc\n\n'"${todos//$'\n'/ | }"$'\nVR(2,3) = 2³ = 8\n120\n1' \
  "$(printf '%s' "$input" | "$calc" - 2>/dev/null; echo $?)"
check "batch errors" $'line 2: C  Error: sólo enteros positivos / y  m>n\nline 6: unknown kind "X"\nline 8: PR  Error: m,n1..nk deben ser enteros positivos / y  n1+..+nk = m' \
  "$(printf '%s' "$input" | "$calc" - 2>&1 >/dev/null)"
check "batch without failures" $'10\n\n6\n0' "$(printf 'C 5 2\n#\nP 3\n' | "$calc" -; echo $?)"
check "empty batch" 0 "$("$calc" - </dev/null; echo $?)"
long=$(head -c 5000 /dev/zero | tr '\0' 7)
check "overlong line" $'10\n\n6\n1' "$(printf 'C 5 2\n%s\nP 3\n' "$long" | "$calc" - 2>/dev/null; echo $?)"
check "overlong line error" $'line 2: longer than 4096 bytes\n1' "$(printf 'C 5 2\n%s\nP 3\n' "$long" | errors -)"
check "endless line" $'\n1' "$(head -c 3000000 /dev/zero | "$calc" - 2>/dev/null; echo $?)"
check "folder as input" $'tarvi-calc: cannot read standard input: Is a directory\n1' "$(errors - </)"

# A batch fed line by line answers each line before the next one comes.
coproc CALC { "$calc" -; }
calc_pid=$CALC_PID
echo "C 5 2" >&"${CALC[1]}"
answer=""
read -r -t 10 answer <&"${CALC[0]}"
check "answer before the next line" 10 "$answer"
exec {CALC[1]}>&-
wait "$calc_pid"

if [ -w /dev/full ]; then
  check "unwritten answer" $'tarvi-calc: cannot write to standard output\n1' "$("$calc" P 5 2>&1 >/dev/full; echo $?)"
  check "unwritten batch" 1 "$(echo 'P 5' | "$calc" - >/dev/full 2>/dev/null; echo $?)"
fi

# Completion of the kinds and command words.
source "$completion"
completions() {
  COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tarvi_calc
  echo "${COMPREPLY[*]}"
}
check "complete first word" "V VR P PR C CR list explain newton random - --exact sheet --help --version" \
  "$(completions tarvi-calc '')"
check "complete after the options" "V VR P PR C CR list explain newton random - --exact" \
  "$(completions tarvi-calc --exact -e '')"
check "complete the option" "--exact" "$(completions tarvi-calc --e)"
check "complete explain after the option" "C CR" "$(completions tarvi-calc -e explain c)"
check "complete in any case" "VR" "$(completions tarvi-calc vr)"
check "complete list" "C CR" "$(completions tarvi-calc List c)"
check "complete random" "Todos" "$(completions tarvi-calc random t)"
check "no completion for inputs" "" "$(completions tarvi-calc C 5 '')"

echo "$failures failed"
[ "$failures" -eq 0 ]
