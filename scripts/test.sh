#!/usr/bin/env bash
# Builds and runs every test, in three build trees:
#   build/fuzz      clang + libFuzzer under ASan/UBSan, runs the fuzzers (ctest -L fuzz)
#   build/sanitize  g++ Debug under ASan/UBSan, runs the logic tests
#   build/release   g++ Release with Qt, runs the full suite (widget tests offscreen)
# Each tree is configured once and rebuilt incrementally afterwards.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

header() {
    printf '\n==== %s ====\n' "$*"
}

# configure <dir> <cc> <cxx> <cmake args...>: only when the tree is not configured yet
configure() {
    local dir=$1 cc=$2 cxx=$3
    shift 3
    if [[ ! -f "$dir/CMakeCache.txt" || ! -f "$dir/build.ninja" ]]; then
        CC=$cc CXX=$cxx cmake -S . -B "$dir" -G Ninja "$@"
    fi
}

header "setup"
scripts/setup.sh

header "fuzz: clang, libFuzzer, ASan/UBSan (build/fuzz)"
configure build/fuzz clang clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DWITH_QT=OFF \
    -DENABLE_FUZZING=ON \
    -DENABLE_SANITIZERS=ON \
    -DBUILD_TESTING=ON \
    -DENABLE_BENCHMARKS=OFF
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz -L fuzz --output-on-failure --no-tests=error -j "$jobs"

header "logic tests: g++ Debug, ASan/UBSan (build/sanitize)"
configure build/sanitize gcc g++ \
    -DCMAKE_BUILD_TYPE=Debug \
    -DWITH_QT=OFF \
    -DENABLE_SANITIZERS=ON \
    -DBUILD_TESTING=ON \
    -DENABLE_BENCHMARKS=OFF
cmake --build build/sanitize -j "$jobs"
# A test that hangs fails after five minutes instead of holding the run (tests that need
# longer set their own TIMEOUT).
ctest --test-dir build/sanitize --output-on-failure --no-tests=error --timeout 300 -j "$jobs"

header "full suite: g++ Release with Qt, offscreen (build/release)"
configure build/release gcc g++ \
    -DCMAKE_BUILD_TYPE=Release \
    -DWITH_QT=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure --no-tests=error --timeout 300 -j "$jobs"
