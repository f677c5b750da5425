#!/usr/bin/env bash
# Usage: fuzz.sh [SECONDS [NAME...]]
# Builds the fuzz targets (the fuzz preset: clang, libFuzzer, ASan, UBSan) and runs each one,
# or only the NAMEs given, for SECONDS seconds (default 60), starting from its seeds in
# tests/fuzz/NAME. New inputs are kept in build/fuzz/corpus/NAME, the fuzzer's log in
# build/fuzz/logs/NAME.log, and an input that crashes or breaks a property in
# build/fuzz/achados/. Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-60}
shift $(($# > 0 ? 1 : 0))

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build/fuzz/achados build/fuzz/logs
falhou=0
alvos=("$@")
[ ${#alvos[@]} -eq 0 ] && alvos=($(ls build/fuzz/fuzz/ | sed -n 's/^fuzz_//p'))
for nome in "${alvos[@]}"; do
    alvo=build/fuzz/fuzz/fuzz_$nome
    corpus=build/fuzz/corpus/$nome
    registro=build/fuzz/logs/$nome.log
    mkdir -p "$corpus"
    sementes=()
    [ -d "tests/fuzz/$nome" ] && sementes=("tests/fuzz/$nome")
    # A slow input (10 s) or a runaway allocation (2 GB) is a finding too.
    if UBSAN_OPTIONS=print_stacktrace=1 "$alvo" -max_total_time="$segundos" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build/fuzz/achados/$nome-" \
        "$corpus" "${sementes[@]}" >"$registro" 2>&1; then
        execucoes=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro")
        por_segundo=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$registro")
        cobertura=$(grep -o 'cov: [0-9]*' "$registro" | tail -1)
        echo "fuzz $nome: $execucoes runs ($por_segundo/s), $cobertura, corpus $(ls "$corpus" | wc -l)"
    else
        echo "fuzz $nome: FAILED, see $registro" >&2
        grep -E 'ERROR|propriedade|SUMMARY|Test unit written' "$registro" >&2 || tail -20 "$registro" >&2
        falhou=1
    fi
done
exit $falhou
