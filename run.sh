#!/usr/bin/env bash
# Sets up, builds and starts vxTorvin. Arguments are passed to the program
# (a project file to open).
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
vx_setup out/build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX_BUILD_TESTS=OFF
exec "$VX_ROOT/out/build/bin/vxTorvin" "$@"
