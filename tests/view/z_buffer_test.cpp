#include "view/z_buffer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace quindra {
namespace {

TEST(ZBuffer, LimpaTudoPara1e10NoMesmoBloco) {
    ZBuffer z;
    ASSERT_EQ(z.valores.size(), 360'000u);
    z[3][5] = 7, z.em(599, 599) = 8;
    EXPECT_EQ(z.em(3, 5), 7);
    EXPECT_EQ(z.em(5, 3), PROFUNDIDADE_VAZIA); // column first, then height
    const double* bloco = z.valores.data();
    limpa_profundidade(z);
    EXPECT_EQ(z.valores.data(), bloco);
    EXPECT_TRUE(
        std::all_of(z.valores.begin(), z.valores.end(), [](double v) { return v == 1e10; }));
}

TEST(ZBuffer, SoPintaOQueEstaEstritamenteMaisPerto) {
    const double infinito = std::numeric_limits<double>::infinity();
    const struct {
        double z;
        bool pinta;
        double guardada;
    } passos[] = {
        {PROFUNDIDADE_VAZIA, false, PROFUNDIDADE_VAZIA}, // equal to empty is not nearer
        {5.0, true, 5.0},                                // a first fragment is painted
        {5.0, false, 5.0},                               // the same depth keeps the first
        {5.000001, false, 5.0},
        {std::numeric_limits<double>::quiet_NaN(), false, 5.0},
        {4.999999, true, 4.999999},
        {-infinito, true, -infinito},
    };
    ZBuffer z;
    for (const auto& p : passos) {
        EXPECT_EQ(z.testa_e_grava(10, 20, p.z), p.pinta) << p.z;
        EXPECT_EQ(z.em(10, 20), p.guardada) << p.z;
    }
    EXPECT_EQ(z.em(20, 10), PROFUNDIDADE_VAZIA);
}

} // namespace
} // namespace quindra
