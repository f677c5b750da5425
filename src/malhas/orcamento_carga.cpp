#include "malhas/orcamento_carga.hpp"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <limits>

namespace quindra {

namespace {

constexpr std::size_t SEM_LIMITE = std::numeric_limits<std::size_t>::max();

std::size_t memoria_fisica() {
    const long paginas = sysconf(_SC_PHYS_PAGES), tamanho = sysconf(_SC_PAGE_SIZE);
    if (paginas <= 0 || tamanho <= 0) return SEM_LIMITE;
    const auto p = static_cast<std::size_t>(paginas), t = static_cast<std::size_t>(tamanho);
    return p > SEM_LIMITE / t ? SEM_LIMITE : p * t;
}

std::size_t limite_de_enderecos() {
    rlimit limite{};
    if (getrlimit(RLIMIT_AS, &limite) != 0 || limite.rlim_cur == RLIM_INFINITY) return SEM_LIMITE;
    return static_cast<std::size_t>(std::min<rlim_t>(limite.rlim_cur, SEM_LIMITE));
}

} // namespace

std::size_t orcamento_de_carga() {
    // the other half is for the program itself, its threads, the file and the frame
    static const std::size_t orcamento = std::min(memoria_fisica(), limite_de_enderecos()) / 2;
    return orcamento;
}

} // namespace quindra
