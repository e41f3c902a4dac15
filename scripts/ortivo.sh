#!/usr/bin/env bash
# Sets up a Debian 12 machine for Ortivo, builds it and then starts it ("run") or runs
# every test ("test").
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${ORTIVO_BUILD_DIR:-$here/build}"
mode="${1:-run}"

# Installs what a list in scripts/ names (the program's by default) and is missing.
install_packages() {
  local list="${1:-$here/scripts/debian-packages.txt}"
  local wanted=() missing=()
  mapfile -t wanted < <(grep -v -E '^\s*(#|$)' "$list")
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

build() {
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -- -j"$(nproc)"
}

case "$mode" in
  run)
    install_packages
    build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "Ortivo needs a graphical display: start it from a desktop session, or without one run: xvfb-run -a $0 run" >&2
      exit 1
    fi
    # The help file GPS.chm is looked up in the current directory: start where it lies.
    cd "$build"
    exec ./ortivo
    ;;
  test)
    install_packages
    build
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
    ;;
  sanitize)
    # The whole ctest once more, built with AddressSanitizer and UBSan: any report
    # fails the run, and so does a compiler warning.
    install_packages
    sbuild="${ORTIVO_SANITIZE_BUILD_DIR:-$here/build-sanitize}"
    cmake -S "$here" -B "$sbuild" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DORTIVO_SANITIZE=ON -DORTIVO_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS=-Werror >/dev/null
    cmake --build "$sbuild" -- -j"$(nproc)"
    ASAN_OPTIONS=detect_leaks=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
      ctest --test-dir "$sbuild" --output-on-failure -j"$(nproc)"
    ;;
  fuzz)
    # Builds every fuzz target with libFuzzer and runs each briefly, so that the
    # script can not rot unnoticed.
    install_packages "$here/scripts/debian-packages-fuzz.txt"
    "$here/fuzz/run.sh" "${ORTIVO_FUZZ_SECONDS:-5}"
    ;;
  *)
    echo "usage: $0 run|test|sanitize|fuzz" >&2
    exit 2
    ;;
esac
