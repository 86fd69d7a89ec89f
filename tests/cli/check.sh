# What the shell tests of tarvi-calc share: check compares what a call gave
# with what it should, and counts the failures.
failures=0
check() { # description, expected, actual
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}

# What bash offers to complete after these words, once tarvi-calc's completion is loaded.
completions() {
  COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tarvi_calc
  echo "${COMPREPLY[*]}"
}
