#!/usr/bin/env bash
# Makes the screenshots of docs/screenshots from the shipped bank, at scale 1 and at scale 2,
# on Qt's offscreen platform, so that they come out the same on every machine.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh build
cmake --build build --target lingvar-screenshots -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
QT_SCALE_FACTOR=1 build/tools/screenshots/lingvar-screenshots data docs/screenshots
QT_SCALE_FACTOR=2 build/tools/screenshots/lingvar-screenshots data docs/screenshots @2x
ls docs/screenshots
