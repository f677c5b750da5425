#include "geometry/tokens_em_blocos.hpp"

#include <algorithm>

namespace quindra {

namespace {
// Large enough that a block's start-up is nothing beside its work, small enough to balance.
constexpr std::size_t TAMANHO_BLOCO = std::size_t{1} << 19;

// A token starts wherever a character follows a separator (or the text's start).
std::size_t conta_tokens(std::string_view texto) {
    const auto separa = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    if (texto.empty()) return 0;
    std::size_t quantos = separa(texto[0]) ? 0 : 1;
    for (std::size_t i = 1; i < texto.size(); ++i)
        quantos += static_cast<std::size_t>(separa(texto[i - 1]) && !separa(texto[i]));
    return quantos;
}
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
    tbb::parallel_for(std::size_t{0}, blocos_.size(),
                      [&](std::size_t b) { blocos_[b].quantos = conta_tokens(blocos_[b].texto); });
    for (Bloco& bloco : blocos_) {
        bloco.primeiro = total_;
        total_ += bloco.quantos;
    }
}

} // namespace quindra
