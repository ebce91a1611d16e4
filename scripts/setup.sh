#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Kurvex, Lottavo and Quorvel.
# Only missing packages are installed; when everything is present this returns at once.
set -euo pipefail

packages=(
    # toolchain and build
    cmake
    g++
    ninja-build
    pkg-config
    # Qt 6 Widgets (libgl-dev: OpenGL headers Qt6Gui's CMake package looks for)
    qt6-base-dev
    libgl-dev
    # tests and benchmarks
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    # fuzzing: clang with the libFuzzer and sanitizer runtimes
    clang
    libclang-rt-14-dev
    clang-format
    # fonts: DejaVu sans/serif/mono, Comic Neue for the drill
    fonts-dejavu-core
    fonts-comic-neue
    # Liberation Mono, metric-compatible with the monospace face the generator dialog is laid out in
    fonts-liberation2
    # a locale with a decimal comma, for the tests of number texts
    locales
    # packaging: the icons' PNGs are rendered from their SVGs at build time (Qt SVG);
    # dpkg-shlibdeps fills in the .deb's library dependencies
    qt6-svg-dev
    dpkg-dev
    # validators of the desktop entries and AppStream metainfo
    desktop-file-utils
    appstream
    # end-to-end tests: a real X server, synthetic input, the clipboard
    xvfb
    xdotool
    xclip
)

if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "setup.sh: dpkg-query not found; this script expects Debian 12 (bookworm)." >&2
    exit 1
fi

missing=()
for pkg in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
        missing+=("$pkg")
    fi
done

has_test_locale() { locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; }

if ((${#missing[@]} == 0)) && has_test_locale; then
    exit 0
fi

as_root=()
if ((EUID != 0)); then
    if command -v sudo >/dev/null 2>&1; then
        as_root=(sudo)
    else
        echo "setup.sh: this is not root and sudo is not available; as root, run:" >&2
        ((${#missing[@]} > 0)) &&
            echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
        echo "  localedef -i de_DE -f UTF-8 de_DE.UTF-8" >&2
        exit 1
    fi
fi

if ((${#missing[@]} > 0)); then
    echo "setup.sh: installing missing packages: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The tests read and write numbers under a desktop locale whose decimal separator is a comma.
if ! has_test_locale; then
    echo "setup.sh: generating the de_DE.UTF-8 locale"
    "${as_root[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
