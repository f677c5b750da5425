#include "malhas/pontos_unicos.hpp"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace quindra {
namespace {

// Equal coordinates get one number in first-appearance order; -0 is +0, and the point stored
// carries +0; a one-ulp difference or the smallest subnormal is another point.
TEST(PontosUnicos, NumeraPelaPrimeiraAparicao) {
    const double ulp = std::nextafter(1.0, 2.0), sub = std::numeric_limits<double>::denorm_min();
    struct Caso {
        double x, y, z;
        std::int32_t numero;
    };
    const Caso casos[] = {
        {1, 2, 3, 1},    {-0.0, 0, 0, 2}, {1, 2, 3, 1},   {0, -0.0, -0.0, 2},       {ulp, 2, 3, 3},
        {0, 0, sub, 4},  {0, 0, -sub, 5}, {3, 2, 1, 6},   {1e308, -1e308, 0, 7},    {ulp, 2, 3, 3},
        {-0.0, 0, 0, 2}, {3, 2, 1, 6},    {0, 0, sub, 4}, {1e308, -1e308, -0.0, 7},
    };
    MalhaLida lida;
    PontosUnicos unicos(lida, 0);
    for (const Caso& c : casos) EXPECT_EQ(unicos.numero(c.x, c.y, c.z), c.numero) << c.x;
    ASSERT_EQ(lida.pontos.size(), 7u);
    EXPECT_FALSE(std::signbit(lida.pontos[1].x));
    EXPECT_EQ(lida.pontos[2].x, ulp);
    EXPECT_EQ(lida.pontos[6].y, -1e308);
}

// Numbers the points in order, then asks for them again from the last: every number survives
// the table's growth and the overflow.
void numera_e_confere(PontosUnicos& unicos, const std::vector<std::array<double, 3>>& pontos) {
    for (std::size_t i = 0; i < pontos.size(); ++i)
        ASSERT_EQ(unicos.numero(pontos[i][0], pontos[i][1], pontos[i][2]),
                  static_cast<std::int32_t>(i + 1))
            << i;
    for (std::size_t i = pontos.size(); i-- > 0;)
        ASSERT_EQ(unicos.numero(pontos[i][0], pontos[i][1], pontos[i][2]),
                  static_cast<std::int32_t>(i + 1))
            << i;
}

// Distinct points whose bits collide under a multiplicative hash such as h = x*K1 + y*K2 + z*K3
// (mod 2^64): z is solved for from x and y, as a hostile file could do for any such hash.
std::vector<std::array<double, 3>> colidem_no_hash_multiplicativo(std::size_t quantos) {
    constexpr std::uint64_t K1 = 0x9E3779B97F4A7C15u, K2 = 0xC2B2AE3D27D4EB4Fu,
                            K3 = 0x165667B19E3779F9u;
    std::uint64_t inverso = K3; // Newton's iteration doubles the correct low bits each step
    for (int i = 0; i < 6; ++i) inverso *= 2 - K3 * inverso;
    std::vector<std::array<double, 3>> pontos;
    for (std::uint64_t i = 1; pontos.size() < quantos; ++i) {
        const double x = static_cast<double>(i), y = 1.0;
        const std::uint64_t resto =
            0 - std::bit_cast<std::uint64_t>(x) * K1 - std::bit_cast<std::uint64_t>(y) * K2;
        const double z = std::bit_cast<double>(resto * inverso);
        if (std::isfinite(z) && z != 0) pontos.push_back({x, y, z});
    }
    return pontos;
}

// Inputs that made every lookup walk all earlier points: with a fixed null key every point
// (0, y, z) lands on one slot, and the probes' bound sends them to the ordered overflow.
TEST(PontosUnicos, ColisoesCustamPouco) {
    {
        MalhaLida lida;
        PontosUnicos unicos(lida, 16);
        numera_e_confere(unicos, colidem_no_hash_multiplicativo(50'000));
    }
    std::vector<std::array<double, 3>> mesmo_lugar;
    for (int i = 0; i < 50'000; ++i) mesmo_lugar.push_back({0, i % 2 ? -1.0 * i : i, 1.0 * i});
    MalhaLida lida;
    PontosUnicos unicos(lida, 16, ChaveHash{});
    numera_e_confere(unicos, mesmo_lugar);
    EXPECT_EQ(unicos.numero(-0.0, 0, 0), 1);
}

// A point beyond the budget gets 0, while the ones already numbered keep theirs.
TEST(PontosUnicos, RecusaOQuePassaDoOrcamento) {
    for (const ChaveHash chave : {ChaveHash::do_processo(), ChaveHash{}}) {
        MalhaLida lida;
        lida.orcamento = custo_da_malha(100, 0);
        PontosUnicos unicos(lida, 1000, chave);
        for (int i = 0; i < 100; ++i) ASSERT_EQ(unicos.numero(0, i, 0), i + 1);
        EXPECT_EQ(unicos.numero(0, 100, 0), 0);
        EXPECT_EQ(unicos.numero(0, 99, 0), 100);
        EXPECT_EQ(lida.pontos.size(), 100u);
    }
}

} // namespace
} // namespace quindra
