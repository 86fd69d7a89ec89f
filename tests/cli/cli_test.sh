#!/usr/bin/env bash
# tarvi-calc from the outside: output, error stream and exit status.
calc="$1"
failures=0
check() { # description, expected, actual
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}

check "P 12" "479001600" "$("$calc" P 12)"
check "C 33 16" "1166803110" "$("$calc" C 33 16)"

err=$("$calc" C 34 17 2>&1 >/dev/null); status=$?
check "C 34 17 stderr" $'C  Error\nsólo enteros positivos\n y  m>n' "$err"
check "C 34 17 status" 1 "$status"
check "PR 7 stderr" $'PR  Error\nm,n1..nk deben ser enteros positivos\n y  n1+..+nk = m' "$("$calc" PR 7 2 3 1 2>&1)"
check "negative input is an input" "1" "$("$calc" P -3 >/dev/null 2>&1; echo $?)"

check "newton 4" $'(a+b)^4 = a^4 +4a^3 b+6a^2 b^2+4a b^3+ b^4\n1\n4\n6\n4\n1' "$("$calc" newton 4)"
check "newton 170 lines" 172 "$("$calc" newton 170 | wc -l)"
check "newton 98: C(98,5) and C(98,93)" $'67910864\n67910864' "$("$calc" newton 98 | sed -n '7p;95p')"
for bad in 0 abc 32768 171; do
  out=$("$calc" newton "$bad" 2>&1 >/dev/null); status=$?
  check "newton '$bad' stderr" $'Binomio de Newton\nn ha de ser un entero positivo' "$out"
  check "newton '$bad' status" 1 "$status"
  check "newton '$bad' stdout" "" "$("$calc" newton "$bad" 2>/dev/null)"
done
"$calc" newton >/dev/null 2>&1; check "newton without n" 2 $?

"$calc" X 1 >/dev/null 2>&1; check "unknown kind" 2 $?
"$calc" V 1 >/dev/null 2>&1; check "missing word" 2 $?
"$calc" >/dev/null 2>&1; check "no words" 2 $?
check "help" 0 "$("$calc" --help >/dev/null; echo $?)"

check "list C 4 2" $'[abcd]\n 1) ab\n 2) ac\n 3) ad\n 4) bc\n 5) bd\n 6) cd' "$("$calc" list C 4 2)"
err=$("$calc" list C 51 1 2>&1 >/dev/null); status=$?
check "list C 51 1 stderr" "The count is 51; only counts up to 50 are listed." "$err"
check "list C 51 1 status" 1 "$status"
err=$("$calc" list V 4 5 2>&1 >/dev/null); status=$?
check "list V 4 5 stderr" $'V  Error\nsólo enteros positivos\n y  m>n' "$err"
check "list V 4 5 status" 1 "$status"
check "list C 60 60 status" 1 "$("$calc" list C 60 60 >/dev/null 2>&1; echo $?)"
"$calc" list >/dev/null 2>&1; check "list without kind" 2 $?
"$calc" list C 4 >/dev/null 2>&1; check "list with a missing word" 2 $?

# Made-up cases: one line per panel, each solved, the same for the same seed.
todos=$("$calc" random Todos 7)
check "random Todos lines" 6 "$(printf '%s\n' "$todos" | wc -l)"
check "random Todos order" "V VR P PR C CR" "$(printf '%s\n' "$todos" | sed 's/(.*//' | paste -sd' ')"
check "random seed repeats" "$todos" "$("$calc" random Todos 7)"
check "random line" "1" "$("$calc" random PR 3 | grep -cE '^PR\([0-9]+(\[[0-9]+\]){2,}\) = [0-9]+$')"
"$calc" random X >/dev/null 2>&1; check "random unknown kind" 2 $?
"$calc" random V seed >/dev/null 2>&1; check "random bad seed" 2 $?

echo "$failures failed"
[ "$failures" -eq 0 ]
