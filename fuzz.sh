#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each on its corpus
# in tests/fuzz/corpus/<target>/ for SECONDS (default 60). New inputs the
# fuzzer finds go to build-fuzz/corpus/<target>/, crashes to
# build-fuzz/crashes/<target>/; the committed seeds are never touched.
# Exits non-zero when any target crashed.
set -euo pipefail
cd "$(dirname "$0")"
seconds="${1:-60}"
scripts/setup.sh --fuzz
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
build="${RASTOC_FUZZ_BUILD:-build-fuzz}"
cmake -S . -B "$build" "${generator[@]}" "${launcher[@]}" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DRASTOC_FUZZ=ON -DRASTOC_TESTS=OFF >/dev/null
targets=(command_line preferences option_values naming pipeline stages)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/crashes/$t"
  echo "== fuzz_$t for ${seconds}s"
  if ! "$build/fuzz_$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=30 \
       -artifact_prefix="$build/crashes/$t/" -print_final_stats=1 \
       "$build/corpus/$t" "tests/fuzz/corpus/$t" >"$build/fuzz_$t.log" 2>&1; then
    failed+=("$t")
    tail -n 40 "$build/fuzz_$t.log"
  else
    grep -E "^stat::number_of_executed_units|^#[0-9]+.*DONE" "$build/fuzz_$t.log" | tail -n 2 || true
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "crashed: ${failed[*]} (inputs in $build/crashes/)"
  exit 1
fi
echo "no crashes"
