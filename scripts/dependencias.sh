#!/usr/bin/env bash
# Installs, non-interactively, the Debian packages KELPA needs to build, run and test.
# Does nothing when everything is already there.
set -euo pipefail

pacotes=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  zlib1g-dev nettle-dev libsqlite3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  sqlite3 poppler-utils xvfb xauth fonts-dejavu-core
)

faltando=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltando+=("$p")
done
[ ${#faltando[@]} -eq 0 ] && exit 0

echo "Instalando: ${faltando[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${faltando[@]}"
