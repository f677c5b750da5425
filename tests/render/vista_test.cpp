#include "render/vista.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace quindra {
namespace {

// A mesh of the triangles and a view whose camera coordinates are set directly, as the viewing
// transform would set them.
struct MalhaEVista {
    Malha malha;
    Vista vista;

    MalhaEVista(std::initializer_list<Vetor> camera, std::initializer_list<Triangulo> triangulos) {
        malha.Pontos.resize(camera.size());
        malha.Triangulos = triangulos;
        vista.ajusta(malha);
        vista.Pontos.resize(camera.size());
        std::size_t i = 0;
        for (const Vetor& v : camera) vista.Pontos[i++].atribui_vista(v.x, v.y, v.z);
    }
};

// Triangles whose depth keys are the given ones, nothing else about them mattering.
MalhaEVista com_chaves(const std::vector<double>& chaves) {
    MalhaEVista m({}, {});
    m.malha.Triangulos.resize(chaves.size());
    m.vista.ajusta(m.malha);
    m.vista.distancia = chaves;
    return m;
}

TEST(Vista, PontosELuzesVaoParaAVistaSemTocarNoObjetoNemNaCena) {
    const Camera camera({0, 0, -1}, {0, 1, 0}, Ponto(0, 0, 200), 1, 1, 1);
    Malha malha;
    malha.Pontos = {Ponto(0, 0, 50), Ponto(1, 2, 3)};
    malha.FatorDilatacaoZ = 3;
    Cena cena;
    cena.Pl = {Ponto(1, 2, 50)};
    Vista vista;
    vista.ajusta(malha);
    transforma_pontos(vista, malha, camera);
    transforma_fontes(vista, cena, camera, 2);
    EXPECT_DOUBLE_EQ(vista.Pontos[0].zv, 50);
    EXPECT_DOUBLE_EQ(vista.Pontos[1].zv, 191); // only world z is scaled
    EXPECT_DOUBLE_EQ(vista.cena.Pl[0].xv, 1);
    EXPECT_DOUBLE_EQ(vista.cena.Pl[0].zv, 100);
    EXPECT_EQ(malha.Pontos[1].zv, 0);
    EXPECT_EQ(cena.Pl[0].zv, 0);
}

TEST(Vista, NormalEDistanciaDeUmTrianguloConhecido) {
    MalhaEVista m({{0, 0, 5}, {1, 0, 5}, {0, 1, 5}}, {{1, 2, 3}, {1, 1, 3}});
    dispoe_lista(m.vista, m.malha);
    calcula_normais_faces(m.vista);
    calcula_distancias(m.vista, m.malha);
    const Vetor& n = m.vista.normal[0];
    EXPECT_DOUBLE_EQ(n.x, 0);
    EXPECT_DOUBLE_EQ(n.y, 0);
    EXPECT_DOUBLE_EQ(n.z, -1); // (P3 - P1) x (P2 - P1)
    EXPECT_DOUBLE_EQ(m.vista.distancia[0], 1.0 / 9 + 1.0 / 9 + 25);
    EXPECT_TRUE(m.vista.normal[1].nulo()); // a degenerate triangle
}

TEST(Vista, NormaisDosVerticesSomamSemPeso) {
    // Two triangles at right angles sharing the edge 1-2; point 5 belongs to none.
    MalhaEVista m({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {9, 9, 9}}, {{1, 2, 3}, {1, 4, 2}});
    dispoe_lista(m.vista, m.malha);
    calcula_normais_faces(m.vista);
    calcula_normais_vertices(m.vista);
    ASSERT_EQ(m.vista.NormaisVertices.size(), 5u);
    const double r = 1 / std::sqrt(2.0);
    const Vetor& compartilhada = m.vista.NormaisVertices[0];
    EXPECT_DOUBLE_EQ(compartilhada.x, 0);
    EXPECT_DOUBLE_EQ(compartilhada.y, -r);
    EXPECT_DOUBLE_EQ(compartilhada.z, -r);
    EXPECT_DOUBLE_EQ(m.vista.NormaisVertices[2].z, -1); // only the first triangle
    EXPECT_TRUE(m.vista.NormaisVertices[4].nulo());
}

TEST(Vista, OrdenacaoEstavelComNaNNoFimSemMoverOsTriangulos) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    MalhaEVista m = com_chaves({5, 1, nan, 3, 1, 5, 0});
    for (std::int32_t i = 0; i < 7; ++i)
        m.malha.Triangulos[static_cast<std::size_t>(i)].vertice1 = i;
    const std::vector<Triangulo> como_lidos = m.malha.Triangulos;
    ordena_triangulos(m.vista);
    EXPECT_EQ(m.vista.ordem, (std::vector<std::uint32_t>{6, 1, 4, 3, 0, 5, 2}));
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(m.malha.Triangulos[i].vertice1, como_lidos[i].vertice1);

    // Sorting again from the order left keeps equal keys where they stand, as a stable sort of
    // the current list does; another object starts from file order.
    m.vista.distancia = {0, 0, 0, 0, 0, 0, 0};
    ordena_triangulos(m.vista);
    EXPECT_EQ(m.vista.ordem, (std::vector<std::uint32_t>{6, 1, 4, 3, 0, 5, 2}));
    m.vista.descarta();
    m.vista.ajusta(m.malha);
    EXPECT_EQ(m.vista.ordem, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5, 6}));
}

} // namespace
} // namespace quindra
