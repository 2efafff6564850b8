#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quarvel from its package folder.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Quarvel needs a graphical display, and none is set (DISPLAY and WAYLAND_DISPLAY are empty)." >&2
  exit 1
fi
exec ./build/Quarvel/quarvel
