#include "render/phong.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "apoio/cena_teste.hpp"
#include "render/sombreamentos.hpp"
#include "view/coordenadas.hpp"

namespace quindra {
namespace {

using teste::malha_mundo;

// An image whose left half is esquerda and right half direita.
Bitmap imagem(int largura, int altura, CorPixel esquerda, CorPixel direita) {
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x) {
            const CorPixel c = 2 * x < largura ? esquerda : direita;
            rgb.insert(rgb.end(), {c.r, c.g, c.b});
        }
    return Bitmap(largura, altura, rgb);
}

constexpr CorPixel VERDE{0, 255, 0}, AZUL{0, 0, 255};

// One white light at the camera; ambient 20.2, whose fraction keeps truncation clear of
// rounding errors; an orange matt surface.
class Phong : public ::testing::Test {
protected:
    void SetUp() override {
        material.Od2 = Cor(200, 100, 0);
        material.Kd = 0.5;
        material.Rugosidade = 1;
        cena.Ia = Cor(101, 101, 101);
        cena.Ka = 0.2;
        poe_luz(Ponto(0, 0, 200));
    }
    void poe_luz(const Ponto& mundo) { teste::poe_luz_branca(cena, mundo); }
    // A square of world side 100 at depth 100 facing the camera, screen columns and heights
    // 150..450. Triangle 1 is the half above its diagonal y = x, triangle 2 the one below.
    Malha quadrado() {
        return malha_mundo(
            {Ponto(-50, -50, 100), Ponto(50, -50, 100), Ponto(50, 50, 100), Ponto(-50, 50, 100)},
            {{1, 3, 4}, {1, 2, 3}});
    }
    Bitmap desenha(const Malha& malha, const Bitmap* textura = nullptr, FaixaTextura faixa = {}) {
        Bitmap tela = teste::tela_nova();
        desenhista.textura = textura;
        desenhista.faixa = faixa;
        return desenhista.desenha(textura ? Algoritmo::PhongTextura : Algoritmo::Phong, tela, malha,
                                  camera, material, cena);
    }
    Camera camera = teste::camera_inicial();
    Material material;
    Cena cena;
    teste::Desenhista desenhista;
};

TEST_F(Phong, AmbienteDifusaEEspecular) {
    // At the centre light, eye and mirror direction coincide (nl = rv = 1): 20.2, plus
    // (100, 50, 0) with the light, plus Ks 255 for a white Os2.
    material.Os2 = Cor(255, 255, 255);
    const struct {
        int luzes;
        double ks;
        CorPixel centro;
    } casos[] = {{0, 0.5, {20, 20, 20}}, {1, 0, {120, 70, 20}}, {1, 0.5, {247, 197, 147}}};
    for (const auto& c : casos) {
        if (c.luzes == 0)
            cena.Il.clear(), cena.Pl.clear();
        else
            poe_luz(Ponto(0, 0, 200));
        material.Ks = c.ks;
        Malha malha = quadrado();
        const Bitmap tela = desenha(malha);
        EXPECT_EQ(tela.pixel(300, 300), c.centro) << c.ks;
        if (c.luzes == 0) {
            EXPECT_EQ(teste::conta_pixels(tela, c.centro), 301 * 301);
        }
    }
}

TEST_F(Phong, VersoUsaOsCoresDoLado1) {
    // Side 2 all red; side 1 blue diffuse, green specular. The back is lit from behind the
    // square, towards which its corrected vertex normals still lean.
    material.Od2 = material.Os2 = Cor(255, 0, 0);
    material.Od1 = Cor(0, 0, 255);
    material.Os1 = Cor(0, 255, 0);
    material.Kd = 1;
    material.Ks = 0.5;
    cena.Ka = 0;
    Malha frente = quadrado();
    const CorPixel f = desenha(frente).pixel(300, 300);
    EXPECT_TRUE(f.r > 0 && f.g == 0 && f.b == 0);

    poe_luz(Ponto(0, 0, 0));
    Malha verso = quadrado();
    for (Triangulo& t : verso.Triangulos) std::swap(t.vertice2, t.vertice3);
    const CorPixel v = desenha(verso).pixel(300, 300);
    EXPECT_TRUE(v.r == 0 && v.g > 0 && v.b > 0);
}

TEST_F(Phong, CortadoNoPlanoFocal) {
    // The plane zv = 1.5 - yv, its top corner at depth 0.5, nearer than d = 1. The ray of height
    // Y meets it at depth 450 / Y: only heights up to 450 (depth 1) are drawn. The rest is the
    // quadrilateral (150, 450), (450, 450), (540, 180), (60, 180), in two sub-triangles.
    Malha malha =
        malha_mundo({Ponto(0, 1, 199.5), Ponto(-2, -1, 197.5), Ponto(2, -1, 197.5)}, {{1, 2, 3}});
    desenha(malha);
    const ZBuffer& z = *desenhista.profundidade;
    for (int x : {160, 300, 440}) {
        for (int y = 181; y < 450; ++y) EXPECT_NEAR(z[x][y], 450.0 / y, 1e-9) << x << ", " << y;
        for (int y = 452; y < LADO_TELA; ++y) EXPECT_EQ(z[x][y], PROFUNDIDADE_VAZIA) << y;
    }
}

TEST_F(Phong, FaixaDeFacesTexturizadas) {
    // Green texture on an orange surface; on row 260 column 220 is triangle 1, 420 triangle 2.
    const Bitmap verde = imagem(8, 8, VERDE, VERDE);
    constexpr auto minimo = std::numeric_limits<std::int32_t>::min();
    constexpr auto maximo = std::numeric_limits<std::int32_t>::max();
    const struct {
        FaixaTextura faixa;
        bool primeiro, segundo;
    } casos[] = {{{}, true, false},
                 {{2, 1}, false, false},
                 {{2, 9}, false, true},
                 {{minimo, maximo}, true, true}};
    for (const auto& c : casos) {
        Malha malha = quadrado();
        const Bitmap tela = desenha(malha, &verde, c.faixa);
        EXPECT_EQ(tela.pixel(220, 260).g > 100, c.primeiro) << c.faixa.PrimeiraFaceTextura;
        EXPECT_EQ(tela.pixel(420, 260).g > 100, c.segundo) << c.faixa.PrimeiraFaceTextura;
    }
}

TEST_F(Phong, TexturaPretaNaFaixaDeBaixo) {
    // Green left, blue right, over the square's world x and y. Where v = (y + 50) / 100 is below
    // 1/4 (heights below 225) the texel lies one row below the 4-row image: ambient only.
    const Bitmap textura = imagem(2, 4, VERDE, AZUL);
    Malha malha = quadrado();
    const Bitmap tela = desenha(malha, &textura, {1, 2});
    for (int y : {160, 220})
        for (int x : {250, 350}) EXPECT_EQ(tela.pixel(x, LADO_TELA - y), (CorPixel{20, 20, 20}));
    for (int y : {230, 440}) {
        EXPECT_EQ(tela.pixel(250, LADO_TELA - y).b, 20);
        EXPECT_GT(tela.pixel(250, LADO_TELA - y).g, 100);
        EXPECT_EQ(tela.pixel(350, LADO_TELA - y).g, 20);
        EXPECT_GT(tela.pixel(350, LADO_TELA - y).b, 100);
    }
}

// Whatever the mesh or the numbers, nothing is read out of bounds and nothing is undefined (the
// sanitizers watch), and a triangle far larger than the frame costs only the frame.
// A triangle that the depth test wholly turns away still turns, in list order, the vertex
// normals it shares with a later textured one, which takes them as they stand.
TEST_F(Phong, TrianguloEscondidoAindaViraAsNormaisCompartilhadas) {
    // Camera depths: the occluder at 50 (or, in the other scene, 150), the 3-pixel triangle
    // at 100 behind it, sharing the point V = (0, 0, 100) with a large triangle facing away
    // from the eye, tilted towards a light on its right.
    const auto cena_com = [](double z_oclusor, bool com_escondido) {
        Malha malha;
        malha.Pontos = {Ponto(-0.5, -0.5, z_oclusor),
                        Ponto(2, -0.5, z_oclusor),
                        Ponto(-0.5, 2, z_oclusor),
                        Ponto(0, 0, 100),
                        Ponto(0.6, 0, 100),
                        Ponto(0, 0.6, 100),
                        Ponto(0, 30, 100),
                        Ponto(20, 0, 115),
                        Ponto(10, 10, 100)};
        malha.Triangulos.emplace_back(1, 2, 3);
        // A batch's worth of triangles with no area, so that the occluder is filled before the
        // small triangle is set up.
        malha.Triangulos.insert(malha.Triangulos.end(), 8192, Triangulo(9, 9, 9));
        if (com_escondido) malha.Triangulos.emplace_back(4, 6, 5);
        malha.Triangulos.emplace_back(4, 7, 8);
        return malha;
    };
    poe_luz(Ponto(100, 0, 150));
    const Bitmap textura = imagem(8, 8, VERDE, VERDE);
    const auto desenha_cena = [&](double z_oclusor, bool com_escondido) {
        const Malha malha = cena_com(z_oclusor, com_escondido);
        return desenha(malha, &textura, {malha.NumTriangulos(), malha.NumTriangulos()});
    };
    const Bitmap escondido = desenha_cena(150, true), visivel = desenha_cena(50, true),
                 sozinho = desenha_cena(150, false);
    teste::guarda_para_olhar(escondido, "phong-escondido-vira-normais");
    int iguais = 0, diferentes_sem_ele = 0;
    for (int y = 2; y < LADO_TELA - 1; ++y)
        for (int x = 2; x < LADO_TELA - 1; ++x) {
            if (x >= 290 && x <= 320 && y >= 280 && y <= 310) continue; // the two small ones
            iguais += escondido.pixel(x, y) == visivel.pixel(x, y);
            diferentes_sem_ele += escondido.pixel(x, y) != sozinho.pixel(x, y);
        }
    EXPECT_EQ(iguais, 597 * 597 - 31 * 31);
    EXPECT_GT(diferentes_sem_ele, 100); // the turned normal does show
}

TEST_F(Phong, MalhasPatologicas) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Bitmap textura = imagem(3, 3, {9, 9, 9}, {9, 9, 9});
    // Larger than the frame, overflowing the projection, with a NaN corner, reaching far
    // behind the camera, one corner thrice.
    Malha enorme =
        malha_mundo({Ponto(-1e12, -1e12, 100), Ponto(1e12, -1e12, 100), Ponto(0, 1e12, 100),
                     Ponto(1e300, 0, 100), Ponto(0, 1e300, 100), Ponto(-1e300, 0, 100),
                     Ponto(nan, 0, 100), Ponto(10, 0, 100), Ponto(0, 10, 100), Ponto(0, 0, 1e300),
                     Ponto(10, 10, 100), Ponto(-10, 10, 100)},
                    {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {2, 2, 2}});
    // Triangles naming a point that is not there.
    Malha sem_ponto = malha_mundo({Ponto(0, 0, 100), Ponto(10, 0, 100), Ponto(0, 10, 100)},
                                  {{1, 2, 3}, {1, 2, 4}});
    for (teste::Sombreamento s : teste::SOMBREAMENTOS) {
        Bitmap tela = teste::tela_nova();
        EXPECT_NE(
            desenha_sombreado(s, tela, enorme, camera, material, cena, textura).pixel(300, 300),
            fundo(s));
        desenha_sombreado(s, tela, sem_ponto, camera, material, cena, textura);
        EXPECT_EQ(teste::conta_pixels(tela, fundo(s)), 597 * 597);
    }
}

} // namespace
} // namespace quindra
