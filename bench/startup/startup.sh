#!/usr/bin/env bash
# Compares the calculator's start with a bare Qt window's on the current X
# display (run it under xvfb-run): median time until the window is mapped and
# until it is first painted whole, the processor time used by then, and memory
# at that moment, over RUNS alternating starts of each.
set -euo pipefail
bin="${1:?usage: startup.sh BIN_DIR [RUNS]}"
runs="${2:-15}"
cd "$bin"
for ((i = 0; i < runs; i++)); do
  echo "bare $(./showtime ./barewindow)"
  echo "tarvi $(./showtime ./tarvi)"
done | awk '
  { m[$1] = m[$1] " " $2; p[$1] = p[$1] " " $3; c[$1] = c[$1] " " $4; r[$1] = r[$1] " " $5; h[$1] = h[$1] " " $6 }
  function median(list,   n, a, i, j, x) {
    n = split(list, a, " ")
    for (i = 2; i <= n; i++) { x = a[i]; for (j = i - 1; j > 0 && a[j] + 0 > x + 0; j--) a[j + 1] = a[j]; a[j + 1] = x }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  END {
    for (k in m) { mm[k] = median(m[k]); mp[k] = median(p[k]); mc[k] = median(c[k]); mr[k] = median(r[k]); mh[k] = median(h[k]) }
    printf "%-6s %10s %10s %10s %10s %10s\n", "", "mapped ms", "painted ms", "CPU ms", "RSS MiB", "peak MiB"
    for (k in m) printf "%-6s %10.1f %10.1f %10.1f %10.1f %10.1f\n", k, mm[k], mp[k], mc[k], mr[k] / 1024, mh[k] / 1024
    printf "ratio  %10.2f %10.2f %10.2f %10.2f %10.2f\n", mm["tarvi"] / mm["bare"], mp["tarvi"] / mp["bare"], mc["tarvi"] / mc["bare"], mr["tarvi"] / mr["bare"], mh["tarvi"] / mh["bare"]
  }'
