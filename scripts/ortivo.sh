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

# The Qt-free core and its GoogleTest suites for another target, run through ctest (with
# the target's emulator), then the fix iteration's cost there.
# usage: core_stage BUILD_DIR RUNNER CMAKE_ARGS...
core_stage() {
  local dir=$1 runner=$2
  shift 2
  cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORTIVO_BUILD_UI=OFF -DORTIVO_BUILD_BENCH=OFF -DORTIVO_GTEST_SOURCE=/usr/src/googletest \
    -DEigen3_DIR=/usr/share/eigen3/cmake "$@" >/dev/null
  cmake --build "$dir" -- -j"$(nproc)"
  ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
  $runner "$dir/bench/portable/fix_cost${exe_suffix:-}"
}

# The browser edition: the core compiled by emscripten, the page's TypeScript by tsc
# (npm's, pinned in web/package-lock.json), put together into build-web/ortivo.html.
# The page's core computes in double (ORTIVO_EXTENDED_DOUBLE): binary128 in software
# is too slow there; the wasm stage keeps testing the core in binary128.
web_build() {
  install_packages "$here/scripts/debian-packages-web.txt"
  # Debian's npm, unless the node at hand brought its own.
  command -v npm >/dev/null || install_packages <(echo npm)
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
  web="${ORTIVO_WEB_BUILD_DIR:-$here/build-web}"
  cmake -S "$here" -B "$web" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORTIVO_BUILD_WEB=ON \
    -DORTIVO_EXTENDED_DOUBLE=ON \
    -DORTIVO_BUILD_UI=OFF -DORTIVO_BUILD_TESTS=OFF -DORTIVO_BUILD_BENCH=OFF \
    -DEigen3_DIR=/usr/share/eigen3/cmake \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake >/dev/null
  cmake --build "$web" --target ortivo_core -- -j"$(nproc)"
  (cd "$here/web" && npm ci --no-audit --no-fund --loglevel=error >/dev/null &&
    npx tsc -p tsconfig.json --outFile "$web/web/app.js")
  node "$here/web/tools/assemble.mjs" "$here/web/page" "$web/web/ortivo_core.js" \
    "$web/web/ortivo_core.wasm" "$web/web/app.js" "$web/ortivo.html"
}

# The native program that gives the desktop's results to the browser's tests: from
# the test command's build, or from a core-only one when there is none.
web_reference() {
  if [ ! -f "$build/CMakeCache.txt" ]; then
    build="$here/build-core"
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DORTIVO_BUILD_UI=OFF -DORTIVO_BUILD_BENCH=OFF >/dev/null
  fi
  cmake --build "$build" --target web_reference -- -j"$(nproc)"
}

# The page's number texts and element stream in double, natively: the tests of what the
# double build changes (the rest of the core in double is tested through the page).
double_core_tests() {
  local dir="${ORTIVO_DOUBLE_BUILD_DIR:-$here/build-double}"
  cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORTIVO_EXTENDED_DOUBLE=ON \
    -DORTIVO_BUILD_UI=OFF -DORTIVO_BUILD_BENCH=OFF -DEigen3_DIR=/usr/share/eigen3/cmake >/dev/null
  cmake --build "$dir" --target platform_tests containers_tests -- -j"$(nproc)"
  "$dir/tests/platform/platform_tests" --gtest_brief=1
  "$dir/tests/containers/containers_tests" --gtest_brief=1
}

# The page's end-to-end tests in Debian's headless Chromium against the native program.
web_test() {
  double_core_tests
  web_reference
  ORTIVO_PAGE="$web/ortivo.html" ORTIVO_REFERENCE="$build/web/web_reference" \
    node --test "$here"/web/tests/*.test.mjs
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
    # The browser edition and its tests belong to the program's tests.
    web_build
    web_test
    ;;
  web)
    # The browser edition: build-web/ortivo.html, one file that needs no server.
    web_build
    ;;
  web-test)
    web_build
    web_test
    ;;
  web-bench)
    # Its figures in Chromium on this machine (a script, not a test).
    web_build
    ORTIVO_PAGE="$web/ortivo.html" node "$here/web/tools/bench.mjs"
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
  arm64)
    # 64-bit ARM: Debian's cross compiler, the tests under qemu-user.
    install_packages "$here/scripts/debian-packages-arm64.txt"
    arm="${ORTIVO_ARM64_BUILD_DIR:-$here/build-aarch64}"
    core_stage "$arm" "qemu-aarch64 -L /usr/aarch64-linux-gnu" \
      -DCMAKE_TOOLCHAIN_FILE="$here/cmake/aarch64-linux-gnu.cmake"
    # Lesson files from one platform open on the other: the x86-64 side comes from the
    # test command's build, or from a core-only one when there is none.
    if [ ! -f "$build/CMakeCache.txt" ]; then
      build="$here/build-core"
      cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DORTIVO_BUILD_UI=OFF -DORTIVO_BUILD_BENCH=OFF >/dev/null
    fi
    cmake --build "$build" --target lesson_exchange -- -j"$(nproc)"
    "$here/tests/exchange/check_exchange.sh" "$arm/exchange" "$build/tests/lesson_exchange" \
      "qemu-aarch64 -L /usr/aarch64-linux-gnu $arm/tests/lesson_exchange"
    ;;
  libcxx)
    # clang with LLVM's libc++, the standard library of Apple's and Android's toolchains.
    install_packages "$here/scripts/debian-packages-libcxx.txt"
    core_stage "${ORTIVO_LIBCXX_BUILD_DIR:-$here/build-libcxx}" "" \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-stdlib=libc++ \
      -DCMAKE_EXE_LINKER_FLAGS=-stdlib=libc++
    ;;
  wasm)
    # WebAssembly with Debian's emscripten, the tests under node. Debian's emscripten
    # finds its acorn in Debian's node folder; node's own fetch would take the .wasm
    # file's path for a URL, so it is switched off.
    install_packages "$here/scripts/debian-packages-wasm.txt"
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
    # Loading a tree 4096 levels deep (the most a file may nest) goes through a JS
    # frame per level with emscripten's exceptions: more than node's default stack.
    node=(node --no-experimental-fetch --stack-size=4000)
    exe_suffix=.js core_stage "${ORTIVO_WASM_BUILD_DIR:-$here/build-wasm}" "${node[*]}" \
      -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$(IFS=';'; echo "${node[*]}")"
    ;;
  *)
    echo "usage: $0 run|test|sanitize|fuzz|arm64|libcxx|wasm|web|web-test|web-bench" >&2
    exit 2
    ;;
esac
