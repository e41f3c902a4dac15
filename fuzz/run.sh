#!/usr/bin/env bash
# Builds the fuzz targets with libFuzzer, AddressSanitizer and UBSan and runs each for a
# bounded time on its seed corpus.
#   fuzz/run.sh [seconds-per-target] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
all_targets=()
for f in fuzz/*_fuzz.cpp; do all_targets+=("$(basename "$f" .cpp)"); done
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")

out=build-fuzz
mkdir -p "$out"
# The usual macro of fuzzing builds lets checksums pass, so that the fuzzer reaches what
# they guard.
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -DFUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION -I. -isystem /usr/include/eigen3 -Wall -Wextra)
# The library is compiled once, on every core; each target only links against its objects.
mkdir -p "$out/obj"
objects=()
stale=()
for src in containers/*.cpp platform/*.cpp geometry/*.cpp model/*.cpp; do
  obj="$out/obj/$(echo "$src" | tr / _).o"
  if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ] || [ -n "$(find containers platform geometry model -name '*.h' -newer "$obj")" ]; then
    stale+=("$src")
  fi
  objects+=("$obj")
done
if [ ${#stale[@]} -gt 0 ]; then
  printf '%s\n' "${stale[@]}" | xargs -P "$(nproc)" -I{} \
    sh -c 'clang++ "$@" -c "$0" -o "'"$out"'/obj/$(echo "$0" | tr / _).o"' {} "${flags[@]}"
fi

for t in "${targets[@]}"; do
  [ -f "fuzz/$t.cpp" ] || { echo "no target fuzz/$t.cpp" >&2; exit 2; }
  echo "== building $t"
  clang++ "${flags[@]}" "${objects[@]}" "fuzz/$t.cpp" -o "$out/$t"
done

for t in "${targets[@]}"; do
  corpus="$out/corpus/$t"
  mkdir -p "$corpus"
  [ -d "fuzz/corpus/$t" ] && cp -n fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null || true
  echo "== running $t for ${seconds}s"
  "$out/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$out/$t-" "$corpus" 2>&1 | tee "$out/$t.log" | grep -E '^(#[0-9]+\s+DONE|Done|==[0-9]+==ERROR|SUMMARY)' || true
  if grep -qE 'ERROR: libFuzzer|==[0-9]+==ERROR|SUMMARY: .*Sanitizer' "$out/$t.log"; then
    echo "== $t FOUND A FAILURE, see $out/$t.log" >&2
    exit 1
  fi
done
