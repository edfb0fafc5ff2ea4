#!/usr/bin/env bash
# Korvane 6 on a fresh Debian 12 machine:
#   ./korvane.sh run      installs what is missing, builds, and starts the program
#   ./korvane.sh test     installs what is missing, builds with -Werror, and runs every test
#                         headless: the test suite, an install check, the Debian package and
#                         its checks, the suite again under AddressSanitizer and
#                         UndefinedBehaviorSanitizer, the search engine's tests under
#                         ThreadSanitizer, and the fuzzers
#   ./korvane.sh package  installs what is missing, builds, and makes build/korvane6_*.deb
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev libgl-dev
    libprimesieve-dev
    libflint-dev libgmp-dev libmpfr-dev
)
# CPack reads the program's shared libraries with file and dpkg-shlibdeps.
PACKAGE_TOOLS=(dpkg-dev file)
TEST_PACKAGES=(
    libgtest-dev
    clang-14 libclang-rt-14-dev
    lintian appstream desktop-file-utils
)
# The application id, as KORVANE_APP_ID in CMakeLists.txt: it names the
# desktop entry and the metadata.
APP_ID=org.korvane.korvane6
# Seconds each fuzzer runs in `test`.
FUZZ_SECONDS="${KORVANE_FUZZ_SECONDS:-15}"
JOBS="$(nproc)"

install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "These Debian packages are missing; install them as root, then run this again:" >&2
            echo "  apt-get install ${missing[*]}" >&2
            exit 1
        fi
        as_root=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    # env after sudo: sudo drops the caller's environment, DEBIAN_FRONTEND included.
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
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
    for f in bin/korvane6 share/applications/$APP_ID.desktop share/metainfo/$APP_ID.metainfo.xml \
        share/icons/hicolor/scalable/apps/korvane6.svg share/icons/hicolor/256x256/apps/korvane6.png \
        share/man/man1/korvane6.1.gz share/doc/korvane6/copyright; do
        [ -f "$stage/usr/$f" ] || { echo "install check: $f is missing" >&2; exit 1; }
    done
    rm -rf "$stage"
    echo "install check: passed"
}

make_package() { # prints the .deb's path
    local log=build/cpack.log deb
    (cd build && cpack -G DEB) >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
    deb="$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$log")"
    [ -f "$deb" ] || { cat "$log" >&2; echo "no .deb was made" >&2; exit 1; }
    echo "$deb"
}

# The package as a user gets it: lintian, the two validators on the installed
# files, and the packaged program answering without a display.
package_check() { # deb
    local deb="$1" stage program version rc=0
    lintian --fail-on error --display-info "$deb"
    stage="$(mktemp -d)"
    dpkg-deb -x "$deb" "$stage"
    appstreamcli validate --no-net "$stage/usr/share/metainfo/$APP_ID.metainfo.xml"
    desktop-file-validate "$stage/usr/share/applications/$APP_ID.desktop"
    program=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stage/usr/bin/korvane6")
    version="$("${program[@]}" --version)"
    [ "$version" = "korvane6 $(dpkg-deb -f "$deb" Version)" ] ||
        { echo "package check: --version printed '$version'" >&2; exit 1; }
    "${program[@]}" --help | grep -q '^Usage: korvane6' ||
        { echo "package check: --help printed no usage" >&2; exit 1; }
    "${program[@]}" --no-such-option 2>/dev/null || rc=$?
    [ "$rc" -eq 2 ] || { echo "package check: an unknown option exited $rc" >&2; exit 1; }
    rm -rf "$stage"
    echo "package check: passed ($(du -k "$deb" | cut -f1) KiB)"
}

sanitized_tests() {
    build build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE_SANITIZE=ON -DKORVANE_WERROR=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        unit_tests build-sanitize
}

# The search engine and the statistics split a large range between two threads.
thread_sanitized_tests() {
    cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE_TSAN=ON \
        -DKORVANE_BUILD_GUI=OFF -DKORVANE_BUILD_TESTS=ON -DKORVANE_WERROR=ON
    cmake --build build-tsan -j"$JOBS" --target search_tests stats_tests
    TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/search/search_tests --gtest_brief=1
    TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/stats/stats_tests --gtest_brief=1
}

fuzz() {
    CC=clang-14 CXX=clang++-14 build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKORVANE_FUZZ=ON -DKORVANE_BUILD_GUI=OFF -DKORVANE_BUILD_TESTS=OFF -DKORVANE_WERROR=ON
    local name work artifacts="$PWD/build-fuzz/artifacts"
    mkdir -p "$artifacts"
    for target in build-fuzz/fuzz/fuzz_*; do
        name="$(basename "$target")"
        work="$(mktemp -d)"
        echo "fuzzing ${name#fuzz_} for ${FUZZ_SECONDS}s"
        # New inputs go to a scratch folder; the committed seeds stay as they are.
        # A crashing input is kept under build-fuzz/artifacts/.
        if (cd "$work" && "$OLDPWD/$target" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            -artifact_prefix="$artifacts/$name-" "$work" "$OLDPWD/fuzz/corpus/${name#fuzz_}" \
            >"$work/log" 2>&1); then
            tail -n 3 "$work/log"
        else
            cat "$work/log"
            echo "fuzzer $name failed; the input that broke it:" \
                "$(ls -t "$artifacts/$name-"* 2>/dev/null | head -n 1)" >&2
            rm -rf "$work"
            exit 1
        fi
        rm -rf "$work"
    done
}

case "${1:-}" in
run)
    install_missing "${PACKAGES[@]}"
    build build -DKORVANE_BUILD_TESTS=OFF
    exec ./build/app/korvane6
    ;;
package)
    install_missing "${PACKAGES[@]}" "${PACKAGE_TOOLS[@]}"
    build build -DKORVANE_BUILD_TESTS=OFF
    make_package
    ;;
test)
    install_missing "${PACKAGES[@]}" "${PACKAGE_TOOLS[@]}" "${TEST_PACKAGES[@]}"
    build build -DKORVANE_BUILD_TESTS=ON -DKORVANE_WERROR=ON
    unit_tests build
    install_check
    package_check "$(make_package)"
    sanitized_tests
    thread_sanitized_tests
    fuzz
    ;;
*)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
