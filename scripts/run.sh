#!/usr/bin/env bash
# Builds and starts the program (pass --virtual to start it with a virtual HXT-2416).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [[ "${1:-}" == "--virtual" ]]; then
    shift
    exec ./build/hxt2416-virtual "$@"
fi
exec ./build/hxt2416-desktop "$@"
