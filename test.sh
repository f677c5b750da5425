#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UBSan, runs every test, then runs
# every fuzz target briefly (QUINDRA_FUZZ_SEGUNDOS seconds each, 20 by default; 0 skips them),
# and last builds and checks the Debian package (scripts/pacote.sh).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset debug >/dev/null
cmake --build --preset debug
ctest --preset debug -j "$(nproc)"
fuzz_segundos=${QUINDRA_FUZZ_SEGUNDOS:-20}
if [ "$fuzz_segundos" -gt 0 ]; then ./scripts/fuzz.sh "$fuzz_segundos"; fi
./scripts/pacote.sh
