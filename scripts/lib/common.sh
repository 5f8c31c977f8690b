# Shared by the scripts: installs the Debian packages the project needs and configures a build.
set -euo pipefail

BRISEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BRISEL_PACKAGES=(qt6-base-dev cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick alsa-utils clang-format libsqlite3-dev libcli11-dev
  nlohmann-json3-dev desktop-file-utils appstream dpkg-dev)

brisel_install_packages() {
  local missing=()
  local pkg
  for pkg in "${BRISEL_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# brisel_build DIR [cmake options...]
brisel_build() {
  local dir="$1"
  shift
  cmake -S "$BRISEL_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$dir" -j "$(nproc)"
}
