#!/usr/bin/env bash
# Builds the screenshot program and regenerates the pictures in docs/ that the
# README shows, on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --target km62rx-screenshots
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bin/km62rx-screenshots" docs
