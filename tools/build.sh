#!/usr/bin/env bash
# Configures (once) and builds the project into the folder given, with both cores.
set -euo pipefail
folder=$1
shift
if [ ! -f "$folder/CMakeCache.txt" ]; then
    cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$folder" -j "$(nproc)"
