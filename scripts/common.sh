# Shared steps of the run and test commands: install what is missing, configure once, build.
# Sourced, not run.

SKARVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SKARVEL_PACKAGES=(g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libncurses-dev tmux)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "skarvel: '$*' needs root and there is no sudo" >&2
        return 1
    fi
}

# Installs the Debian packages named as arguments that are not installed yet.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "skarvel: installing ${missing[*]}" >&2
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
        --no-install-recommends "${missing[@]}"
}

# Configures the preset's build folder when it has none yet, then builds what changed.
build_preset() {
    local preset=$1
    cd "$SKARVEL_ROOT"
    if [ ! -f "build/$preset/CMakeCache.txt" ]; then
        cmake --preset "$preset" -DSKARVEL_WERROR="${SKARVEL_WERROR:-OFF}" >/dev/null
    fi
    cmake --build --preset "$preset" --parallel "$(nproc)"
}
