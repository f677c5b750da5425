#include "scene/pontos_unicos.hpp"

#include <algorithm>
#include <bit>
#include <cassert>

#include "scene/paginas_grandes.hpp"

namespace quindra {

namespace {
constexpr std::size_t MENOR_TABELA = 64;
} // namespace

PontosUnicos::PontosUnicos(MalhaLida& lida, std::size_t previstos) : pontos_(lida.pontos) {
    assert(lida.pontos.empty());
    previstos = std::min(previstos, LIMITE_ELEMENTOS);
    lida.reserva(previstos, 0);
    dimensiona(previstos);
}

void PontosUnicos::dimensiona(std::size_t previstos) {
    // at most half full, so that a probe ends on a free slot within a few steps
    const std::size_t tamanho = std::bit_ceil(std::max(MENOR_TABELA, 2 * previstos));
    std::vector<Entrada> nova;
    nova.reserve(tamanho);
    pede_paginas_grandes(nova.data(), tamanho * sizeof(Entrada));
    nova.resize(tamanho);
    tabela_ = std::move(nova);
    mascara_ = tamanho - 1;
    deslocamento_ = 64 - std::countr_zero(tamanho);
    for (std::size_t i = 0; i < pontos_.size(); ++i) {
        const Ponto& p = pontos_[i];
        std::size_t j = posicao(p.x, p.y, p.z);
        while (tabela_[j].numero != 0) j = (j + 1) & mascara_;
        tabela_[j] = {p.x, p.y, p.z, static_cast<std::uint32_t>(i + 1)};
    }
}

std::int32_t PontosUnicos::numero(double x, double y, double z) {
    // adding +0 turns -0 into +0 and leaves every other value as it is
    x += 0.0, y += 0.0, z += 0.0;
    std::size_t i = posicao(x, y, z);
    for (; tabela_[i].numero != 0; i = (i + 1) & mascara_) {
        const Entrada& e = tabela_[i];
        if (e.x == x && e.y == y && e.z == z) return static_cast<std::int32_t>(e.numero);
    }
    if (pontos_.size() >= LIMITE_ELEMENTOS) return 0;
    pontos_.emplace_back(x, y, z);
    tabela_[i] = {x, y, z, static_cast<std::uint32_t>(pontos_.size())};
    if (2 * pontos_.size() > tabela_.size()) dimensiona(tabela_.size());
    return static_cast<std::int32_t>(pontos_.size());
}

} // namespace quindra
