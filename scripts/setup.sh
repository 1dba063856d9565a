#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, then configures and builds into build/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
packages=(cmake g++ pkg-config qt6-base-dev libqt6sql6-sqlite qt6-charts-dev qt6-translations-l10n
          libxlsxwriter-dev poppler-utils unzip sqlite3 libsqlite3-dev fonts-liberation clang-format)
packages+=(clang) # the fuzz target, tests/fuzz/run.sh
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instalando pacotes: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$here/build" -j"$(nproc)"
