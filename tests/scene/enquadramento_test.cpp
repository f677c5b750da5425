#include "scene/enquadramento.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace quindra {
namespace {

// The six ends of the axes of a ball of radius r about centre: its centre is their mean.
Malha bola(const Ponto& centro, double r, double fator_z = 1) {
    Malha malha;
    for (int eixo = 0; eixo < 3; ++eixo) {
        for (double lado : {-r, r}) {
            const double z = centro.z + (eixo == 2 ? lado : 0);
            malha.Pontos.emplace_back(centro.x + (eixo == 0 ? lado : 0),
                                      centro.y + (eixo == 1 ? lado : 0), z / fator_z);
        }
    }
    malha.FatorDilatacaoZ = fator_z;
    return malha;
}

// Where the camera sees a point: normalised screen x and y, and depth along N.
struct Visto {
    double xn, yn, zv;
};
Visto ve(const Camera& c, const Ponto& p) {
    const Vetor v(p.x - c.C.x, p.y - c.C.y, p.z - c.C.z);
    const double zv = v.produto_escalar(c.N);
    return {c.d * v.produto_escalar(c.U) / (c.hx * zv), c.d * v.produto_escalar(c.V) / (c.hy * zv),
            zv};
}

// The ball ends up centred and just filling the narrower side of the frame; N, V and the field
// of view stay; an object of centimetres seen with d = 1 gets a nearer focal plane instead of
// being cut away, and the view does not change.
TEST(Enquadramento, BolaPreencheOQuadro) {
    struct Caso {
        Ponto centro;
        double raio, fator_z, hx, hy, d;
    };
    const Caso casos[] = {
        {Ponto(5000, -300, 80), 40, 1, 1, 0.5, 1},    // far away, a wide frame
        {Ponto(0.02, 0.1, -0.05), 0.075, 1, 1, 1, 1}, // a scan in metres
        {Ponto(10, 10, 10), 3, 2.5, 0.4, 0.4, 2},     // z dilated
    };
    for (const Caso& caso : casos) {
        const Malha malha = bola(caso.centro, caso.raio, caso.fator_z);
        const auto esfera = esfera_envolvente(malha);
        ASSERT_TRUE(esfera);
        EXPECT_NEAR(esfera->raio, caso.raio, 1e-9 * caso.raio);
        const Camera antes(Vetor(1, -2, -3), Vetor(0, 1, 0), Ponto(0, 0, 0), caso.d, caso.hx,
                           caso.hy);
        const auto camera = enquadra(antes, *esfera);
        ASSERT_TRUE(camera);
        EXPECT_NEAR(camera->hx / camera->d, caso.hx / caso.d, 1e-12);
        EXPECT_NEAR(camera->hy / camera->d, caso.hy / caso.d, 1e-12);
        EXPECT_EQ(camera->N.x, antes.N.x);
        EXPECT_EQ(camera->V.y, antes.V.y);

        const Visto centro = ve(*camera, caso.centro);
        EXPECT_NEAR(centro.xn, 0, 1e-9);
        EXPECT_NEAR(centro.yn, 0, 1e-9);
        // The ball's silhouette touches the narrower side's edge: its angular radius is the
        // half-angle of that side.
        const double metade = std::atan(std::min(caso.hx, caso.hy) / caso.d);
        EXPECT_NEAR(std::asin(caso.raio / centro.zv), metade, 1e-9);
        EXPECT_GT(centro.zv - caso.raio, camera->d);
        EXPECT_EQ(camera->d == antes.d, centro.zv - caso.raio > antes.d);
    }
    EXPECT_FALSE(esfera_envolvente(Malha{}));
    EXPECT_FALSE(esfera_envolvente(bola(Ponto(1e308, 0, 0), 1e308)));
}

} // namespace
} // namespace quindra
