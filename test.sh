#!/usr/bin/env bash
# Installs what is missing, builds everything with the sanitizers and runs
# every test. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-test "${generator[@]}" "${launcher[@]}" \
  -DCMAKE_BUILD_TYPE=Debug -DRASTOC_TESTS=ON -DRASTOC_SANITIZE=ON >/dev/null
cmake --build build-test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-test && ctest --output-on-failure -j"$(nproc)"
