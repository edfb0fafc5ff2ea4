#!/usr/bin/env bash
# Starts the built program on a virtual display and saves a screenshot of it
# under docs/. Builds nothing: run ./korvane.sh (or cmake --build build) first.
#   scripts/screenshot.sh [seconds to wait, default 3]
set -euo pipefail
cd "$(dirname "$0")/.."

program=build/app/korvane6
[ -x "$program" ] || { echo "no $program: build first" >&2; exit 1; }
wait_seconds="${1:-3}"
mkdir -p docs

# Inside the virtual display: start the program, give it time to draw, take
# the whole screen (there is no window manager, so the window sits at 0,0),
# then end the program we started.
xvfb-run --auto-servernum --server-args="-screen 0 1024x700x24" bash -c '
    "$1" &
    pid=$!
    sleep "$2"
    import -window root "$3"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' screenshot "$program" "$wait_seconds" docs/primes-search.png

# Trim the empty screen around the window.
convert docs/primes-search.png -trim +repage docs/primes-search.png
echo "wrote docs/primes-search.png"
