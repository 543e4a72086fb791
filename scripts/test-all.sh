#!/usr/bin/env bash
# Installs the dependencies, then builds and runs the whole test suite twice: once under
# AddressSanitizer and UndefinedBehaviorSanitizer, then as shipped with warnings as
# errors. It ends with CTest's summary of the shipped build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUILLMERE_WERROR=ON -DQUILLMERE_SANITIZE=ON -DQUILLMERE_BENCHMARKS=OFF
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# A short fuzz run of the list file reader and the line primitives, from the corpus in fuzz/.
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j "$jobs"
for target in listfile lineprimitives; do
    work=$(mktemp -d)
    cp fuzz/corpus/"$target"/* "$work"/
    build-fuzz/fuzz_"$target" -max_total_time=60 -max_len=65536 -artifact_prefix=build-fuzz/ "$work"
    rm -rf "$work"
done

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLMERE_WERROR=ON -DQUILLMERE_PACKAGE_TEST=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
