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
        const double e1[3] = {p[1].xv - p[0].xv, p[1].yv - p[0].yv, p[1].zv - p[0].zv};
        const double e2[3] = {p[2].xv - p[0].xv, p[2].yv - p[0].yv, p[2].zv - p[0].zv};
        const Vetor face(e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                         e1[0] * e2[1] - e1[1] * e2[0]);
        TrianguloProfundidade t;
        ASSERT_TRUE(t.prepara(camera, p[0], p[1], p[2], face));
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

} // namespace
} // namespace quindra
