#!/usr/bin/env bash
# Starts the built program on a virtual display, uses each tab once the way a
# user would, and saves a screenshot of every tab under docs/. Builds nothing:
# run ./korvane.sh (or cmake --build build) first.
#   scripts/screenshot.sh [seconds to wait for the window, default 3]
set -euo pipefail
cd "$(dirname "$0")/.."

program=build/app/korvane6
[ -x "$program" ] || { echo "no $program: build first" >&2; exit 1; }
wait_seconds="${1:-3}"

needed=(xvfb xauth imagemagick xdotool)
missing=()
for p in "${needed[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "Install these Debian packages as root first: ${missing[*]}" >&2
            exit 1
        }
        as_root=(sudo)
    fi
    # env after sudo: sudo drops the caller's environment, DEBIAN_FRONTEND included.
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
mkdir -p docs
# The program keeps its window's place in the user's settings: the pictures
# are taken with settings of their own, so they show the default window and
# leave the user's file alone.
XDG_CONFIG_HOME="$(mktemp -d)"
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# Inside the virtual display there is no window manager, so the window sits at
# 0,0 with its tab strip at a fixed place: the clicks below aim at the tabs.
xvfb-run --auto-servernum --server-args="-screen 0 1024x700x24" bash -c '
    set -e
    "$1" &
    pid=$!
    sleep "$2"
    shoot() { sleep 1; import -window root "docs/$1.png"; convert "docs/$1.png" -trim +repage "docs/$1.png"; }
    # Primes Search: into the To box, then Enter presses SEARCH (0 to 1000).
    xdotool mousemove 120 127 click 1
    xdotool key Return
    shoot primes-search
    # Calculator: 12 / 7 = on the number pad.
    xdotool mousemove 160 41 click 1
    xdotool key KP_1 KP_2 KP_Divide KP_7 Return
    shoot calculator
    # Factor a Number: 360, all divisors.
    xdotool mousemove 265 41 click 1
    xdotool key ctrl+a 3 6 0 Return
    shoot factor-a-number
    # Prime Statistics: back on Primes Search, View > Reset, 0 to 1000000,
    # then View > Statistics; the window is taken alone, wherever it opened.
    xdotool mousemove 60 41 click 1
    xdotool key alt+v r
    xdotool mousemove 120 127 click 1
    xdotool key ctrl+a 1 0 0 0 0 0 0 Return
    sleep 1
    xdotool key alt+v t
    sleep 2
    import -window "$(xdotool search --name "^Prime Statistics$" | head -n 1)" docs/statistics.png
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' screenshot "$program" "$wait_seconds"
echo "wrote docs/primes-search.png docs/calculator.png docs/factor-a-number.png docs/statistics.png"
