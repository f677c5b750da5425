#include "render/varredura_profundidade.hpp"

#include <algorithm>
#include <limits>

namespace quindra {

namespace {

// A pixel's depth blends the vertices' with weights above -0.9 that sum to 1, so at most two
// are negative and it lies no nearer than the nearest vertex by twice the depth range. The
// margin covers the rounding of the blend (a few units in the last place); a vertex depth that
// is not finite leaves no bound.
double limite_de_perto(double za, double zb, double zc) {
    if (!(std::isfinite(za) && std::isfinite(zb) && std::isfinite(zc)))
        return -std::numeric_limits<double>::infinity();
    const double perto = std::min({za, zb, zc}), longe = std::max({za, zb, zc});
    return perto - 2 * (longe - perto) - 1e-9 * std::max(std::fabs(perto), std::fabs(longe)) -
           std::numeric_limits<double>::min();
}

// A determinant that small beside the triangle's own edges means its points lie in a line on
// the weighing axes. The tolerance is the absolute 1e-5 for a triangle of the usual size and
// shrinks with the edges below it, so a model measured in metres keeps its area.
bool tem_area(const std::array<double, 3>& u, const std::array<double, 3>& v, double det) {
    if (det == 0) return false;
    if (std::fabs(det) >= TOLERANCIA_DETERMINANTE) return true; // no tolerance is larger
    const double du1 = u[0] - u[2], dv1 = v[0] - v[2];
    const double du2 = u[1] - u[2], dv2 = v[1] - v[2];
    const double arestas = std::sqrt(du1 * du1 + dv1 * dv1) * std::sqrt(du2 * du2 + dv2 * dv2);
    return !(std::fabs(det) < TOLERANCIA_DETERMINANTE * std::min(1.0, arestas));
}

} // namespace

bool escondido(const ZBuffer& z, const VerticesTela& v, double za, double zb, double zc) {
    // The walk visits only columns and heights between the rounded vertices': edge positions
    // between two of them round to a column between theirs.
    constexpr std::int64_t MAXIMO_PIXELS = 16;
    const auto [xmin, xmax] = std::minmax({v[0].x, v[1].x, v[2].x});
    const auto [ymin, ymax] = std::minmax({v[0].y, v[1].y, v[2].y});
    const std::int64_t x0 = std::max<std::int64_t>(xmin, 0), x1 = std::min(xmax, ULTIMA_LINHA);
    const std::int64_t y0 = std::max<std::int64_t>(ymin, 0), y1 = std::min(ymax, ULTIMA_LINHA);
    if (x0 > x1 || y0 > y1 || (x1 - x0 + 1) * (y1 - y0 + 1) > MAXIMO_PIXELS) return false;
    const double perto = limite_de_perto(za, zb, zc);
    for (auto y = static_cast<int>(y0); y <= y1; ++y)
        for (auto x = static_cast<int>(x0); x <= x1; ++x)
            if (z.em(x, y) > perto) return false;
    return true;
}

bool TrianguloProfundidade::prepara(const Camera& camera, const Ponto& p1, const Ponto& p2,
                                    const Ponto& p3, const Vetor& face) {
    return prepara(
        camera, p1, p2, p3, face,
        {projeta_vertice(camera, p1), projeta_vertice(camera, p2), projeta_vertice(camera, p3)});
}

bool TrianguloProfundidade::prepara(const Camera& camera, const Ponto& p1, const Ponto& p2,
                                    const Ponto& p3, const Vetor& face, const VerticesTela& v) {
    if (fora_do_quadro(v)) return false;
    d_ = camera.d, hx_ = camera.hx, hy_ = camera.hy;
    p_ = {p1, p2, p3};
    face_ = face;
    plano_ = face.x * p3.xv + face.y * p3.yv + face.z * p3.zv;
    escolhe_eixos(face);
    tela_ = ordena_por_altura(v);
    em_linha_ = em_linha(v);
    mais_perto_ = limite_de_perto(p1.zv, p2.zv, p3.zv);
    return true;
}

void TrianguloProfundidade::pesa_trecho(const Trecho& trecho, PesosTrecho& pesos) const {
    // The same operations in the same order as one pixel at a time, so the same bits. Pixel
    // positions are saturated to +-2^40, so counting columns from x0 and from xl in doubles is
    // exact. Everything is read into locals first: the stores into pesos could otherwise alias
    // this triangle's members, and the loop would not vectorise.
    const double x0 = static_cast<double>(trecho.x0);
    const double desde_xl = static_cast<double>(trecho.x0 - trecho.xl);
    const double ys = trecho.ys, oL = trecho.oL, k = trecho.k, d = d_, hx = hx_;
    const Vetor face = face_;
    const double plano = plano_, det = determinante_; // preenche checked tem_area_
    const auto [u1, u2, u3] = u_;
    const auto [v1, v2, v3] = v_;
    const double za = p_[0].zv, zb = p_[1].zv, zc = p_[2].zv;
    // The weighing axes are x and y, y and z, or x and z.
    const bool u_em_x = eixo_u_ == 0, v_em_y = eixo_v_ == 1;
    // An int counter: SSE2 converts 32-bit integers to doubles two at a time, 64-bit ones not.
    for (int i = 0; i < trecho.n; ++i) {
        const auto passo = static_cast<double>(i);
        const double xp = (x0 + passo) + oL + (desde_xl + passo) * k;
        const double xs = (xp / MEIO_LADO - 1) * hx;
        const double raio = face.x * xs + face.y * ys + face.z * d;
        const double s = plano / raio; // the ray meets the plane at s * (xs, ys, d)
        const double u = u_em_x ? s * xs : s * ys;
        const double v = v_em_y ? s * ys : s * d;
        const Baricentricas w = baricentricas_com_area(det, u1, v1, u2, v2, u3, v3, u, v);
        pesos.a[i] = w.a, pesos.b[i] = w.b, pesos.c[i] = w.c;
        pesos.profundidade[i] = w.a * za + w.b * zb + w.c * zc;
        pesos.raio[i] = raio;
    }
}

void TrianguloProfundidade::escolhe_eixos(const Vetor& face) {
    const auto coordenadas = [this](int eixo_u, int eixo_v) {
        eixo_u_ = eixo_u, eixo_v_ = eixo_v;
        for (std::size_t i = 0; i < 3; ++i) {
            const double q[3] = {p_[i].xv, p_[i].yv, p_[i].zv};
            u_[i] = q[eixo_u], v_[i] = q[eixo_v];
        }
        determinante_ = determinante_baricentrico(u_[0], v_[0], u_[1], v_[1], u_[2], v_[2]);
        tem_area_ = tem_area(u_, v_, determinante_);
    };
    coordenadas(0, 1);
    if (tem_area_) return;
    // A plane through the eye is seen edge-on and covers no area on screen either.
    if (std::fabs(plano_) < TOLERANCIA_NULO) return;
    // A plane holding the viewing direction still covers pixels in perspective (a wall beside
    // the line of sight): weigh in the pair of axes that drops the normal's largest component.
    if (std::fabs(face.x) >= std::fabs(face.y)) {
        coordenadas(1, 2);
    } else {
        coordenadas(0, 2);
    }
}

} // namespace quindra
