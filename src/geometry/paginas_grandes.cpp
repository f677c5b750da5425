#include "geometry/paginas_grandes.hpp"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quindra {

void pede_paginas_grandes(const void* inicio, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t PAGINA_GRANDE = std::uintptr_t{2} << 20;
    const auto comeco = reinterpret_cast<std::uintptr_t>(inicio);
    const std::uintptr_t primeira = (comeco + PAGINA_GRANDE - 1) & ~(PAGINA_GRANDE - 1);
    const std::uintptr_t fim = (comeco + bytes) & ~(PAGINA_GRANDE - 1);
    // a refusal only means small pages, as without the hint
    if (primeira < fim) madvise(reinterpret_cast<void*>(primeira), fim - primeira, MADV_HUGEPAGE);
#else
    (void)inicio, (void)bytes;
#endif
}

} // namespace quindra
