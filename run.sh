#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and runs it on a bundled sample.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
./build/release/src/quindra-render samples/esfera.txt
