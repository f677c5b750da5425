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

int classifica_triangulo(const Triangulo& triangulo, ListaDePontos& pontos, double d,
                         CortesTriangulo& cortes) {
    Ponto& p1 = pontos[static_cast<std::size_t>(triangulo.vertice1 - 1)];
    Ponto& p2 = pontos[static_cast<std::size_t>(triangulo.vertice2 - 1)];
    Ponto& p3 = pontos[static_cast<std::size_t>(triangulo.vertice3 - 1)];
    for (Ponto* p : {&p1, &p2, &p3})
        if (std::fabs(p->zv - d) < 1e-8) p->zv -= 1e-8;

    const bool perto1 = p1.zv < d, perto2 = p2.zv < d, perto3 = p3.zv < d;
    const auto t = [d](const Ponto& a, const Ponto& b) { return (d - a.zv) / (b.zv - a.zv); };
    if (perto1 && perto2 && perto3) return -1;
    if (!perto1 && !perto2 && !perto3) return 0;
    if (perto1 && !perto2 && !perto3) {
        cortes.t12 = t(p1, p2), cortes.t13 = t(p1, p3);
        return 1;
    }
    if (perto1 && perto2) {
        cortes.t23 = t(p2, p3), cortes.t13 = t(p1, p3);
        return 2;
    }
    if (perto1 && perto3) {
        cortes.t12 = t(p1, p2), cortes.t23 = t(p2, p3);
        return 3;
    }
    if (perto2 && !perto3) {
        cortes.t12 = t(p1, p2), cortes.t23 = t(p2, p3);
        return 4;
    }
    if (perto2 && perto3) {
        cortes.t12 = t(p1, p2), cortes.t13 = t(p1, p3);
        return 5;
    }
    cortes.t23 = t(p2, p3), cortes.t13 = t(p1, p3);
    return 6;
}

} // namespace quindra
