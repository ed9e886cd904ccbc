#!/usr/bin/env bash
# Times rastoccmd against ImageMagick and against the floor (a plain libpng
# decode plus writing W*H*4 bytes), pair by pair in the same run; median of
# BENCH_RUNS runs (default 5) after a warm-up, peak memory from /usr/bin/time.
# Prints a table and writes bench/results.md. Not part of ./test.sh.
#   ./bench.sh [SIZE...]   sizes: icon 1mp 12mp 12mp-rgb 12mp-palette 12mp-rgba16 64mp
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --bench
runs=${BENCH_RUNS:-5}
work=bench/work
mkdir -p "$work/out-rastoc" "$work/out-magick"

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
[ -f build/CMakeCache.txt ] || cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target rastoccmd -j"$(nproc)" >/dev/null
cc -O2 -Wall -Wextra -o "$work/bench_tool" bench/bench_tool.c -lpng

# ImageMagick's Debian policy refuses large images; lift it for this run only.
cat > "$work/policy.xml" <<'XML'
<policymap>
  <policy domain="resource" name="memory" value="16GiB"/>
  <policy domain="resource" name="map" value="16GiB"/>
  <policy domain="resource" name="width" value="64KP"/>
  <policy domain="resource" name="height" value="64KP"/>
  <policy domain="resource" name="area" value="8GP"/>
  <policy domain="resource" name="disk" value="32GiB"/>
</policymap>
XML
export MAGICK_CONFIGURE_PATH="$PWD/$work"

declare -A spec=(
  [icon]="rgba 64 64" [1mp]="rgba 1000 1000" [12mp]="rgba 4000 3000"
  [12mp-rgb]="rgb 4000 3000" [12mp-palette]="palette 4000 3000"
  [12mp-rgba16]="rgba16 4000 3000" [64mp]="rgba 8000 8000"
)
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(icon 1mp 12mp 12mp-rgb 12mp-palette 12mp-rgba16 64mp)

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Prints "seconds peak-kB" of one run of the command: wall-clock seconds with
# microsecond resolution (bash's clock around /usr/bin/time, whose own start-up
# is the same for every command), peak memory from /usr/bin/time.
measure() {
  local start end
  start=$EPOCHREALTIME
  /usr/bin/time -f '%M' -o "$work/time.txt" "$@" >/dev/null 2>"$work/stderr.txt" || {
    echo "failed: $*" >&2; cat "$work/stderr.txt" >&2; return 1; }
  end=$EPOCHREALTIME
  echo "$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }') $(cat "$work/time.txt")"
}

table="| input | pixels | rastoccmd s | ImageMagick s | floor s | vs ImageMagick | vs floor | rastoccmd peak / (W*H*4) | ImageMagick peak / (W*H*4) |
|---|---|---|---|---|---|---|---|---|"
for size in "${sizes[@]}"; do
  read -r kind w h <<<"${spec[$size]}"
  in="$work/$size.png"
  [ -f "$in" ] || "$work/bench_tool" gen "$kind" "$w" "$h" "$in"
  rastoc=(build/rastoccmd -q -i "$PWD/$in" -o "$PWD/$work/out-rastoc")
  magick=(/usr/bin/convert "$in" "$work/out-magick/$size.psd")
  floor=("$work/bench_tool" floor "$in" "$work/floor.raw")
  measure "${rastoc[@]}" >/dev/null; measure "${magick[@]}" >/dev/null; measure "${floor[@]}" >/dev/null
  : >"$work/r.txt"; : >"$work/m.txt"; : >"$work/f.txt"
  for ((i = 0; i < runs; i++)); do
    measure "${rastoc[@]}" >>"$work/r.txt"
    measure "${magick[@]}" >>"$work/m.txt"
    measure "${floor[@]}" >>"$work/f.txt"
  done
  rs=$(cut -d' ' -f1 "$work/r.txt" | median); rm_=$(cut -d' ' -f2 "$work/r.txt" | median)
  ms=$(cut -d' ' -f1 "$work/m.txt" | median); mm=$(cut -d' ' -f2 "$work/m.txt" | median)
  fs=$(cut -d' ' -f1 "$work/f.txt" | median)
  row=$(awk -v s="$size" -v w="$w" -v h="$h" -v rs="$rs" -v ms="$ms" -v fs="$fs" -v rm="$rm_" -v mm="$mm" 'BEGIN {
    px = w * h; base = px * 4 / 1024;
    vm = ms > 0 ? sprintf("%.2f", rs / ms) : "-"; vf = fs > 0 ? sprintf("%.2f", rs / fs) : "-";
    printf "| %s | %dx%d | %.3f | %.3f | %.3f | %s | %s | %.2f | %.2f |", s, w, h, rs, ms, fs, vm, vf, rm / base, mm / base }')
  table+=$'\n'"$row"
  echo "$row"
done

{
  echo "# Benchmark results"
  echo
  echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, median of $runs runs after a warm-up."
  echo "Seconds are wall-clock medians; peaks are maximum resident set sizes (/usr/bin/time %M)."
  echo
  echo "$table"
} >bench/results.md
echo
cat bench/results.md
