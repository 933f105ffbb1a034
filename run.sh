#!/usr/bin/env bash
# Installs what is missing, builds, creates a demo database when there is none and starts KELPA.
set -euo pipefail
raiz="$(cd "$(dirname "$0")" && pwd)"
"$raiz/scripts/dependencias.sh"
"$raiz/scripts/compila.sh"
bin="${KELPA_BUILD_DIR:-$raiz/build}/bin"
export KELPA_HOME="${KELPA_HOME:-$bin}"
if [ ! -f "$KELPA_HOME/Kelpa.db" ]; then
  "$bin/kelpa-cli" --home "$KELPA_HOME" --dir "$KELPA_HOME" init --demo
fi
exec "$bin/kelpa" "$@"
