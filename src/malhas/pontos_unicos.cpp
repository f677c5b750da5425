#include "malhas/pontos_unicos.hpp"

#include <algorithm>
#include <bit>
#include <cassert>
#include <random>

#include "geometry/paginas_grandes.hpp"

namespace quindra {

namespace {

constexpr std::size_t MENOR_TABELA = 64;
// The most slots a probe reads: a table at most half full rarely has a run near this long
// unless its hash has been defeated.
constexpr std::size_t MAIOR_SONDAGEM = 32;

// The 128-bit product of a and b folded to 64 bits: every bit of the result depends on every
// bit of both.
std::uint64_t mistura(std::uint64_t a, std::uint64_t b) {
    __extension__ using Produto = unsigned __int128;
    const Produto p = static_cast<Produto>(a) * b;
    return static_cast<std::uint64_t>(p) ^ static_cast<std::uint64_t>(p >> 64);
}

// Element by element: comparing the arrays whole calls memcmp on every probe.
bool iguais(const std::array<std::uint64_t, 3>& a, const std::array<std::uint64_t, 3>& b) {
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

} // namespace

ChaveHash ChaveHash::do_processo() {
    static const ChaveHash chave = [] {
        std::random_device fonte;
        ChaveHash nova{};
        for (std::uint64_t& parte : nova.k) parte = (std::uint64_t{fonte()} << 32) ^ fonte();
        return nova;
    }();
    return chave;
}

PontosUnicos::PontosUnicos(MalhaLida& lida, std::size_t previstos, ChaveHash chave)
    : lida_(lida), chave_(chave) {
    assert(lida.pontos.empty());
    previstos = std::min(previstos, LIMITE_ELEMENTOS);
    lida.reserva(previstos, 0);
    dimensiona(previstos);
}

PontosUnicos::Bits PontosUnicos::bits(double x, double y, double z) {
    return {std::bit_cast<std::uint64_t>(x + 0.0), std::bit_cast<std::uint64_t>(y + 0.0),
            std::bit_cast<std::uint64_t>(z + 0.0)};
}

std::size_t PontosUnicos::posicao(const Bits& b) const {
    const std::uint64_t h =
        mistura(mistura(b[0] ^ chave_.k[0], b[1] ^ chave_.k[1]) ^ chave_.k[2], b[2] ^ chave_.k[3]);
    return static_cast<std::size_t>(h >> deslocamento_);
}

std::size_t PontosUnicos::procura(const Bits& b) const {
    std::size_t i = posicao(b);
    for (std::size_t passo = 0; passo < MAIOR_SONDAGEM; ++passo, i = (i + 1) & mascara_)
        if (tabela_[i].numero == 0 || iguais(tabela_[i].bits, b)) return i;
    return tabela_.size();
}

// A point goes to the overflow only when its whole probe is taken, and slots are never freed
// until the table is rebuilt: a probe that meets a free slot proves the point is nowhere else.
void PontosUnicos::guarda(const Bits& b, std::uint32_t numero, std::size_t i) {
    if (i == tabela_.size())
        transbordo_.emplace(b, numero);
    else
        tabela_[i] = {b, numero};
}

void PontosUnicos::dimensiona(std::size_t previstos) {
    // at most half full, so that a probe ends on a free slot within a few steps
    const std::size_t tamanho = std::bit_ceil(std::max(MENOR_TABELA, 2 * previstos));
    std::vector<Entrada> nova;
    nova.reserve(tamanho);
    pede_paginas_grandes(nova.data(), tamanho * sizeof(Entrada));
    nova.resize(tamanho);
    tabela_ = std::move(nova);
    transbordo_.clear();
    mascara_ = tamanho - 1;
    deslocamento_ = 64 - std::countr_zero(tamanho);
    for (std::size_t i = 0; i < lida_.pontos.size(); ++i) {
        const Ponto& p = lida_.pontos[i];
        const Bits b = bits(p.x, p.y, p.z);
        guarda(b, static_cast<std::uint32_t>(i + 1), procura(b));
    }
}

std::int32_t PontosUnicos::numero(double x, double y, double z) {
    const Bits b = bits(x, y, z);
    const std::size_t i = procura(b);
    if (i < tabela_.size() && tabela_[i].numero != 0)
        return static_cast<std::int32_t>(tabela_[i].numero);
    if (i == tabela_.size())
        if (const auto achado = transbordo_.find(b); achado != transbordo_.end())
            return static_cast<std::int32_t>(achado->second);

    if (!lida_.acrescenta_ponto(x + 0.0, y + 0.0, z + 0.0)) return 0;
    const auto novo = static_cast<std::uint32_t>(lida_.pontos.size());
    guarda(b, novo, i);
    if (2 * lida_.pontos.size() > tabela_.size()) dimensiona(tabela_.size());
    return static_cast<std::int32_t>(novo);
}

} // namespace quindra
