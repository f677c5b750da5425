#include "scene/pontos_unicos.hpp"

#include <algorithm>
#include <bit>

#include "scene/malha_lida.hpp"

namespace quindra {

namespace {
constexpr std::size_t MENOR_TABELA = 64;
} // namespace

PontosUnicos::PontosUnicos(ListaDePontos& pontos, std::size_t previstos) : pontos_(pontos) {
    // at most half full, so that a probe ends on a free slot within a few steps
    const std::size_t tamanho =
        std::bit_ceil(std::max(MENOR_TABELA, 2 * std::min(previstos, LIMITE_ELEMENTOS)));
    tabela_.assign(tamanho, 0);
    mascara_ = tamanho - 1;
    deslocamento_ = 64 - std::countr_zero(tamanho);
    for (std::size_t i = 0; i < pontos_.size(); ++i) {
        std::size_t j = posicao(pontos_[i].x, pontos_[i].y, pontos_[i].z);
        while (tabela_[j] != 0) j = (j + 1) & mascara_;
        tabela_[j] = static_cast<std::uint32_t>(i + 1);
    }
}

std::size_t PontosUnicos::posicao(double x, double y, double z) const {
    // multiplicative hashing: the top bits of each product depend on every bit of the coordinate
    const std::uint64_t h = std::bit_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15u +
                            std::bit_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Fu +
                            std::bit_cast<std::uint64_t>(z) * 0x165667B19E3779F9u;
    return static_cast<std::size_t>(h >> deslocamento_);
}

std::int32_t PontosUnicos::numero(double x, double y, double z) {
    // adding +0 turns -0 into +0 and leaves every other value as it is
    x += 0.0, y += 0.0, z += 0.0;
    std::size_t i = posicao(x, y, z);
    for (; tabela_[i] != 0; i = (i + 1) & mascara_) {
        const Ponto& p = pontos_[tabela_[i] - 1];
        if (p.x == x && p.y == y && p.z == z) return static_cast<std::int32_t>(tabela_[i]);
    }
    if (pontos_.size() >= LIMITE_ELEMENTOS) return 0;
    pontos_.emplace_back(x, y, z);
    tabela_[i] = static_cast<std::uint32_t>(pontos_.size());
    if (2 * pontos_.size() > tabela_.size()) dobra_tabela();
    return static_cast<std::int32_t>(pontos_.size());
}

void PontosUnicos::dobra_tabela() {
    PontosUnicos maior(pontos_, tabela_.size());
    tabela_ = std::move(maior.tabela_);
    mascara_ = maior.mascara_;
    deslocamento_ = maior.deslocamento_;
}

} // namespace quindra
