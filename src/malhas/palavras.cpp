#include "malhas/palavras.hpp"

#include <algorithm>

namespace quindra {

namespace {
bool separa(char c) { return static_cast<unsigned char>(c) <= ' '; }

char minuscula(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
} // namespace

std::string_view Palavras::proxima() {
    while (posicao_ < texto_.size() && separa(texto_[posicao_])) ++posicao_;
    const std::size_t inicio = posicao_;
    while (posicao_ < texto_.size() && !separa(texto_[posicao_])) ++posicao_;
    return texto_.substr(inicio, posicao_ - inicio);
}

std::string_view Palavras::linha() {
    const std::size_t inicio = posicao_;
    const std::size_t quebra = std::min(texto_.find('\n', inicio), texto_.size());
    posicao_ = std::min(quebra + 1, texto_.size());
    return texto_.substr(inicio, quebra - inicio);
}

bool mesma_palavra(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return minuscula(x) == minuscula(y); });
}

} // namespace quindra
