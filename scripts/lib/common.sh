# Shared by the project's scripts: packages, builds and the throwaway Wine prefix.
# Source it from a script that has set -euo pipefail; it changes to the
# project's top folder.

QOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$QOR_ROOT"

QOR_PACKAGES=(cmake make binutils g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 googletest)

# Installs whatever of the build and test tools is missing.
qor_install_packages() {
  local missing=()
  local package
  for package in "${QOR_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Configures and builds one preset (mingw-x64 or mingw-x86).
qor_build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}

# A throwaway Wine prefix under build/, booted once and reused, with a
# persistent wineserver so each program starts in tens of milliseconds.
export WINEPREFIX="$QOR_ROOT/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
QOR_WINE=/usr/lib/wine/wine64

qor_stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
}

qor_start_wine() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Booting a Wine prefix in $WINEPREFIX (once)"
    "$QOR_WINE" wineboot -i >/dev/null 2>&1
  fi
  # Sent away from our output: a wineserver holding our pipe would keep
  # whoever reads it waiting.
  wineserver -p >/dev/null 2>&1 </dev/null &
  trap qor_stop_wine EXIT
  # The prefix's services start with the first program and live as long as
  # the server: started by a test, they would hold ctest's pipe open and keep
  # it waiting after the test ended.
  "$QOR_WINE" wineboot >/dev/null 2>&1 </dev/null
}
