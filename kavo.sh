#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine: installs what is missing,
# builds, and runs the player or the tests. Idempotent; quick when nothing changed.
#
#   ./kavo.sh player [ARGS]   build and start kavo-player (headless: the scripted tour);
#                             --lang ja|zh_CN|de|fr|es picks the interface language
#   ./kavo.sh test            build and run every test (ctest)
#   ./kavo.sh sanitize        the same suite under AddressSanitizer + UBSan
#   ./kavo.sh tsan            the Qt-free layers' tests under ThreadSanitizer
#   ./kavo.sh bench           build and run the benchmarks
#   ./kavo.sh windows         ipc/ and settings/ for Windows (mingw-w64), tested under Wine
#   ./kavo.sh format [--check] format every C++ file with clang-format; --check only names those that differ
#   ./kavo.sh install PKG...  installs the named packages when missing (what a benchmark compares with)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-l10n-tools qt6-tools-dev
    qt6-multimedia-dev libavformat-dev libavcodec-dev libswresample-dev libswscale-dev libavutil-dev
    libsqlite3-dev libboost-thread-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth openbox xdotool x11-utils clang libclang-rt-14-dev clang-format
    ffmpeg xorriso fusefat mtools dosfstools e2fsprogs mount libicu-dev
    rygel rygel-2.8-dev libgupnp-1.6-dev libgupnp-av-1.0-dev gupnp-tools curl iproute2 gmediarender
    qt6-translations-l10n fonts-noto-cjk
)
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64 wine googletest)
JOBS=$(nproc)

# install_missing [PACKAGE...]: PACKAGES when none are named.
install_missing() {
    local missing=() p wanted=("$@")
    [ ${#wanted[@]} -gt 0 ] || wanted=("${PACKAGES[@]}")
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build DIR [cmake options...]
build() {
    local dir=$1; shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
    cmake --build "$dir" -j "$JOBS"
}

run_tests() {
    local dir=$1
    ctest --test-dir "$dir" --output-on-failure -j "$JOBS" --timeout 600
}

# The Wine prefix lives in the build folder, never in the home folder. Its
# first boot settles before any test runs, with the null display driver so
# hidden windows need no X server; the server then stays up across the tests.
WINE_LOADER=/usr/lib/wine/wine64
WINE_SERVER=/usr/lib/wine/wineserver
wine_up() {
    export WINEPREFIX=$PWD/$1/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix $WINEPREFIX"
        "$WINE_LOADER" wineboot --init >"$1/wineboot.log" 2>&1
        "$WINE_LOADER" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >>"$1/wineboot.log" 2>&1
        "$WINE_SERVER" -w
    fi
    "$WINE_SERVER" -p >/dev/null 2>&1 </dev/null
}

wine_down() {
    "$WINE_SERVER" -k >/dev/null 2>&1 || true
    "$WINE_SERVER" -w >/dev/null 2>&1 || true
}

# The C++ sources, NUL-separated: git's list in a checkout, else every one
# outside the build folders.
source_files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z -- '*.cpp' '*.h' '*.c'
    else
        find . -path './build*' -prune -o -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0
    fi
}

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/.ci/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

command=${1:-test}
shift || true
case "$command" in
    player)
        install_missing
        build build
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            # Each language's pictures go to a folder of their own: --lang ja to build/tour-ja.
            tour=build/tour
            args=("$@")
            for ((i = 0; i < ${#args[@]}; i++)); do
                case ${args[i]} in
                    --lang) tour=build/tour-${args[i + 1]:-} ;;
                    --lang=*) tour=build/tour-${args[i]#--lang=} ;;
                esac
            done
            echo "No display: running the scripted tour headless; pictures go to $tour."
            # The offscreen platform warns about every window feature it lacks.
            QT_QPA_PLATFORM=offscreen build/bin/kavo-player --tour "$tour" "$@" \
                2> >(grep -v '^This plugin does not support' >&2)
            exit
        fi
        exec build/bin/kavo-player "$@"
        ;;
    test)
        install_missing
        build build
        run_tests build
        ;;
    sanitize)
        install_missing
        build build-asan -DKAVO_SANITIZE=ON
        run_tests build-asan
        ;;
    tsan)
        install_missing
        build build-tsan -DKAVO_TSAN=ON
        run_tests build-tsan
        ;;
    bench)
        install_missing
        build build
        for b in build/bin/*_bench; do echo "== $b"; "$b"; done
        ;;
    install)
        [ $# -gt 0 ] || { echo "usage: $0 install PACKAGE..." >&2; exit 2; }
        install_missing "$@"
        ;;
    windows)
        install_missing "${WINDOWS_PACKAGES[@]}"
        build build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
        wine_up build-windows
        trap wine_down EXIT
        run_tests build-windows
        ;;
    format)
        install_missing clang-format
        if [ "${1:-}" = --check ]; then
            differing=$(source_files | xargs -0 -r -n 20 -P "$JOBS" sh -c \
                'for f; do clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || echo "$f"; done' sh)
            if [ -n "$differing" ]; then
                echo "These files differ from .clang-format (./kavo.sh format fixes them):" >&2
                echo "$differing" | sort >&2
                exit 1
            fi
            echo "Every C++ file is formatted."
        else
            source_files | xargs -0 -r -n 20 -P "$JOBS" clang-format -i
        fi
        ;;
    *)
        echo "usage: $0 player|test|sanitize|tsan|bench|windows|format [--check]|install PKG..." >&2
        exit 2
        ;;
esac
