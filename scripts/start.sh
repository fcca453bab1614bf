#!/usr/bin/env bash
# Builds Pelimor ISO Burn and starts it: scripts/start.sh [IMAGE]
# On a machine without a display it runs under Xvfb.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

setup_packages
build_dir="$repo_root/build-app"
setup_build "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELIMOR_BUILD_TESTS=OFF
app="$build_dir/src/pelimor-iso-burn"

if have_display; then
    exec "$app" "$@"
else
    echo "No display found: starting under Xvfb."
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$app" "$@"
fi
