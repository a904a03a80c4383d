#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest in parallel; then builds
# with AddressSanitizer and UndefinedBehaviorSanitizer and runs them again.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
jobs="$(nproc)"

"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure -j "$jobs")

"$root/scripts/build.sh" "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVM_SANITIZE=ON -DVM_BUILD_BENCH=OFF
(cd "$root/build-sanitize" && \
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs")
