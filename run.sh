#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and opens the window with a bundled
# sample. Without a display, renders the sample with every algorithm instead.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    # The window keeps its parameters in its working folder: one of our own, started from the
    # configuration that suits the samples.
    trabalho=quindra-trabalho
    mkdir -p "$trabalho"
    cp -n samples/configuracao/*.txt "$trabalho"/
    cd "$trabalho"
    exec ../build/release/src/gui/quindra --algoritmo 5 ../samples/esfera.txt
fi

saida=quindra-imagens
mkdir -p "$saida"
./build/release/src/quindra-render samples/esfera.txt -a todos -o "$saida/esfera.png" \
    --textura samples/textura.bmp --faces 1 2808 --dir samples/configuracao --tempo
echo "No display: frames of samples/esfera.txt, one per algorithm, in $saida/esfera0.png ... esfera8.png"
echo "(algorithm 7 is the ray tracer.)"
