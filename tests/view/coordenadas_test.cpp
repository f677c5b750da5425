#include "view/coordenadas.hpp"

#include <gtest/gtest.h>
#include <limits>

namespace quindra {
namespace {

Camera camera_inicial() { return Camera({0, 0, -1}, {0, 1, 0}, Ponto(0, 0, 200), 1, 1, 1); }

TEST(Coordenadas, PontoDeExemploVaiParaColuna330Linha240) {
    const Camera camera = camera_inicial();
    Ponto p(10, 20, 100);
    transforma_ponto(p, camera, 1);
    EXPECT_DOUBLE_EQ(p.xv, 10);
    EXPECT_DOUBLE_EQ(p.yv, 20);
    EXPECT_DOUBLE_EQ(p.zv, 100);
    const double xn = camera.d * p.xv / (camera.hx * p.zv);
    const double yn = camera.d * p.yv / (camera.hy * p.zv);
    EXPECT_EQ(projeta_coluna(xn), 330);
    EXPECT_EQ(projeta_linha(yn), 240);
    EXPECT_EQ(p.x, 10); // world coordinates untouched
}

TEST(Coordenadas, DilatacaoSoEscalaOZDoPonto) {
    const Camera camera = camera_inicial();
    Ponto p(10, 20, 100);
    transforma_ponto(p, camera, 2);
    EXPECT_DOUBLE_EQ(p.zv, 0);
    EXPECT_EQ(p.z, 100);
}

TEST(Coordenadas, ProjecaoDosCantosDoQuadrado) {
    EXPECT_EQ(projeta_coluna(-1), 0);
    EXPECT_EQ(projeta_coluna(1), 600);
    EXPECT_EQ(projeta_coluna(0), 300);
    EXPECT_EQ(projeta_linha(1), 0);
    EXPECT_EQ(projeta_linha(-1), 600);
    EXPECT_EQ(projeta_linha(0), 300);
    EXPECT_EQ(projeta_coluna(-0.5), 150);
    EXPECT_EQ(projeta_linha(0.5), 150);
}

TEST(Coordenadas, ProjecaoDeValoresAbsurdosEhDefinida) {
    EXPECT_EQ(projeta_coluna(1e300), LIMITE_PIXEL);
    EXPECT_EQ(projeta_coluna(std::numeric_limits<double>::quiet_NaN()), -LIMITE_PIXEL);
    EXPECT_EQ(projeta_linha(std::numeric_limits<double>::infinity()), 600 - LIMITE_PIXEL);
}

TEST(Coordenadas, Baricentricas) {
    const Baricentricas p = baricentricas(0, 0, 10, 0, 0, 10, 2, 3);
    EXPECT_DOUBLE_EQ(p.a, 0.5);
    EXPECT_DOUBLE_EQ(p.b, 0.2);
    EXPECT_DOUBLE_EQ(p.c, 0.3);

    const Baricentricas colineares = baricentricas(0, 0, 1, 1, 2, 2, 5, 7);
    EXPECT_EQ(colineares.a, 0);
    EXPECT_EQ(colineares.b, 0);
    EXPECT_EQ(colineares.c, 0);

    EXPECT_EQ(baricentricas_det(0.000009, 0, 0, 1, 0, 0, 1, 1, 1).a, 0);
    EXPECT_NE(baricentricas_det(0.00001, 0, 0, 1, 0, 0, 1, 1, 1).a, 0);
}

} // namespace
} // namespace quindra
