#!/usr/bin/env bash
# Configures and builds the project into the folder given, with both cores. Options after the
# folder (-D...) are passed to every configure, so a changed option always takes effect.
set -euo pipefail
folder=$1
shift
cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$folder" -j "$(nproc)"
