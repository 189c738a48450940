#!/usr/bin/env bash
# Sets up, builds and runs every test: once in the normal build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

vx_setup out/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX_BUILD_TESTS=ON
ctest --test-dir "$VX_ROOT/out/test" --output-on-failure --parallel "$(nproc)"

vx_setup out/asan -DCMAKE_BUILD_TYPE=Debug -DVX_BUILD_TESTS=ON -DVX_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$VX_ROOT/out/asan" --output-on-failure --parallel "$(nproc)" -E '^SourceFormat$'
echo "All tests passed."
