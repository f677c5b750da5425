// What a fuzz target checks beyond "no crash": a broken property aborts, so libFuzzer keeps the
// input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace quindra::fuzz {

inline void exige(bool condicao, const char* propriedade) {
    if (condicao) return;
    std::fprintf(stderr, "propriedade violada: %s\n", propriedade);
    std::abort();
}

} // namespace quindra::fuzz
