#include "view/corte.hpp"

#include <gtest/gtest.h>
#include <limits>

namespace quindra {
namespace {

TEST(CortaSegmento, CasosDoPlanoFocal) {
    struct Caso {
        double p[6];
        int resultado;
        double esperado[6];
    };
    const Caso casos[] = {
        {{0, 0, 0.5, 2, 2, 1.5}, 2, {1, 1, 1, 2, 2, 1.5}},
        {{2, 2, 1.5, 0, 0, 0.5}, 3, {2, 2, 1.5, 1, 1, 1}},
        {{0, 0, 2, 0, 0, 3}, 1, {0, 0, 2, 0, 0, 3}},
        {{0, 0, 1, 5, 5, 1}, 1, {0, 0, 1, 5, 5, 1}}, // on the plane counts as beyond
        {{0, 0, 0.2, 0, 0, 0.9}, 0, {0, 0, 0.2, 0, 0, 0.9}},
        {{0, 0, 0.9999995, 0, 0, 1.0000004}, 1, {0, 0, 0.9999995, 0, 0, 1.0000004}},
    };
    for (const auto& c : casos) {
        double v[6];
        std::copy(std::begin(c.p), std::end(c.p), v);
        EXPECT_EQ(corta_segmento(v[0], v[1], v[2], v[3], v[4], v[5], 1), c.resultado);
        for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(v[i], c.esperado[i]) << i;
    }
}

TEST(RecortaSegmento, CasosDoQuadradoVisivel) {
    struct Caso {
        double p[4];
        bool visivel;
        double esperado[4];
    };
    const Caso casos[] = {
        {{0.5, 0.5, -0.5, -0.5}, true, {-0.5, -0.5, 0.5, 0.5}},
        {{-2, 0, 2, 0}, true, {-1, 0, 1, 0}},
        {{-2, -2, 2, 2}, true, {-1, -1, 1, 1}},
        {{0, -3, 0, 3}, true, {0, -1, 0, 1}},
        {{2, 0, 3, 5}, false, {}},
        {{0.5, 1.5, 1.5, 0.5}, true, {1, 1, 1, 1}},
        {{-3, 0.5, -2, 0.7}, false, {}},
        {{0, 2, 0, 3}, false, {}},
        {{-0.5, 1.5, 1.5, 1.2}, false, {}}, // passes above the corner
        {{0, 0, 3, 1.5}, true, {0, 0, 1, 0.5}},
        {{0.3, 2, 0.3, 2.5}, false, {}},
    };
    for (const auto& c : casos) {
        double v[4];
        std::copy(std::begin(c.p), std::end(c.p), v);
        ASSERT_EQ(recorta_segmento(v[0], v[1], v[2], v[3]), c.visivel) << c.p[0] << "," << c.p[1];
        if (!c.visivel) continue;
        for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(v[i], c.esperado[i]) << i;
    }
}

TEST(RecortaSegmento, ExtremoNaNNaoEhVisivel) {
    double x1 = std::numeric_limits<double>::quiet_NaN(), y1 = 0, x2 = 0.5, y2 = 0;
    EXPECT_FALSE(recorta_segmento(x1, y1, x2, y2));
}

ListaDePontos pontos_com_profundidades(double z1, double z2, double z3) {
    ListaDePontos pontos(3);
    pontos[0].atribui_vista(0, 0, z1);
    pontos[1].atribui_vista(1, 0, z2);
    pontos[2].atribui_vista(0, 1, z3);
    return pontos;
}

TEST(ClassificaTriangulo, CodigosEParametros) {
    struct Caso {
        double z[3];
        int codigo;
        double t12, t13, t23; // -9: left as it was
    };
    const Caso casos[] = {
        {{0.5, 0.5, 0.5}, -1, -9, -9, -9},  {{2, 3, 4}, 0, -9, -9, -9},
        {{0.5, 2, 3}, 1, 1.0 / 3, 0.2, -9}, {{0.5, 0, 3}, 2, -9, 0.2, 1.0 / 3},
        {{0, 3, 0.5}, 3, 1.0 / 3, -9, 0.8}, {{3, 0, 2}, 4, 2.0 / 3, -9, 0.5},
        {{2, 0, 0}, 5, 0.5, 0.5, -9},       {{3, 2, 0}, 6, -9, 2.0 / 3, 0.5},
    };
    const Triangulo t(1, 2, 3);
    for (const auto& c : casos) {
        ListaDePontos pontos = pontos_com_profundidades(c.z[0], c.z[1], c.z[2]);
        CortesTriangulo cortes{-9, -9, -9};
        EXPECT_EQ(classifica_triangulo(t, pontos, 1, cortes), c.codigo);
        EXPECT_DOUBLE_EQ(cortes.t12, c.t12) << c.codigo;
        EXPECT_DOUBLE_EQ(cortes.t13, c.t13) << c.codigo;
        EXPECT_DOUBLE_EQ(cortes.t23, c.t23) << c.codigo;
    }
}

TEST(ClassificaTriangulo, VerticeNoPlanoEhEmpurradoParaPerto) {
    ListaDePontos pontos = pontos_com_profundidades(1, 2, 3);
    CortesTriangulo cortes;
    EXPECT_EQ(classifica_triangulo(Triangulo(1, 2, 3), pontos, 1, cortes), 1);
    EXPECT_DOUBLE_EQ(pontos[0].zv, 1 - 1e-8); // in the shared point itself
    EXPECT_GT(cortes.t12, 0);
    EXPECT_LT(cortes.t12, 1e-7);
}

} // namespace
} // namespace quindra
