// The blank-separated tokens of a text split among threads: the text is cut into blocks at
// separators, each block counts its tokens, and the counts give every token its place in the
// whole, so that each block can read its own tokens knowing which they are.
#pragma once

#include <cstddef>
#include <limits>
#include <string_view>
#include <vector>

#include <tbb/parallel_for.h>

namespace quindra {

class TokensEmBlocos {
public:
    /// Counts the tokens of texto (every character of code 32 or below separates), on every core.
    explicit TokensEmBlocos(std::string_view texto);

    std::size_t total() const { return total_; }

    /// Calls le(i, token) for the tokens i in [inicio, fim) (fim <= total()), side by side in any
    /// order; le says whether the token is valid. Returns the first i, in text order, whose
    /// token was not valid, or NENHUM.
    template <class Le> std::size_t le(std::size_t inicio, std::size_t fim, Le&& le) const;

    static constexpr std::size_t NENHUM = std::numeric_limits<std::size_t>::max();

private:
    struct Bloco {
        std::string_view texto;
        std::size_t primeiro = 0; // the place of its first token in the whole text
        std::size_t quantos = 0;
    };

    static bool separa(char c) { return static_cast<unsigned char>(c) <= ' '; }
    /// Calls visita(token) for every token of the text, in order, until it returns false.
    template <class Visita> static void percorre(std::string_view texto, Visita&& visita);

    std::vector<Bloco> blocos_;
    std::size_t total_ = 0;
};

template <class Visita> void TokensEmBlocos::percorre(std::string_view texto, Visita&& visita) {
    std::size_t i = 0;
    const std::size_t n = texto.size();
    while (true) {
        while (i < n && separa(texto[i])) ++i;
        if (i == n) return;
        const std::size_t inicio = i;
        while (i < n && !separa(texto[i])) ++i;
        if (!visita(texto.substr(inicio, i - inicio))) return;
    }
}

template <class Le>
std::size_t TokensEmBlocos::le(std::size_t inicio, std::size_t fim, Le&& le) const {
    std::vector<std::size_t> falhas(blocos_.size(), NENHUM);
    tbb::parallel_for(std::size_t{0}, blocos_.size(), [&](std::size_t b) {
        const Bloco& bloco = blocos_[b];
        if (bloco.primeiro >= fim || bloco.primeiro + bloco.quantos <= inicio) return;
        std::size_t i = bloco.primeiro;
        percorre(bloco.texto, [&](std::string_view token) {
            if (i >= fim) return false;
            // Only the block's first invalid token matters: those after it come later in text.
            if (i >= inicio && !le(i, token)) {
                falhas[b] = i;
                return false;
            }
            ++i;
            return true;
        });
    });
    for (std::size_t falha : falhas)
        if (falha != NENHUM) return falha;
    return NENHUM;
}

} // namespace quindra
