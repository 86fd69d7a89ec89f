#!/usr/bin/env bash
# bench/measure-structure.sh REV...: the shape of the code at each commit, for
# comparing a tree before and after a clean-up.
#   - non-blank lines of code per top-level folder;
#   - the test-to-code ratio: tests/ and the test kit, testkit/, against all
#     other code;
#   - what the `duplicates` command counts: places where six or more lines
#     repeat, the same or of the same shape.
# Code is C++ (.cpp, .h, .h.in), CMake (CMakeLists.txt, .cmake) and shell
# (.sh, .bash, and files that start with "#!"); documents, images and data are
# not. Each commit is read from git into a temporary folder, so the working
# tree is never touched.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
[[ $# -gt 0 ]] || { echo "usage: $0 REV..." >&2; exit 2; }

is_code() {
  case "${1##*/}" in
    *.cpp | *.h | *.h.in | *CMakeLists.txt | *.cmake | *.sh | *.bash) return 0 ;;
    *.*) return 1 ;;
  esac
  [[ "$(head -c 2 "$1")" == "#!" ]]
}

measure() {
  local rev="$1" tree
  tree="$(mktemp -d)"
  trap 'rm -rf "$tree"' RETURN
  git -C "$root" archive "$rev" | tar -x -C "$tree"
  echo "== $(git -C "$root" rev-parse --short "$rev") $(git -C "$root" log -1 --format=%s "$rev")"

  declare -A lines=()
  local file folder count
  while IFS= read -r -d '' file; do
    file="${file#"$tree"/}"
    is_code "$tree/$file" || continue
    folder="${file%%/*}"
    [[ "$folder" == "$file" ]] && folder="(top)"
    count="$(grep -cv '^[[:space:]]*$' "$tree/$file" || true)"
    lines[$folder]=$(( ${lines[$folder]:-0} + count ))
  done < <(find "$tree" -type f -print0)

  local tests=0 code=0
  for folder in $(printf '%s\n' "${!lines[@]}" | sort); do
    printf '  %-12s %6d\n' "$folder" "${lines[$folder]}"
    if [[ "$folder" == tests || "$folder" == testkit ]]; then
      tests=$(( tests + lines[$folder] ))
    else
      code=$(( code + lines[$folder] ))
    fi
  done
  printf '  %-12s %6d\n' "all" $(( tests + code ))
  awk -v t="$tests" -v c="$code" 'BEGIN { printf "  tests/code   %d / %d = %.3f\n", t, c, t / c }'
  printf '  duplicates   %s\n' "$(cd "$tree" && duplicates --seconds 120 | head -n 1)"
}

for rev in "$@"; do
  measure "$rev"
done
