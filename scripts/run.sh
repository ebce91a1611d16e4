#!/usr/bin/env bash
# Builds and starts one program: scripts/run.sh [Kurvex|Lottavo|Quorvel]  (default Kurvex)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

choice=${1:-Kurvex}
case "${choice,,}" in
    kurvex) name=Kurvex ;;
    lottavo) name=Lottavo ;;
    quorvel) name=Quorvel ;;
    *)
        echo "usage: scripts/run.sh [Kurvex|Lottavo|Quorvel]   (default: Kurvex)" >&2
        echo "unknown program: $choice" >&2
        exit 2
        ;;
esac
target=${name,,}
shift $(($# > 0 ? 1 : 0))

scripts/setup.sh

build=build/release
if [[ ! -f "$build/CMakeCache.txt" || ! -f "$build/build.ninja" ]]; then
    CC=gcc CXX=g++ cmake -S . -B "$build" -G Ninja \
        -DCMAKE_BUILD_TYPE=Release \
        -DWITH_QT=ON
fi

has_target() {
    ninja -C "$build" -t targets all 2>/dev/null | grep -q "^$target: "
}

if ! has_target; then
    # The program may have been added since this build tree was configured.
    cmake "$build" >/dev/null
fi
if ! has_target; then
    echo "$name is not part of this build yet" >&2
    exit 1
fi

cmake --build "$build" --target "$target" -j "$(nproc)"
exec "$build/bin/$target" "$@"
