#!/usr/bin/env bash
# Builds the Debian package of Pelimor ISO Burn: a release build installed
# under /usr, packed by CPack with its dependencies read off the program by
# dpkg-shlibdeps. Prints the path of the .deb; install it with
#   sudo apt install ./pelimor-iso-burn_<version>_<arch>.deb
#   package.sh [OUTPUT DIR]      (default: the repository's dist/ folder)
set -euo pipefail
source "$(dirname "$0")/setup.sh"

setup_packages dpkg-dev fakeroot file
build_dir="$repo_root/build-package"
out=${1:-"$repo_root/dist"}
setup_build "$build_dir" -DCMAKE_BUILD_TYPE=Release -DPELIMOR_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
mkdir -p "$out"
(cd "$build_dir" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
deb=$(find "$out" -maxdepth 1 -name 'pelimor-iso-burn_*.deb' -newer "$build_dir/CPackConfig.cmake" | head -n1)
[ -n "$deb" ] || { echo "package.sh: no package was built" >&2; exit 1; }
echo "Built $deb"
dpkg-deb -f "$deb" Package Version Architecture Depends
