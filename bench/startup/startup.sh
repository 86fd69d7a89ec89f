#!/usr/bin/env bash
# Compares the calculator's start with a bare Qt window's on the current X
# display (run it under xvfb-run): median time until the window is mapped, and
# memory at that moment, over RUNS alternating starts of each.
set -euo pipefail
bin="${1:?usage: startup.sh BIN_DIR [RUNS]}"
runs="${2:-15}"
cd "$bin"
for ((i = 0; i < runs; i++)); do
  echo "bare $(./showtime ./barewindow)"
  echo "tarvi $(./showtime ./tarvi)"
done | awk '
  { t[$1] = t[$1] " " $2; r[$1] = r[$1] " " $3; h[$1] = h[$1] " " $4 }
  function median(list,   n, a, i, j, x) {
    n = split(list, a, " ")
    for (i = 2; i <= n; i++) { x = a[i]; for (j = i - 1; j > 0 && a[j] + 0 > x + 0; j--) a[j + 1] = a[j]; a[j + 1] = x }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  END {
    for (k in t) { mt[k] = median(t[k]); mr[k] = median(r[k]); mh[k] = median(h[k]) }
    printf "%-6s %10s %12s %12s\n", "", "shown ms", "RSS MiB", "peak MiB"
    for (k in t) printf "%-6s %10.1f %12.1f %12.1f\n", k, mt[k], mr[k] / 1024, mh[k] / 1024
    printf "ratio  %10.2f %12.2f %12.2f\n", mt["tarvi"] / mt["bare"], mr["tarvi"] / mr["bare"], mh["tarvi"] / mh["bare"]
  }'
