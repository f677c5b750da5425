#include "geometry/tokens_em_blocos.hpp"

#include <algorithm>

namespace quindra {

namespace {
// Large enough that a block's start-up is nothing beside its work, small enough to balance.
constexpr std::size_t TAMANHO_BLOCO = std::size_t{1} << 19;
} // namespace

TokensEmBlocos::TokensEmBlocos(std::string_view texto) {
    // Each block after the first starts at a separator, so that no token is cut in two.
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        std::size_t fim = std::min(texto.size(), inicio + TAMANHO_BLOCO);
        while (fim < texto.size() && !separa(texto[fim])) ++fim;
        blocos_.push_back({texto.substr(inicio, fim - inicio)});
        inicio = fim;
    }
    tbb::parallel_for(std::size_t{0}, blocos_.size(), [&](std::size_t b) {
        std::size_t quantos = 0;
        percorre(blocos_[b].texto, [&quantos](std::string_view) { return ++quantos, true; });
        blocos_[b].quantos = quantos;
    });
    for (Bloco& bloco : blocos_) {
        bloco.primeiro = total_;
        total_ += bloco.quantos;
    }
}

} // namespace quindra
