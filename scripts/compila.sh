#!/usr/bin/env bash
# Configures (once) and builds KELPA into build/. Extra arguments go to cmake at configure time.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${KELPA_BUILD_DIR:-$raiz/build}"
# Configure on the first run, and again whenever options are given (so that, say,
# test.sh's -DKELPA_WERROR=ON reaches a build folder first made by run.sh).
if [ ! -f "$build/CMakeCache.txt" ] || [ $# -gt 0 ]; then
  cmake -S "$raiz" -B "$build" -G Ninja "$@" > /dev/null
fi
# One build at a time on this machine: builds started together wait for each other.
flock /tmp/kelpa-build.lock cmake --build "$build" --parallel "${KELPA_JOBS:-2}"
