#!/usr/bin/env bash
# Draws the application icon into resources/desktop/icons/hicolor (PNGs of every size and
# the SVG). Needs the Qt 6 development files; the result is committed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -fPIC -O1 $(pkg-config --cflags Qt6Gui) "$here/drawicon.cpp" -o "$work/drawicon" $(pkg-config --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$work/drawicon" "$here/../icons/hicolor"
