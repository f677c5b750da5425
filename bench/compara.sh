#!/usr/bin/env bash
# Times our renderers against the software OpenGL peer (peer-bench) on the same object files,
# camera, lights and material, and prints the table of the performance issue with ratios.
#
#   bench/compara.sh [ROUNDS]          (default 5 interleaved rounds; medians are printed)
#
# Environment:
#   PEER_BENCH   the built peer-bench program (required; built by hand beside meshgen.py)
#   MESHGEN      meshgen.py (default: next to the peer-bench folder)
#   QUINDRA      quindra-render (default: build/release/src/quindra-render)
#   PASTA        scratch folder for meshes and configurations (default: /tmp/quindra-compara)
#   TAMANHOS     sphere sizes (default: "100000 1000000")
#   EXTRAS       other object files to draw at z = 200 (a scan, say), separated by blanks
#
# Ours: one fresh `quindra-render --tempo` process per Draw (its "desenho" and "carga" lines).
# Peer: the median frame of --frames 3 after its first, with LP_NUM_THREADS=0 (everything on
# one thread) and with its default threads. A cell reads "ours ms (ours/peer single, ours/peer
# default)". The load row compares our object load with the peer's file load.
set -euo pipefail
cd "$(dirname "$0")/.."

rodadas=${1:-5}
peer=${PEER_BENCH:?set PEER_BENCH to the built peer-bench program}
meshgen=${MESHGEN:-$(dirname "$peer")/../meshgen.py}
quindra=${QUINDRA:-$PWD/build/release/src/quindra-render}
pasta=${PASTA:-/tmp/quindra-compara}
tamanhos=${TAMANHOS:-100000 1000000}
mkdir -p "$pasta"

# camera at (0, 0, z) looking down -z, 90 degrees of view; white ambient with Ka 0.5, one white
# light at the camera; yellow diffuse, white specular, Kd = Ks = 0.5, roughness 1
configura() {
    local z=$1 dir=$pasta/conf$1
    mkdir -p "$dir"
    printf '0 0 -1\n0 1 0\n0 0 %s\n1\n1\n1\n' "$z" >"$dir/camera.txt"
    printf '255 255 255\n0.5\n1\n255 255 255\n0 0 %s\n' "$z" >"$dir/cena.txt"
    printf '255 255 0\n255 255 0\n255 255 255\n255 255 255\n0.5\n0.5\n1\n' >"$dir/objeto.txt"
}

linhas=() # "mesh file|z|label"
for n in $tamanhos; do
    malha=$pasta/sphere$n.txt
    [ -f "$malha" ] || python3 "$meshgen" sphere --tris "$n" -o "$malha" >/dev/null 2>&1
    linhas+=("$malha|200|sphere $n, z = 200")
done
for n in $tamanhos; do linhas+=("$pasta/sphere$n.txt|70|sphere $n filling the frame (z = 70)"); done
for extra in ${EXTRAS:-}; do linhas+=("$extra|200|$(basename "$extra"), z = 200"); done
configura 200
configura 70

modos=(wireframe flat gouraud phong)
escolhas=(0 2 4 5)
amostras=$pasta/amostras.txt
: >"$amostras"

# One line per sample: "row mode who value".
for ((r = 1; r <= rodadas; r++)); do
    for i in "${!linhas[@]}"; do
        IFS='|' read -r malha z _ <<<"${linhas[$i]}"
        for m in "${!modos[@]}"; do
            saida=$("$quindra" "$malha" -a "${escolhas[$m]}" --dir "$pasta/conf$z" \
                -o "$pasta/quadro.bmp" --tempo 2>&1 >/dev/null)
            awk -v l="$i" -v m="${modos[$m]}" '/^desenho:/ {print l, m, "nos", $2}
                /^carga:/ {print l, "carga", "nos", $2}' <<<"$saida" >>"$amostras"
        done
        for t in 0 padrao; do
            if [ "$t" = 0 ]; then ambiente=(env LP_NUM_THREADS=0); else ambiente=(env -u LP_NUM_THREADS); fi
            "${ambiente[@]}" "$peer" "$malha" --modes wireframe,flat,gouraud,phong --frames 3 \
                --dist "$z" 2>/dev/null |
                awk -v l="$i" -v t="par$t" '$1 ~ /^(wireframe|flat|gouraud|phong)$/ {print l, $1, t, $3}
                    /^setup ms:/ {print l, "carga", t, $4}' >>"$amostras"
        done
    done
done

mediana() { # row mode who
    awk -v l="$1" -v m="$2" -v q="$3" '$1 == l && $2 == m && $3 == q {print $4}' "$amostras" |
        sort -g | awk '{v[NR] = $1} END {if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

celula() { # ours peer_single peer_default
    awk -v a="$1" -v b="$2" -v c="$3" 'BEGIN {printf "%.0f ms (%.2f / %.2f)", a, a / b, a / c}'
}

echo "Medians of $rodadas rounds; cells: ours ms (ours / peer single-threaded, ours / peer default threads). $(uptime | sed 's/.*load/load/')"
echo
echo "| mesh | wireframe | flat | Gouraud-z | Phong |"
echo "|---|---|---|---|---|"
for i in "${!linhas[@]}"; do
    IFS='|' read -r _ _ rotulo <<<"${linhas[$i]}"
    linha="| $rotulo |"
    for m in "${modos[@]}"; do
        linha+=" $(celula "$(mediana "$i" "$m" nos)" "$(mediana "$i" "$m" par0)" "$(mediana "$i" "$m" parpadrao)") |"
    done
    echo "$linha"
done
echo
for i in "${!linhas[@]}"; do
    IFS='|' read -r malha z rotulo <<<"${linhas[$i]}"
    [ "$z" = 200 ] || continue
    echo "Load of $(basename "$malha"): $(celula "$(mediana "$i" carga nos)" "$(mediana "$i" carga par0)" "$(mediana "$i" carga parpadrao)")"
    echo
done
