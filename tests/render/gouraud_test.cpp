#include "render/gouraud.hpp"

#include <gtest/gtest.h>

#include "apoio/cena_teste.hpp"
#include "view/coordenadas.hpp"

namespace quindra {
namespace {

using teste::camera_inicial;
using teste::tela_nova;

// Equal vertex colours blend to themselves give or take a rounding error; the halves keep the
// truncation clear of it (247.5 gives 247).
const Cor COR(247.5, 197.5, 147.5);
const std::array<Cor, 3> CORES{COR, COR, COR};
constexpr CorPixel PIXEL{247, 197, 147};

int pixels_na_linha(const Bitmap& tela, int linha) {
    int n = 0;
    for (int x = 0; x < LADO_TELA; ++x) n += tela.pixel(x, linha) == PIXEL;
    return n;
}

Ponto vista(double xv, double yv, double zv) {
    Ponto p;
    p.atribui_vista(xv, yv, zv);
    return p;
}

// Heights count upwards (row 600 - Y); a pixel is painted when its centre lies inside or on an
// edge. k lines from the 101-pixel base the edges stand k/2 further in: the line holds 101 - k
// pixels for even k (edges on pixel centres: the crack mend keeps them) and 100 - k for odd k.
TEST(GouraudPintor, LinhasDosTriangulosDeTopoEBasePlanos) {
    const struct {
        VerticesTela v;
        int base, passo; // height of the wide side; +1 when the apex lies above it
    } casos[] = {
        {{{{100, 100}, {200, 100}, {150, 200}}}, 100, +1},
        {{{{100, 200}, {200, 200}, {150, 100}}}, 200, -1},
        {{{{150, 100}, {100, 200}, {200, 200}}}, 200, -1},
    };
    for (const auto& c : casos) {
        Bitmap tela = tela_nova();
        preenche_triangulo_gouraud(tela, c.v, CORES);
        int total = 0;
        for (int k = 0; k <= 100; ++k) {
            const int linha = LADO_TELA - (c.base + c.passo * k);
            EXPECT_EQ(pixels_na_linha(tela, linha), k % 2 ? 100 - k : 101 - k) << linha;
            total += pixels_na_linha(tela, linha);
        }
        EXPECT_EQ(teste::conta_pixels(tela, PIXEL), total); // nothing outside those lines
    }
}

TEST(GouraudPintor, TopoAcimaDoQuadroComecaNaLinha1) {
    // Apex 101 lines above height 599: there the edges stand 50.5 in from the apex column, so
    // line 1 holds columns 250..350; flat-topped, 50.5 in from columns 200 and 400.
    const struct {
        VerticesTela v;
        int linha1, linha3;
    } casos[] = {{{{{300, 700}, {200, 500}, {400, 500}}}, 101, 103},
                 {{{{200, 700}, {400, 700}, {300, 500}}}, 99, 97}};
    for (const auto& c : casos) {
        Bitmap tela = tela_nova();
        preenche_triangulo_gouraud(tela, c.v, CORES);
        EXPECT_EQ(pixels_na_linha(tela, 0), 0);
        EXPECT_EQ(pixels_na_linha(tela, 1), c.linha1);
        EXPECT_EQ(pixels_na_linha(tela, 3), c.linha3);
    }
}

TEST(GouraudPintor, RejeicoesEAreaNula) {
    Bitmap tela(LADO_TELA, LADO_TELA); // all white: a stray black pixel shows
    preenche_triangulo_gouraud(tela, {{{601, 100}, {700, 200}, {650, 300}}}, CORES);
    preenche_triangulo_gouraud(tela, {{{0, 0}, {100, 100}, {200, 200}}}, CORES);
    preenche_triangulo_gouraud(tela, {{{5, 10}, {5, 300}, {5, 40}}}, CORES);
    EXPECT_EQ(teste::conta_pixels(tela, BRANCO), 597 * 597);
    // Vertices on column 600 are kept: what lies left of it is painted.
    preenche_triangulo_gouraud(tela, {{{600, 100}, {600, 300}, {500, 200}}}, CORES);
    EXPECT_EQ(tela.pixel(599, 400), PIXEL);
}

TEST(GouraudZ, CenaVaziaETriangulosQueSeCruzam) {
    // Light at the camera; side 2 red, side 1 green. Camera depths 100 + x (facing the eye)
    // and 100 - x (its back to the eye): left of the centre red is nearer, right of it green.
    const Camera camera = camera_inicial();
    Material material;
    material.Od2 = Cor(255, 0, 0);
    material.Od1 = Cor(0, 255, 0);
    material.Kd = 1;
    const Cena cena{Cor(), 0, {Cor(255, 255, 255)}, {Ponto(0, 0, 200)}};
    const auto desenha = [&](const Malha& malha) {
        Bitmap tela = tela_nova();
        return teste::desenha(Algoritmo::GouraudZBuffer, tela, malha, camera, material, cena);
    };
    const Malha atras =
        teste::malha_mundo({Ponto(0, 0, 250), Ponto(9, 0, 250), Ponto(0, 9, 250)}, {{1, 2, 3}});
    const Bitmap vazia = desenha(atras);
    EXPECT_EQ(teste::conta_pixels(vazia, BRANCO), 597 * 597);
    EXPECT_EQ(vazia.pixel(1, 300), PRETO);

    const Malha malha =
        teste::malha_mundo({Ponto(-30, -30, 130), Ponto(30, -30, 70), Ponto(0, 40, 100),
                            Ponto(-30, -30, 70), Ponto(30, -30, 130), Ponto(0, 40, 100)},
                           {{1, 2, 3}, {4, 6, 5}});
    const Bitmap tela = desenha(malha);
    for (int x : {250, 270, 290})
        EXPECT_TRUE(tela.pixel(x, 300).r > 0 && tela.pixel(x, 300).g == 0);
    for (int x : {310, 330, 350})
        EXPECT_TRUE(tela.pixel(x, 300).g > 0 && tela.pixel(x, 300).r == 0);
    EXPECT_EQ(desenha(malha).rgb(), tela.rgb()); // the same scene twice
}

TEST(GouraudZ, MisturaCorretaEmPerspectiva) {
    // The ramp 9y - z = -11 from depth 2 (red 0, height 150) to depth 20 (red 200, height 315).
    // The ray of height Y meets it at depth z = 11 / (1 - 9 (Y/300 - 1)), where the red is
    // 200 (z - 2) / 18. Halfway in space (z = 11) lands at height 300, far above the screen
    // midpoint 232.
    Bitmap tela = tela_nova();
    ZBuffer z;
    preenche_triangulo_gouraud_z(tela, z, camera_inicial(), {0, 9, -1},
                                 {vista(-1, -1, 2), vista(1, -1, 2), vista(0, 1, 20)},
                                 {Cor(), Cor(), Cor(200, 0, 0)});
    for (int y = 151; y <= 314; ++y) {
        const double profundidade = 11 / (1 - 9 * (y / 300.0 - 1));
        EXPECT_NEAR(tela.pixel(300, LADO_TELA - y).r, 200 * (profundidade - 2) / 18, 1) << y;
        EXPECT_NEAR(z[300][y], profundidade, 1e-9);
    }
}

TEST(GouraudZ, VaosNaBordaEsticadosComoSemBorda) {
    // Facing the eye at depth 1, red 50 (x + 3); the ray of column c meets x = c/300 - 1. At
    // height 160 the left edge lies near x = -2.9, hundreds of columns left of the frame.
    Bitmap tela = tela_nova();
    ZBuffer z;
    preenche_triangulo_gouraud_z(tela, z, camera_inicial(), {0, 0, -1},
                                 {vista(-3, -0.5, 1), vista(0.5, -0.5, 1), vista(0.5, 0.5, 1)},
                                 {Cor(), Cor(175, 0, 0), Cor(175, 0, 0)});
    for (int c : {0, 1, 10, 300, 449})
        EXPECT_NEAR(tela.pixel(c, LADO_TELA - 160).r, 50 * (c / 300.0 + 2), 1) << c;
}

TEST(GouraudZ, PlanoAoLongoDaVisaoEPlanoPeloOlho) {
    const Camera camera = camera_inicial();
    Bitmap tela = tela_nova();
    ZBuffer z;
    const Cor k(200.5, 0, 0);
    preenche_triangulo_gouraud_z(tela, z, camera, {0, 0, -1},
                                 {vista(-50, -50, 10), vista(50, -50, 10), vista(0, 50, 10)},
                                 {k, k, k});
    // The plane x = 1 holds the viewing direction: its points' camera x and y lie on a line,
    // yet in perspective it covers columns 360..450, like a wall beside the line of sight. The
    // ray of column 400, height 300 meets it at (1, 0, 3), in front of the red triangle.
    preenche_triangulo_gouraud_z(tela, z, camera, {1, 0, 0},
                                 {vista(1, -1, 2), vista(1, 1, 2), vista(1, 0, 5)}, CORES);
    EXPECT_EQ(tela.pixel(400, 300), PIXEL);
    EXPECT_NEAR(z[400][300], 3, 1e-9);
    EXPECT_EQ(tela.pixel(350, 300), (CorPixel{200, 0, 0})); // left of the wall

    // The plane x = 0 passes through the eye: seen edge-on, it covers nothing.
    const auto antes = tela.rgb();
    preenche_triangulo_gouraud_z(tela, z, camera, {1, 0, 0},
                                 {vista(0, -1, 2), vista(0, 1, 2), vista(0, 0, 5)}, CORES);
    EXPECT_EQ(tela.rgb(), antes);

    // The plane 2y - z = -2 has its horizon at height 450, where its apex lands: that line's
    // ray never meets the plane.
    limpa_profundidade(z);
    preenche_triangulo_gouraud_z(tela, z, camera, {0, 2, -1},
                                 {vista(-1, 0, 2), vista(1, 0, 2), vista(0, 499, 1000)}, CORES);
    EXPECT_EQ(z[300][450], PROFUNDIDADE_VAZIA);
    EXPECT_EQ(tela.pixel(300, 200), PIXEL);
}

} // namespace
} // namespace quindra

namespace quindra {
namespace {

// The painter's bands fill a triangle's heights apart: band by band the pixels must be exactly
// those of the whole fill, with the edges stepped from the top vertex even when it lies above
// the frame or the band starts below the middle vertex (flat tops and bottoms, slivers).
TEST(GouraudPintor, FaixasDeAlturasIgualAoTrianguloInteiro) {
    const std::array<Cor, 3> cores{Cor(250, 10, 10), Cor(10, 250, 10), Cor(10, 10, 250)};
    const VerticesTela triangulos[] = {
        {{{100, 100}, {400, 130}, {250, 500}}}, {{{-300, 900}, {700, 650}, {310, -40}}},
        {{{50, 580}, {550, 580}, {300, 20}}},   {{{50, 20}, {550, 20}, {300, 580}}},
        {{{299, 0}, {301, 599}, {300, 300}}},
    };
    for (const VerticesTela& v : triangulos) {
        Bitmap inteiro = teste::tela_nova();
        preenche_triangulo_gouraud(inteiro, v, cores);
        for (std::int64_t altura_faixa : {1, 25, 97, 300}) {
            Bitmap faixas = teste::tela_nova();
            for (std::int64_t base = 0; base < LADO_TELA; base += altura_faixa)
                preenche_triangulo_gouraud(faixas, v, cores, {base, base + altura_faixa - 1});
            EXPECT_EQ(faixas.rgb(), inteiro.rgb())
                << v[0].x << "," << v[0].y << " / " << altura_faixa;
        }
    }
}

} // namespace
} // namespace quindra
