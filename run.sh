#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and renders a bundled sample with
# every algorithm.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

saida=quindra-imagens
mkdir -p "$saida"
./build/release/src/quindra-render samples/esfera.txt -a todos -o "$saida/esfera.png" \
    --textura samples/textura.bmp --faces 1 2808 --dir samples/configuracao --tempo
echo "Frames of samples/esfera.txt, one per algorithm: $saida/esfera0.png ... esfera8.png"
echo "(algorithm 7 is the ray tracer.)"
