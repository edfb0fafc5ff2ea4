#!/usr/bin/env bash
# Korvane 6 on a fresh Debian 12 machine:
#   ./korvane.sh run    installs what is missing, builds, and starts the program
#   ./korvane.sh test   installs what is missing, builds, and runs every test headless:
#                       the test suite, an install check, the suite again under
#                       AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzers
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev libgl-dev
    libprimesieve-dev
    libflint-dev libgmp-dev libmpfr-dev
)
TEST_PACKAGES=(
    libgtest-dev
    clang-14 libclang-rt-14-dev
)
# Seconds each fuzzer runs in `test`.
FUZZ_SECONDS="${KORVANE_FUZZ_SECONDS:-15}"
JOBS="$(nproc)"

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -q
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

build() { # build-dir, extra cmake arguments...
    local dir="$1"
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$dir" -j"$JOBS"
}

unit_tests() { # build-dir
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$JOBS")
}

install_check() {
    local stage
    stage="$(mktemp -d)"
    cmake --install build --prefix "$stage/usr" >/dev/null
    for f in bin/korvane6 share/applications/korvane6.desktop \
        share/icons/hicolor/scalable/apps/korvane6.svg share/icons/hicolor/256x256/apps/korvane6.png; do
        [ -f "$stage/usr/$f" ] || { echo "install check: $f is missing" >&2; exit 1; }
    done
    rm -rf "$stage"
    echo "install check: passed"
}

sanitized_tests() {
    build build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        unit_tests build-sanitize
}

fuzz() {
    CC=clang-14 CXX=clang++-14 build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKORVANE_FUZZ=ON -DKORVANE_BUILD_GUI=OFF -DKORVANE_BUILD_TESTS=OFF
    local name work
    for target in build-fuzz/fuzz/fuzz_*; do
        name="$(basename "$target")"
        work="$(mktemp -d)"
        echo "fuzzing ${name#fuzz_} for ${FUZZ_SECONDS}s"
        # New inputs go to a scratch folder; the committed seeds stay as they are.
        (cd "$work" && "$OLDPWD/$target" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "$work" "$OLDPWD/fuzz/corpus/${name#fuzz_}" 2>&1 | tail -n 3)
        rm -rf "$work"
    done
}

case "${1:-}" in
run)
    install_missing "${PACKAGES[@]}"
    build build -DKORVANE_BUILD_TESTS=OFF
    exec ./build/app/korvane6
    ;;
test)
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build build -DKORVANE_BUILD_TESTS=ON
    unit_tests build
    install_check
    sanitized_tests
    fuzz
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
