#!/usr/bin/env bash
# Sets up, builds and runs every test: once in the normal build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any failure.
# The normal build's tests run while the sanitizer build compiles (no test
# depends on the machine's speed); their report follows the build.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

vx_setup out/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX_BUILD_TESTS=ON
log="$VX_ROOT/out/test/ctest.log"
ctest --test-dir "$VX_ROOT/out/test" --output-on-failure --parallel "$(nproc)" >"$log" 2>&1 &
normal=$!
trap 'kill "$normal" 2>/dev/null || true' EXIT

# The benchmarks are built in the normal build only (into out/test/bench).
vx_setup out/asan -DCMAKE_BUILD_TYPE=Debug -DVX_BUILD_TESTS=ON -DVX_SANITIZE=ON -DVX_BUILD_BENCH=OFF
status=0
wait "$normal" || status=$?
cat "$log"
[ "$status" -eq 0 ] || { echo "Tests failed in the normal build."; exit "$status"; }

# The leak checker does not follow __tls_get_addr: with it, the thread-local
# blocks of libraries loaded at run time (the print plugin's CUPS and TLS
# libraries) crash its scan now and then ("Tracer caught signal 11").
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$VX_ROOT/out/asan" --output-on-failure --parallel "$(nproc)" -E '^SourceFormat$'
echo "All tests passed."
