#include "view/bitmap.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <set>
#include <stdexcept>
#include <vector>

#include "geometry/arredondamento.hpp"

namespace quindra {
namespace {

constexpr CorPixel VERDE{0, 200, 0}, VERMELHO{200, 0, 0};
constexpr std::int64_t MAXIMO = std::numeric_limits<std::int64_t>::max();

using Pixels = std::set<std::pair<std::int64_t, std::int64_t>>;

Pixels com_cor(const Bitmap& b, CorPixel cor) {
    Pixels achados;
    for (int y = 0; y < b.altura(); ++y)
        for (int x = 0; x < b.largura(); ++x)
            if (b.pixel(x, y) == cor) achados.insert({x, y});
    return achados;
}

std::size_t conta(const Bitmap& b, CorPixel cor) {
    std::size_t quantos = 0;
    for (int y = 0; y < b.altura(); ++y)
        for (int x = 0; x < b.largura(); ++x) quantos += b.pixel(x, y) == cor;
    return quantos;
}

Bitmap com_caneta(int largura, int altura, CorPixel caneta, CorPixel pincel = BRANCO) {
    Bitmap b(largura, altura);
    b.define_caneta(caneta);
    b.define_pincel(pincel);
    return b;
}

TEST(Bitmap, EstadoInicialEPixelsForaDoBitmap) {
    Bitmap b(3, 2);
    EXPECT_EQ(b.rgb(), std::vector<std::uint8_t>(18, 255));
    EXPECT_EQ(b.caneta(), PRETO);
    EXPECT_EQ(b.pincel(), BRANCO);
    EXPECT_EQ(b.posicao_caneta(), (PontoPixel{0, 0}));
    b.define_pixel(2, 1, AMARELO); // the last pixel: top row first, 3 bytes a pixel
    EXPECT_EQ(std::vector<std::uint8_t>(b.rgb().end() - 3, b.rgb().end()),
              (std::vector<std::uint8_t>{255, 255, 0}));
    for (const auto& [x, y] : Pixels{{-1, 0}, {3, 0}, {0, 2}, {0, -1}, {-MAXIMO - 1, MAXIMO}}) {
        b.define_pixel(x, y, VERDE);
        EXPECT_EQ(b.pixel(x, y), PRETO);
    }
    EXPECT_EQ(conta(b, BRANCO), 5u);
    EXPECT_THROW(Bitmap(-1, 2), std::invalid_argument);
    EXPECT_THROW(Bitmap(2, 2, std::vector<std::uint8_t>(11)), std::invalid_argument);
}

TEST(Bitmap, RetanguloExcluiAColunaX2EALinhaY2) {
    struct Caso {
        std::int64_t x1, y1, x2, y2;
    };
    const Caso casos[] = {
        {2, 3, 7, 9},                               // brush inside, pen around
        {2, 3, 3, 9},                               // one column wide: pen only
        {2, 3, 4, 5},                               // two by two: pen only
        {2, 3, 2, 9},                               // empty
        {5, 3, 2, 9},                               // reversed: empty
        {-4, -4, 4, 4},                             // partly outside
        {-MAXIMO - 1, -MAXIMO - 1, MAXIMO, MAXIMO}, // everything, outline far away
    };
    for (const Caso& c : casos) {
        Bitmap b = com_caneta(10, 12, VERDE, VERMELHO);
        b.move_para(1, 1);
        b.retangulo(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(b.posicao_caneta(), (PontoPixel{1, 1}));
        const bool vazio = c.x2 <= c.x1 || c.y2 <= c.y1;
        for (std::int64_t y = 0; y < 12; ++y)
            for (std::int64_t x = 0; x < 10; ++x) {
                const bool coluna = (x == c.x1 || x == c.x2 - 1) && y >= c.y1 && y < c.y2;
                const bool linha = (y == c.y1 || y == c.y2 - 1) && x >= c.x1 && x < c.x2;
                const bool dentro = x > c.x1 && x < c.x2 - 1 && y > c.y1 && y < c.y2 - 1;
                const CorPixel esperada = vazio             ? BRANCO
                                          : coluna || linha ? VERDE
                                          : dentro          ? VERMELHO
                                                            : BRANCO;
                if (b.pixel(x, y) != esperada)
                    ADD_FAILURE() << c.x1 << "," << c.y1 << " @ " << x << "," << y;
            }
    }
}

// Each pixel is the one nearest the ideal line across the major axis; at a tie the pixel
// farther from the start wins. The end point is never painted.
TEST(Bitmap, LinhaPintaOsPixelsMaisProximosSemOFim) {
    struct Caso {
        PontoPixel de, ate;
        Pixels esperados;
    };
    const Caso casos[] = {
        {{0, 0}, {5, 0}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}},
        {{2, 5}, {2, 1}, {{2, 5}, {2, 4}, {2, 3}, {2, 2}}},
        {{3, 0}, {0, 3}, {{3, 0}, {2, 1}, {1, 2}}},
        // slope 2/5: ideal rows 0, 0.4, 0.8, 1.2, 1.6 (and back from the other end)
        {{0, 0}, {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {{5, 5}, {0, 3}, {{5, 5}, {4, 5}, {3, 4}, {2, 4}, {1, 3}}},
        {{0, 0}, {2, 5}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
        // slope 1/2: the ties at steps 1 and 3 go away from the start, whichever end that is
        {{0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
        {{4, 2}, {0, 0}, {{4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        {{3, 3}, {3, 3}, {}},
    };
    for (const Caso& c : casos) {
        Bitmap b = com_caneta(8, 8, VERDE);
        b.move_para(c.de.x, c.de.y);
        b.linha_para(c.ate.x, c.ate.y);
        EXPECT_EQ(com_cor(b, VERDE), c.esperados) << c.ate.x << "," << c.ate.y;
        EXPECT_EQ(conta(b, BRANCO), 64 - c.esperados.size());
        EXPECT_EQ(b.posicao_caneta(), c.ate);
    }
}

TEST(Bitmap, LinhaAteAColunaOuLinha600PintaAteABorda) {
    Bitmap b = com_caneta(600, 600, AMARELO);
    b.move_para(0, 10);
    b.linha_para(600, 10);
    b.move_para(20, 0);
    b.linha_para(20, 600);
    EXPECT_EQ(com_cor(b, AMARELO).size(), 600u + 599u);
    EXPECT_EQ(b.pixel(599, 10), AMARELO);
    EXPECT_EQ(b.pixel(20, 599), AMARELO);
}

// Huge or NaN-derived coordinates cost no more than a line across the bitmap (walking 2^40
// steps would take hours) and paint exactly the visible part.
TEST(Bitmap, CoordenadasEnormesSaoRapidasEExatas) {
    const std::int64_t nan = arredonda(std::numeric_limits<double>::quiet_NaN());
    const std::int64_t longe = 1'000'000'000'000;
    std::chrono::steady_clock::duration gasto{};
    const auto cronometra = [&](auto desenho) {
        const auto inicio = std::chrono::steady_clock::now();
        desenho();
        gasto += std::chrono::steady_clock::now() - inicio;
    };
    struct Caso {
        PontoPixel de, ate;
        std::size_t quantos;
        std::function<bool(std::int64_t, std::int64_t)> na_linha;
    };
    const Caso linhas[] = {
        // an exact diagonal up to the right leaves through the right edge after 300 steps
        {{300, 300},
         {1'000'000'000, -1'000'000'000},
         300,
         [](auto x, auto y) { return x + y == 600 && x >= 300; }},
        {{100, 100}, {nan, nan}, 101, [](auto x, auto y) { return x == y && x <= 100; }},
        {{-MAXIMO - 1, 5}, {MAXIMO, 5}, 600, [](auto, auto y) { return y == 5; }},
        // the ideal column is 2 (y + 2^40) / 2^41 = 1 + y / 2^40: column 1 on every row
        {{0, -LIMITE_PIXEL}, {2, LIMITE_PIXEL}, 600, [](auto x, auto) { return x == 1; }},
        // the ideal row is 300 + 4 (x + 2^40) / 2^41 = 302 + x / 2^39: row 302 throughout
        {{-LIMITE_PIXEL, 300}, {LIMITE_PIXEL, 304}, 600, [](auto, auto y) { return y == 302; }},
        // the same two just below 2^29, the largest the 64-bit arithmetic takes
        {{0, -(1 << 29) + 1}, {2, (1 << 29) - 1}, 600, [](auto x, auto) { return x == 1; }},
        {{-(1 << 29) + 1, 300}, {(1 << 29) - 1, 304}, 600, [](auto, auto y) { return y == 302; }},
    };
    for (const Caso& c : linhas) {
        Bitmap b = com_caneta(600, 600, VERDE);
        cronometra([&] { b.move_para(c.de.x, c.de.y), b.linha_para(c.ate.x, c.ate.y); });
        const Pixels pintados = com_cor(b, VERDE);
        EXPECT_EQ(pintados.size(), c.quantos) << c.ate.x << "," << c.ate.y;
        for (const auto& [x, y] : pintados) EXPECT_TRUE(c.na_linha(x, y)) << x << "," << y;
    }

    Bitmap b = com_caneta(600, 600, VERDE, VERMELHO);
    // right angle at (100, 100), the long side far outside
    const PontoPixel triangulo[] = {{100, 100}, {longe, 100}, {100, longe}};
    cronometra([&] { b.poligono(triangulo); });
    EXPECT_EQ(b.posicao_caneta(), (PontoPixel{0, 0}));
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 600; ++x) {
            const CorPixel esperada = (x >= 100 && y == 100) || (y >= 100 && x == 100) ? VERDE
                                      : x > 100 && y > 100                             ? VERMELHO
                                                                                       : BRANCO;
            if (b.pixel(x, y) != esperada) FAIL() << x << "," << y;
        }
    const PontoPixel todos_nan[] = {{nan, nan}, {nan, nan}, {nan, nan}};
    const PontoPixel envolvente[] = {{-longe, -longe}, {longe, -longe}, {0, longe}};
    b = com_caneta(600, 600, VERDE, VERMELHO);
    cronometra([&] { b.poligono(todos_nan); });
    EXPECT_EQ(conta(b, BRANCO), 360'000u);
    cronometra([&] { b.poligono(envolvente); });
    EXPECT_EQ(conta(b, VERMELHO), 360'000u);
    EXPECT_LT(gasto, std::chrono::seconds(1));
}

// Twice the signed area of (a, b, p): its sign tells the side of a->b, zero on the line.
std::int64_t lado(PontoPixel a, PontoPixel b, std::int64_t x, std::int64_t y) {
    return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
}

double distancia_ao_segmento(PontoPixel a, PontoPixel b, double x, double y) {
    const double dx = static_cast<double>(b.x - a.x), dy = static_cast<double>(b.y - a.y);
    const double comprimento2 = dx * dx + dy * dy;
    double t = comprimento2 == 0 ? 0 : ((x - a.x) * dx + (y - a.y) * dy) / comprimento2;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy));
}

// Random triangles against geometry: a pen pixel is at most half a pixel across the major
// axis from its edge, so at most 0.5 from the segment; every lattice point on an edge is pen;
// every other pixel is brush exactly when it lies inside the triangle or on its outline.
TEST(Bitmap, TriangulosAleatoriosObedecemAGeometria) {
    std::mt19937 sorteio(20240611);
    std::uniform_int_distribution<std::int64_t> coordenada(-10, 50);
    for (int rodada = 0; rodada < 500; ++rodada) {
        PontoPixel v[3];
        for (PontoPixel& p : v) p = {coordenada(sorteio), coordenada(sorteio)};
        Bitmap b = com_caneta(40, 30, VERDE, VERMELHO);
        b.poligono(v);
        const std::int64_t orientacao = lado(v[0], v[1], v[2].x, v[2].y);
        for (std::int64_t y = 0; y < 30; ++y)
            for (std::int64_t x = 0; x < 40; ++x) {
                bool sobre_aresta = false, dentro = true;
                double distancia = 1e9;
                for (int k = 0; k < 3; ++k) {
                    const PontoPixel a = v[k], c = v[(k + 1) % 3];
                    const std::int64_t s = lado(a, c, x, y);
                    const double d =
                        distancia_ao_segmento(a, c, static_cast<double>(x), static_cast<double>(y));
                    distancia = std::min(distancia, d);
                    sobre_aresta = sobre_aresta || (s == 0 && d < 0.5);
                    if (s != 0 && (s > 0) != (orientacao > 0)) dentro = false;
                }
                if (orientacao == 0) dentro = sobre_aresta;
                const CorPixel cor = b.pixel(x, y);
                const bool certo = cor == VERDE
                                       ? distancia <= 0.5 + 1e-9
                                       : !sobre_aresta && cor == (dentro ? VERMELHO : BRANCO);
                if (!certo) ADD_FAILURE() << rodada << ": " << x << "," << y;
            }
    }
}

// Clipping changes nothing: a small bitmap shows exactly what a large one, holding the whole
// figure, shows at the same place.
TEST(Bitmap, RecorteNaoMudaOsPixelsVisiveis) {
    constexpr std::int64_t DESLOCAMENTO = 70;
    std::mt19937 sorteio(7);
    std::uniform_int_distribution<std::int64_t> coordenada(-60, 100);
    for (int rodada = 0; rodada < 1500; ++rodada) {
        Bitmap pequeno = com_caneta(40, 30, VERDE, VERMELHO);
        Bitmap grande = com_caneta(180, 180, VERDE, VERMELHO);
        PontoPixel v[3], deslocado[3];
        for (int k = 0; k < 3; ++k) {
            v[k] = {coordenada(sorteio), coordenada(sorteio)};
            deslocado[k] = {v[k].x + DESLOCAMENTO, v[k].y + DESLOCAMENTO};
        }
        if (rodada % 2 == 0) {
            pequeno.move_para(v[0].x, v[0].y), pequeno.linha_para(v[1].x, v[1].y);
            grande.move_para(deslocado[0].x, deslocado[0].y);
            grande.linha_para(deslocado[1].x, deslocado[1].y);
        } else {
            pequeno.poligono(v);
            grande.poligono(deslocado);
        }
        for (std::int64_t y = 0; y < 30; ++y)
            for (std::int64_t x = 0; x < 40; ++x)
                if (pequeno.pixel(x, y) != grande.pixel(x + DESLOCAMENTO, y + DESLOCAMENTO))
                    FAIL() << rodada << ": " << x << "," << y;
    }
}

} // namespace
} // namespace quindra

namespace quindra {
namespace {

// Painting a polygon band by band, in any split of the rows, must give exactly the pixels that
// painting it whole gives: fill and outline, small coordinates (64-bit crossings) and huge ones
// (128-bit), lines steep and shallow, vertices off the bitmap on every side.
TEST(Bitmap, PoligonoPorFaixasIgualAoInteiro) {
    const std::int64_t enorme = LIMITE_PIXEL * 4;
    const std::vector<std::vector<PontoPixel>> poligonos = {
        {{10, 10}, {50, 12}, {30, 45}},
        {{-20, 5}, {70, -30}, {90, 70}, {5, 79}},
        {{40, -1000}, {41, 1000}, {39, 500}},
        {{-enorme, 40}, {enorme, 41}, {3, -enorme}},
        {{(1LL << 30) - 1, 7}, {-(1LL << 30), 60}, {12, 33}},
        {{25, 25}, {25, 25}, {25, 25}},
        {{0, 79}, {79, 0}},
    };
    const std::vector<std::vector<std::int64_t>> cortes = {
        {}, {40}, {0, 1, 2, 41, 78, 79}, {7, 13, 33, 45, 60, 61}};
    for (std::size_t p = 0; p < poligonos.size(); ++p) {
        Bitmap inteiro(80, 80);
        inteiro.pinta_poligono(poligonos[p], VERDE, VERMELHO);
        for (const auto& corte : cortes) {
            Bitmap faixas(80, 80);
            std::int64_t primeira = std::numeric_limits<std::int64_t>::min();
            for (std::size_t c = 0; c <= corte.size(); ++c) {
                const std::int64_t ultima = c < corte.size() ? corte[c] : MAXIMO;
                faixas.pinta_poligono(poligonos[p], VERDE, VERMELHO, {primeira, ultima});
                if (c < corte.size()) primeira = ultima + 1;
            }
            EXPECT_EQ(faixas.rgb(), inteiro.rgb())
                << "polygon " << p << ", " << corte.size() << " cuts";
        }
        // The band is all it paints, and a band that holds no row paints nothing.
        Bitmap so_faixa(80, 80);
        so_faixa.pinta_poligono(poligonos[p], VERDE, VERMELHO, {30, 35});
        for (const auto& [x, y] : com_cor(so_faixa, VERDE)) EXPECT_TRUE(y >= 30 && y <= 35);
        for (const auto& [x, y] : com_cor(so_faixa, VERMELHO)) EXPECT_TRUE(y >= 30 && y <= 35);
        Bitmap nada(80, 80);
        nada.pinta_poligono(poligonos[p], VERDE, VERMELHO, {80, 200});
        EXPECT_EQ(nada.rgb(), Bitmap(80, 80).rgb());
    }
}

} // namespace
} // namespace quindra
