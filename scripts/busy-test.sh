#!/usr/bin/env bash
# Runs the README's test command while every core is kept busy by stress-ng,
# to show that no test depends on the machine's speed. Try it before you stop.
#   scripts/busy-test.sh [runs]     (default 1; stops at the first failure)
# The load is bounded in time (VX_BUSY_SECONDS, default 3600) and ends with
# the script.
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-1}"
if ! command -v stress-ng >/dev/null 2>&1; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        stress-ng >/dev/null
fi

stress-ng --cpu "$(nproc)" --cpu-method matrixprod --timeout "${VX_BUSY_SECONDS:-3600}s" \
    --quiet &
load=$!
trap 'kill "$load" 2>/dev/null || true; wait "$load" 2>/dev/null || true' EXIT

for ((run = 1; run <= runs; run++)); do
    echo "=== Run $run of $runs, every core busy ==="
    ./test.sh
done
echo "All $runs runs passed under load."
