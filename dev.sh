#!/usr/bin/env bash
# Hestova set-up, build, run and test on Debian.
#   ./dev.sh run    install what is missing, build, start the program
#   ./dev.sh test   install what is missing, build, run every test
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="$here/build"

packages=(
  cmake g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  googletest libgtest-dev libgmock-dev
  unixodbc unixodbc-dev odbcinst libsqliteodbc sqlite3
  fonts-arphic-uming fonts-wqy-zenhei
  xvfb xauth poppler-utils libxtst-dev
  python3 acl
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_all() {
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j"$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build_all
    exec "$build/appdir/hestova"
    ;;
  test)
    install_missing
    build_all
    cd "$build"
    ctest --output-on-failure -j"$(nproc)" --timeout 600
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
