#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
raiz="$(cd "$(dirname "$0")" && pwd)"
"$raiz/scripts/dependencias.sh"
"$raiz/scripts/compila.sh" -DKELPA_WERROR=ON
build="${KELPA_BUILD_DIR:-$raiz/build}"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --timeout 300 -j 2
