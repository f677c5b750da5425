#include "scene/triangulo.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace quindra {
namespace {

// A mesh whose camera coordinates are set directly, as the viewing transform would.
Malha malha_com_vista(std::initializer_list<Vetor> vista,
                      std::initializer_list<Triangulo> triangulos) {
    Malha malha;
    for (const Vetor& v : vista) malha.Pontos.emplace_back().atribui_vista(v.x, v.y, v.z);
    malha.Triangulos = triangulos;
    return malha;
}

TEST(Triangulo, NormalEDistanciaDeUmTrianguloConhecido) {
    Malha malha = malha_com_vista({{0, 0, 5}, {1, 0, 5}, {0, 1, 5}}, {{1, 2, 3}});
    Vetor trabalho(7, 7, 7);
    Triangulo& t = malha.Triangulos[0];
    t.calcula_normal(malha.Pontos, trabalho);
    EXPECT_DOUBLE_EQ(t.normal.x, 0);
    EXPECT_DOUBLE_EQ(t.normal.y, 0);
    EXPECT_DOUBLE_EQ(t.normal.z, -1); // (P3 - P1) x (P2 - P1)

    calcula_distancias(malha);
    EXPECT_DOUBLE_EQ(t.distancia, 1.0 / 9 + 1.0 / 9 + 25);
}

TEST(Triangulo, DegeneradoTemNormalNula) {
    Malha malha = malha_com_vista({{0, 0, 5}, {1, 0, 5}, {0, 1, 5}}, {{1, 1, 3}});
    Vetor trabalho;
    malha.Triangulos[0].calcula_normal(malha.Pontos, trabalho);
    EXPECT_TRUE(malha.Triangulos[0].normal.nulo());
}

TEST(Triangulo, NormaisDosVerticesSomamSemPeso) {
    // Two triangles at right angles sharing the edge 1-2; point 5 belongs to none.
    Malha malha = malha_com_vista({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {9, 9, 9}},
                                  {{1, 2, 3}, {1, 4, 2}});
    Vetor trabalho;
    for (auto& t : malha.Triangulos) t.calcula_normal(malha.Pontos, trabalho);
    cria_normais_vertices(malha);
    ASSERT_EQ(malha.NormaisVertices.size(), 5u);
    calcula_normais_vertices(malha);

    const double r = 1 / std::sqrt(2.0);
    const Vetor& compartilhada = malha.NormaisVertices[0];
    EXPECT_DOUBLE_EQ(compartilhada.x, 0);
    EXPECT_DOUBLE_EQ(compartilhada.y, -r);
    EXPECT_DOUBLE_EQ(compartilhada.z, -r);
    EXPECT_DOUBLE_EQ(malha.NormaisVertices[2].z, -1); // only the first triangle
    EXPECT_TRUE(malha.NormaisVertices[4].nulo());
}

TEST(Triangulo, OrdenacaoPoeOMaisProximoPrimeiroEEhEstavel) {
    Malha malha;
    const double chaves[] = {5, 1, 3, 1, 5, 0};
    for (int i = 0; i < 6; ++i) {
        Triangulo& t = malha.Triangulos.emplace_back(i + 1, 0, 0);
        t.distancia = chaves[i];
    }
    ordena_triangulos(malha);
    const int ordem[] = {6, 2, 4, 3, 1, 5};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(malha.Triangulos[i].vertice1, ordem[i]);

    EXPECT_EQ(compara_distancias(malha.Triangulos[0], malha.Triangulos[1]), -1);
    EXPECT_EQ(compara_distancias(malha.Triangulos[1], malha.Triangulos[2]), 0);
    EXPECT_EQ(compara_distancias(malha.Triangulos[5], malha.Triangulos[3]), 1);
}

TEST(Triangulo, ChaveNaNVaiParaOFim) {
    Malha malha;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double chaves[] = {nan, 2, nan, 1};
    for (int i = 0; i < 4; ++i) malha.Triangulos.emplace_back(i + 1, 0, 0).distancia = chaves[i];
    ordena_triangulos(malha);
    EXPECT_EQ(malha.Triangulos[0].vertice1, 4);
    EXPECT_EQ(malha.Triangulos[1].vertice1, 2);
    EXPECT_TRUE(std::isnan(malha.Triangulos[2].distancia));
    EXPECT_TRUE(std::isnan(malha.Triangulos[3].distancia));
}

TEST(Triangulo, LiberaMalhaEsvaziaTudo) {
    Malha malha = malha_com_vista({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{1, 2, 3}});
    cria_normais_vertices(malha);
    malha.CoresVertices.resize(3);
    libera_malha(malha);
    EXPECT_EQ(malha.NumPontos(), 0);
    EXPECT_TRUE(malha.Pontos.empty() && malha.Triangulos.empty());
    EXPECT_TRUE(malha.NormaisVertices.empty() && malha.CoresVertices.empty());
}

} // namespace
} // namespace quindra
