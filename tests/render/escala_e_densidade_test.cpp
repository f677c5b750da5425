// The depth-buffered renderers on objects of every size and density: a patch of triangles each
// smaller than a pixel must cover its region without a hole, and a model measured in metres
// must draw the picture its thousandfold enlargement draws.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "apoio/cena_teste.hpp"
#include "apoio/malhas_geradas.hpp"
#include "render/sombreamentos.hpp"
#include "view/coordenadas.hpp"

namespace quindra {
namespace {

using teste::Sombreamento;

constexpr Sombreamento PROFUNDIDADE[] = {Sombreamento::GouraudZ, Sombreamento::Phong,
                                         Sombreamento::PhongTextura};

// An orange two-sided surface, lit by a white light; the texture is a texel of the same orange.
Material laranja() {
    Material material;
    material.Od1 = material.Od2 = Cor(200, 100, 0);
    material.Os1 = material.Os2 = Cor(255, 255, 255);
    material.Kd = material.Ks = 0.5;
    material.Rugosidade = 20;
    return material;
}

const Bitmap TEXTURA_LARANJA(1, 1, {200, 100, 0});

// A square patch at depth 100 from the initial camera, x and y in -2.987..3.013 and
// -2.993..3.007 (columns 291.04..309.04 and heights 291.02..309.02), cut into triangles 0.3
// pixels across: nearly every one rounds into one column or one height.
Malha retalho_fino() {
    constexpr int LADO = 60;
    Malha malha;
    for (int i = 0; i <= LADO; ++i)
        for (int j = 0; j <= LADO; ++j)
            malha.Pontos.emplace_back(-2.987 + 0.1 * i, -2.993 + 0.1 * j, 100);
    const auto ponto = [](int i, int j) { return i * (LADO + 1) + j + 1; };
    for (int i = 0; i < LADO; ++i)
        for (int j = 0; j < LADO; ++j) {
            malha.Triangulos.emplace_back(ponto(i, j), ponto(i + 1, j), ponto(i + 1, j + 1));
            malha.Triangulos.emplace_back(ponto(i, j), ponto(i + 1, j + 1), ponto(i, j + 1));
        }
    return malha;
}

TEST(EscalaEDensidade, TriangulosMenoresQueUmPixelCobremSuaRegiao) {
    const Camera camera = teste::camera_inicial();
    const Material material = laranja();
    Cena cena{Cor(101, 101, 101), 0.2, {}, {}};
    teste::poe_luz_branca(cena, Ponto(0, 0, 200));
    const Malha malha = retalho_fino();
    for (Sombreamento s : PROFUNDIDADE) {
        Bitmap tela = teste::tela_nova();
        desenha_sombreado(s, tela, malha, camera, material, cena, TEXTURA_LARANJA);
        teste::guarda_para_olhar(tela, "retalho_fino" + std::to_string(static_cast<int>(s)));
        int buracos = 0;
        for (int x = 292; x <= 308; ++x)
            for (int y = 292; y <= 308; ++y) buracos += tela.pixel(x, LADO_TELA - y) == fundo(s);
        EXPECT_EQ(buracos, 0) << static_cast<int>(s);
        // A pixel whose centre lies a pixel off the patch is no pixel of it.
        for (int i = 290; i <= 310; ++i)
            for (const auto& [x, y] : {std::pair{i, 290}, {i, 310}, {290, i}, {310, i}})
                EXPECT_EQ(tela.pixel(x, LADO_TELA - y), fundo(s)) << x << " " << y;
    }
}

// The fine sphere at radius 50 and at 1/1024 of it (about 5 cm), each with its camera and light
// scaled alike: every coordinate scales exactly, so every pixel must come out the same.
TEST(EscalaEDensidade, ModeloEmMetrosIgualAoAmpliado) {
    const Material material = laranja();
    const auto desenha = [&](double escala, Sombreamento s) {
        const Camera camera({0, 0, -1}, {0, 1, 0}, Ponto(0, 0, 200 * escala), escala, 0.5 * escala,
                            0.5 * escala);
        Cena cena{Cor(101, 101, 101), 0.2, {}, {}};
        teste::poe_luz_branca(cena, Ponto(100 * escala, 150 * escala, 300 * escala));
        Malha esfera = teste::esfera_fina(50 * escala);
        Bitmap tela = teste::tela_nova();
        desenha_sombreado(s, tela, esfera, camera, material, cena, TEXTURA_LARANJA);
        return tela;
    };
    for (Sombreamento s : PROFUNDIDADE) {
        const Bitmap ampliada = desenha(1, s), em_metros = desenha(1.0 / 1024, s);
        teste::guarda_para_olhar(em_metros,
                                 "esfera_em_metros" + std::to_string(static_cast<int>(s)));
        const int objeto = 597 * 597 - teste::conta_pixels(ampliada, fundo(s));
        EXPECT_GT(objeto, 75000) << static_cast<int>(s); // a disc of radius 155
        EXPECT_TRUE(em_metros.rgb() == ampliada.rgb()) << static_cast<int>(s);
    }
}

} // namespace
} // namespace quindra
