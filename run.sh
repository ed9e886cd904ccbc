#!/usr/bin/env bash
# Installs what is missing, builds a Release rastoccmd and runs it.
# Without arguments it converts the bundled sample into out/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DRASTOC_TESTS=OFF >/dev/null
fi
cmake --build build --target rastoccmd -j"$(nproc)" >/dev/null
if [ $# -eq 0 ]; then
  mkdir -p out
  exec build/rastoccmd -i "$PWD/examples/sample.png" -o "$PWD/out"
fi
exec build/rastoccmd "$@"
