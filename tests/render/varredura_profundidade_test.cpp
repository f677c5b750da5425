#include "render/varredura_profundidade.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "apoio/cena_teste.hpp"

namespace quindra {
namespace {

using Pixel = std::pair<int, int>;

Ponto vista(double xv, double yv, double zv) {
    Ponto p;
    p.atribui_vista(xv, yv, zv);
    return p;
}

// The pixels the triangle paints over a depth buffer holding fundo everywhere, with the depth
// each one stored.
std::map<Pixel, double> pintados(const TrianguloProfundidade& t, double fundo) {
    ZBuffer z;
    std::fill(z.valores.begin(), z.valores.end(), fundo);
    std::map<Pixel, double> pixels;
    t.preenche(z, [&](int x, int y, const Baricentricas&) { pixels[{x, y}] = z.em(x, y); });
    return pixels;
}

Vetor normal_de(const std::array<Ponto, 3>& p) {
    Vetor normal(p[1].xv - p[0].xv, p[1].yv - p[0].yv, p[1].zv - p[0].zv);
    normal.produto_vetorial(Vetor(p[2].xv - p[0].xv, p[2].yv - p[0].yv, p[2].zv - p[0].zv));
    return normal;
}

// Runs of pixels are skipped where what is stored lies nearer than the triangle can come; the
// pixels just outside an edge extrapolate the depth beyond the vertices', so over any stored
// depth the triangle must paint exactly the pixels it paints on an empty buffer nearer than it.
TEST(TrianguloProfundidade, ProfundidadeGuardadaRecusaSoOsPixelsMaisLonge) {
    const Camera camera = teste::camera_inicial();
    const std::array<Ponto, 3> casos[] = {
        {vista(-1, -1, 2), vista(1, -1, 2), vista(0, 1, 20)},          // a steep ramp
        {vista(-3, -0.5, 1), vista(0.5, -0.5, 1), vista(0.5, 0.5, 1)}, // reaching off the frame
        {vista(1, -1, 2), vista(1, 1, 2), vista(1, 0, 5)},             // along the line of sight
        {vista(-0.02, -0.02, 3), vista(0.03, -0.01, 3.1), vista(0, 0.03, 2.9)}, // a few pixels
    };
    bool alem_dos_vertices = false;
    for (const auto& p : casos) {
        TrianguloProfundidade t;
        ASSERT_TRUE(t.prepara(camera, p[0], p[1], p[2], normal_de(p)));
        const auto livres = pintados(t, PROFUNDIDADE_VAZIA);
        ASSERT_FALSE(livres.empty());
        std::vector<double> profundidades;
        for (const auto& [pixel, profundidade] : livres) profundidades.push_back(profundidade);
        std::sort(profundidades.begin(), profundidades.end());
        const double perto = std::min({p[0].zv, p[1].zv, p[2].zv});
        alem_dos_vertices |= profundidades.front() < perto;
        for (double fundo :
             {profundidades.front(), profundidades[profundidades.size() / 3], profundidades.back(),
              std::nextafter(profundidades.back(), 1e300), perto, perto - 1, 0.0}) {
            std::map<Pixel, double> esperados;
            for (const auto& [pixel, profundidade] : livres)
                if (profundidade < fundo) esperados[pixel] = profundidade;
            EXPECT_EQ(pintados(t, fundo), esperados) << fundo;
        }
    }
    EXPECT_TRUE(alem_dos_vertices); // some pixel lies nearer than every vertex
}

// From the initial camera a point (x, y, z) lands at column 300 (1 + x/z), height 300 (1 + y/z),
// rounded: at depth 3 a pixel is 0.01 across. A triangle whose rounded positions share a column
// or a height is tried at each pixel of that line through the pixel's centre; what lies off the
// frame or has no area paints nothing.
TEST(TrianguloProfundidade, TriangulosEmLinhaForaDoQuadroESemArea) {
    const Camera camera = teste::camera_inicial();
    std::vector<Pixel> coluna, linha;
    for (int i = 295; i <= 305; ++i) coluna.emplace_back(300, i), linha.emplace_back(i, 300);
    const struct {
        const char* nome;
        std::array<Ponto, 3> p;
        bool alcanca;
        std::vector<Pixel> pintados;
        Vetor face{}; // when null, the triangle's own normal
    } casos[] = {
        {"inside one pixel, holding its centre",
         {vista(-0.003, -0.003, 3), vista(0.003, -0.003, 3), vista(0, 0.003, 3)},
         true,
         {{300, 300}}},
        {"inside one pixel, far from its centre",
         {vista(0.0035, -0.0005, 3), vista(0.0045, -0.0005, 3), vista(0.004, 0.0005, 3)},
         true,
         {}},
        {"one column, heights 295 to 305",
         {vista(-0.001, -0.05, 3), vista(0.001, -0.05, 3), vista(0, 0.05, 3)},
         true,
         coluna},
        {"one height, columns 295 to 305",
         {vista(-0.05, -0.001, 3), vista(-0.05, 0.001, 3), vista(0.05, 0, 3)},
         true,
         linha},
        {"inside the pixel at column 600, off the frame's last column",
         {vista(2.998, 0, 3), vista(3.001, 0, 3), vista(3, 0.001, 3)},
         true,
         {}},
        {"wholly right of the frame",
         {vista(4, 0, 3), vista(5, 0, 3), vista(4.5, 1, 3)},
         false,
         {}},
        {"a segment in space, seen as a line across the frame",
         {vista(-0.5, -0.5, 3), vista(0, 0, 4), vista(0.5, 0.5, 5)},
         true,
         {},
         Vetor(1, 0, -0.5)}, // a plane that holds it, not through the eye
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const Vetor face = caso.face.x == 0 && caso.face.z == 0 ? normal_de(caso.p) : caso.face;
        TrianguloProfundidade t;
        ASSERT_EQ(t.prepara(camera, caso.p[0], caso.p[1], caso.p[2], face), caso.alcanca);
        if (!caso.alcanca) continue;
        std::vector<Pixel> pixels;
        for (const auto& [pixel, profundidade] : pintados(t, PROFUNDIDADE_VAZIA)) {
            pixels.push_back(pixel);
            EXPECT_NEAR(profundidade, caso.p[0].zv, 1e-12);
        }
        EXPECT_EQ(pixels, caso.pintados);
    }

    // A triangle a few millimetres across, at a hundredth of a unit from the eye: its
    // determinant of 4e-6 is below the absolute 1e-5, yet it covers 30 pixels each way.
    const std::array<Ponto, 3> miudo{vista(-0.001, -0.001, 0.02), vista(0.001, -0.001, 0.02),
                                     vista(0, 0.001, 0.02)};
    TrianguloProfundidade t;
    ASSERT_TRUE(t.prepara(camera, miudo[0], miudo[1], miudo[2], normal_de(miudo)));
    const auto pixels = pintados(t, PROFUNDIDADE_VAZIA);
    EXPECT_NEAR(static_cast<double>(pixels.size()), 30 * 30 / 2, 60);
    ASSERT_TRUE(pixels.contains({300, 300}));
    EXPECT_NEAR(pixels.at({300, 300}), 0.02, 1e-15);
}

} // namespace
} // namespace quindra
