#include "view/corte.hpp"

#include <cmath>
#include <utility>

namespace quindra {

int corta_segmento(double& x1, double& y1, double& z1, double& x2, double& y2, double& z2,
                   double d) {
    if (z1 < d && z2 < d) return SEGMENTO_INVISIVEL;
    if (z1 >= d && z2 >= d) return SEGMENTO_INTEIRO;
    if (std::fabs(z2 - z1) < 1e-6) return SEGMENTO_INTEIRO;
    const double t = (d - z1) / (z2 - z1);
    if (z1 < d) {
        x1 = x1 + (x2 - x1) * t;
        y1 = y1 + (y2 - y1) * t;
        z1 = d;
        return PRIMEIRO_EXTREMO_MOVIDO;
    }
    x2 = x1 + (x2 - x1) * t;
    y2 = y1 + (y2 - y1) * t;
    z2 = d;
    return SEGUNDO_EXTREMO_MOVIDO;
}

namespace {

bool dentro(double v) { return v >= -1 && v <= 1; }
double limita_quadrado(double v) { return v < -1 ? -1 : (v > 1 ? 1 : v); }

} // namespace

bool recorta_segmento(double& x1, double& y1, double& x2, double& y2) {
    // An end that overflowed to NaN has no place on the screen.
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return false;
    if (x2 < x1) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    if (dentro(x1) && dentro(y1) && dentro(x2) && dentro(y2)) return true;
    if ((x1 < -1 && x2 < -1) || (x1 > 1 && x2 > 1) || (y1 < -1 && y2 < -1) || (y1 > 1 && y2 > 1))
        return false;
    if (x1 == x2) {
        y1 = limita_quadrado(y1);
        y2 = limita_quadrado(y2);
        if (y1 != y2) return true;
    }
    if (y1 == y2) { // horizontal, or vertical collapsed to a point
        x1 = limita_quadrado(x1);
        x2 = limita_quadrado(x2);
        return true;
    }
    const double m = (y2 - y1) / (x2 - x1);
    if (x1 < -1) {
        y1 = y1 + (-1 - x1) * m;
        x1 = -1;
    }
    if (x2 > 1) {
        x2 = 1;
        y2 = y1 + (1 - x1) * m;
    }
    if (y1 < -1) {
        x1 = x1 + (-1 - y1) / m;
        y1 = -1;
    } else if (y1 > 1) {
        x1 = x1 + (1 - y1) / m;
        y1 = 1;
    }
    if (y2 < -1) {
        y2 = -1;
        x2 = x1 + (-1 - y1) / m;
    } else if (y2 > 1) {
        y2 = 1;
        x2 = x1 + (1 - y1) / m;
    }
    return dentro(x1) && dentro(y1) && dentro(x2) && dentro(y2);
}

CasoCorte classifica_triangulo(const Triangulo& triangulo, ListaDePontos& pontos, double d) {
    const auto [i1, i2, i3] = triangulo.indices();
    Ponto &p1 = pontos[i1], &p2 = pontos[i2], &p3 = pontos[i3];
    for (Ponto* p : {&p1, &p2, &p3})
        if (std::fabs(p->zv - d) < TOLERANCIA_CORTE) p->zv -= TOLERANCIA_CORTE;

    const bool perto1 = p1.zv < d, perto2 = p2.zv < d, perto3 = p3.zv < d;
    if (perto1 && perto2 && perto3) return CasoCorte::TodoPerto;
    if (!perto1 && !perto2 && !perto3) return CasoCorte::TodoAlem;
    if (perto1)
        return perto2 ? CasoCorte::Perto12 : (perto3 ? CasoCorte::Perto13 : CasoCorte::Perto1);
    if (perto2) return perto3 ? CasoCorte::Perto23 : CasoCorte::Perto2;
    return CasoCorte::Perto3;
}

namespace {

// How each case cuts: the two crossing edges (slots 3 and 4), the polygon beyond the plane in
// boundary order, and the same part as sub-triangles in the order they are drawn.
struct FormaCorte {
    std::array<std::array<int, 2>, 2> arestas;
    std::array<int, 4> poligono;
    int lados;
    std::array<std::array<int, 3>, 2> partes;
    int quantas;
};

// Indexed by CasoCorte.
constexpr std::array<FormaCorte, 8> FORMAS{{
    {{}, {}, 0, {}, 0},                                                 // wholly near
    {{}, {0, 1, 2}, 3, {{{0, 1, 2}}}, 1},                               // wholly beyond
    {{{{0, 1}, {0, 2}}}, {3, 1, 2, 4}, 4, {{{1, 3, 4}, {1, 2, 4}}}, 2}, // 1 near
    {{{{0, 2}, {1, 2}}}, {3, 4, 2}, 3, {{{3, 4, 2}}}, 1},               // 1 and 2 near
    {{{{0, 1}, {1, 2}}}, {3, 4, 1}, 3, {{{3, 4, 1}}}, 1},               // 1 and 3 near
    {{{{0, 1}, {1, 2}}}, {3, 0, 2, 4}, 4, {{{3, 0, 2}, {3, 4, 2}}}, 2}, // 2 near
    {{{{0, 1}, {0, 2}}}, {3, 4, 0}, 3, {{{3, 4, 0}}}, 1},               // 2 and 3 near
    {{{{0, 2}, {1, 2}}}, {3, 0, 1, 4}, 4, {{{3, 0, 1}, {3, 1, 4}}}, 2}, // 3 near
}};

const FormaCorte& forma(CasoCorte caso) { return FORMAS[static_cast<std::size_t>(caso)]; }

} // namespace

CorteTriangulo::CorteTriangulo(const Triangulo& triangulo, ListaDePontos& lista, double d)
    : indices(triangulo.indices()), caso_(classifica_triangulo(triangulo, lista, d)) {
    if (caso_ == CasoCorte::TodoPerto) return;
    for (std::size_t i = 0; i < 3; ++i) pontos[i] = lista[indices[i]];
    if (caso_ == CasoCorte::TodoAlem) return;
    const FormaCorte& f = forma(caso_);
    for (std::size_t j = 0; j < 2; ++j) {
        const auto [de, para] = f.arestas[j];
        const Ponto& a = pontos[static_cast<std::size_t>(de)];
        const Ponto& b = pontos[static_cast<std::size_t>(para)];
        const double t = (d - a.zv) / (b.zv - a.zv);
        cortes[j] = {de, para, t};
        pontos[3 + j].atribui_vista(interpola(a.xv, b.xv, t), interpola(a.yv, b.yv, t), d);
    }
}

std::span<const int> CorteTriangulo::poligono() const {
    const FormaCorte& f = forma(caso_);
    return {f.poligono.data(), static_cast<std::size_t>(f.lados)};
}

int CorteTriangulo::quantas_partes() const { return forma(caso_).quantas; }

std::array<std::size_t, 3> CorteTriangulo::parte(int n) const {
    const auto& p = forma(caso_).partes[static_cast<std::size_t>(n)];
    return {static_cast<std::size_t>(p[0]), static_cast<std::size_t>(p[1]),
            static_cast<std::size_t>(p[2])};
}

} // namespace quindra
