#include "view/corte.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

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

// Each case with its crossing parameters (of the edges in slot order), its polygon and its
// sub-triangles; slot 3 is the first crossing point, slot 4 the second.
TEST(CorteTriangulo, CasosParametrosPoligonoEPartes) {
    struct Caso {
        double z[3];
        CasoCorte caso;
        double t[2];
        std::vector<int> poligono;
        int partes;
    };
    const Caso casos[] = {
        {{0.5, 0.5, 0.5}, CasoCorte::TodoPerto, {}, {}, 0},
        {{2, 3, 4}, CasoCorte::TodoAlem, {}, {0, 1, 2}, 1},
        {{0.5, 2, 3}, CasoCorte::Perto1, {1.0 / 3, 0.2}, {3, 1, 2, 4}, 2},
        {{0.5, 0, 3}, CasoCorte::Perto12, {0.2, 1.0 / 3}, {3, 4, 2}, 1},
        {{0, 3, 0.5}, CasoCorte::Perto13, {1.0 / 3, 0.8}, {3, 4, 1}, 1},
        {{3, 0, 2}, CasoCorte::Perto2, {2.0 / 3, 0.5}, {3, 0, 2, 4}, 2},
        {{2, 0, 0}, CasoCorte::Perto23, {0.5, 0.5}, {3, 4, 0}, 1},
        {{3, 2, 0}, CasoCorte::Perto3, {2.0 / 3, 0.5}, {3, 0, 1, 4}, 2},
    };
    const Triangulo t(1, 2, 3);
    for (const auto& c : casos) {
        const int n = static_cast<int>(c.caso);
        ListaDePontos pontos = pontos_com_profundidades(c.z[0], c.z[1], c.z[2]);
        EXPECT_EQ(classifica_triangulo(t, pontos, 1), c.caso) << n;
        const CorteTriangulo corte(t, pontos, 1);
        const auto poligono = corte.poligono();
        EXPECT_EQ(std::vector<int>(poligono.begin(), poligono.end()), c.poligono) << n;
        EXPECT_EQ(corte.quantas_partes(), c.partes) << n;
        if (c.poligono.size() < 3 || c.caso == CasoCorte::TodoAlem) continue;
        for (std::size_t j = 0; j < 2; ++j) {
            EXPECT_DOUBLE_EQ(corte.cortes[j].t, c.t[j]) << n;
            // The crossing point lies on the plane, the fraction t along its edge.
            const Ponto& p = corte.pontos[3 + j];
            const Ponto& de = corte.pontos[static_cast<std::size_t>(corte.cortes[j].de)];
            const Ponto& para = corte.pontos[static_cast<std::size_t>(corte.cortes[j].para)];
            EXPECT_EQ(p.zv, 1) << n;
            EXPECT_DOUBLE_EQ(p.xv, de.xv + (para.xv - de.xv) * c.t[j]) << n;
        }
        // The sub-triangles cover exactly the polygon's slots.
        std::vector<int> usados;
        for (int k = 0; k < corte.quantas_partes(); ++k)
            for (std::size_t slot : corte.parte(k)) usados.push_back(static_cast<int>(slot));
        std::sort(usados.begin(), usados.end());
        usados.erase(std::unique(usados.begin(), usados.end()), usados.end());
        std::vector<int> esperados = c.poligono;
        std::sort(esperados.begin(), esperados.end());
        EXPECT_EQ(usados, esperados) << n;
    }
}

TEST(ClassificaTriangulo, VerticeNoPlanoEhEmpurradoParaPerto) {
    ListaDePontos pontos = pontos_com_profundidades(1, 2, 3);
    const CorteTriangulo corte(Triangulo(1, 2, 3), pontos, 1);
    EXPECT_EQ(corte.quantas_partes(), 2);     // vertex 1 is now near
    EXPECT_DOUBLE_EQ(pontos[0].zv, 1 - 1e-8); // in the shared point itself
    EXPECT_GT(corte.cortes[0].t, 0);
    EXPECT_LT(corte.cortes[0].t, 1e-7);
}

} // namespace
} // namespace quindra
