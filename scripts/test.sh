#!/usr/bin/env bash
# The whole test suite: set-up, build, and every test through CTest, headless.
#   scripts/test.sh [CTEST ARGS...]
#   CORVANE_SANITIZE=ON scripts/test.sh [CTEST ARGS...]
# With CORVANE_SANITIZE=ON the suite is built into build-asan/ (or $BUILD_DIR)
# with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer and run
# there; any report fails its test. The Debian package test is left out
# (the package is built from the normal build).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ctest_extra=()
if [ "${CORVANE_SANITIZE:-OFF}" = "ON" ]; then
  export BUILD_DIR="${BUILD_DIR:-$root/build-asan}"
  # -O1 keeps the build quick and the sanitized run fast enough.
  export BUILD_TYPE="${BUILD_TYPE:-None}"
  export CXXFLAGS="${CXXFLAGS:--O1 -g1}"
  # Benchmarks are measured in the normal build only.
  export CMAKE_EXTRA_ARGS="${CMAKE_EXTRA_ARGS:-} -DCORVANE_SANITIZE=ON -DCORVANE_BUILD_BENCH=OFF"
  export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
  export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0}"
  export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
  ctest_extra=(-E '^package/')
fi
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd "${BUILD_DIR:-$root/build}"
ctest --output-on-failure -j "$(nproc)" "${ctest_extra[@]}" "$@"
