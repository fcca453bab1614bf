# Sourced by the other scripts: installs the Debian packages the build needs
# when they are missing, then configures and builds into $build_dir.
#   install_packages packages...
#   setup_packages [extra packages...]
#   setup_build <build dir> [cmake options...]

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Installs those of the given Debian packages that are missing.
install_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    local started=$SECONDS
    # Two scripts installing at once wait for each other instead of failing
    # on apt's lock.
    local wait_lock=(-o DPkg::Lock::Timeout=600)
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get "${wait_lock[@]}" update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get "${wait_lock[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    echo "Installed in $((SECONDS - started)) s"
}

# The packages the program's build needs, and any extra ones.
setup_packages() {
    install_packages cmake g++ make pkg-config qt6-base-dev qt6-l10n-tools qt6-translations-l10n python3 libburn-dev libssl-dev \
        fonts-liberation xvfb xauth "$@"
}

setup_build() {
    local dir=$1
    shift
    cmake -S "$repo_root" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

have_display() {
    [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]
}
