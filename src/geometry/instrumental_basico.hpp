// Vectors, points and colours in double precision: the values every other unit computes with.
// Operations work in place so that renderers can reuse a few workspace objects.
#pragma once

#include <cmath>
#include <string_view>

namespace quindra {

inline constexpr double TOLERANCIA_NULO = 1e-8;
inline constexpr double TETO_COR = 255.0;

struct Ponto;

struct Vetor {
    double x = 0, y = 0, z = 0;

    constexpr Vetor() = default;
    constexpr Vetor(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}

    void atribui(double x_, double y_, double z_) { x = x_, y = y_, z = z_; }
    void copia(const Vetor& w) { *this = w; }
    inline void copia_ponto(const Ponto& p);

    /// True when every component is strictly inside the null tolerance.
    bool nulo() const {
        return std::fabs(x) < TOLERANCIA_NULO && std::fabs(y) < TOLERANCIA_NULO &&
               std::fabs(z) < TOLERANCIA_NULO;
    }
    double produto_escalar(const Vetor& w) const { return x * w.x + y * w.y + z * w.z; }
    void soma(const Vetor& w) { x += w.x, y += w.y, z += w.z; }
    void subtrai(const Vetor& w) { x -= w.x, y -= w.y, z -= w.z; }
    /// The length; components beyond 1e154, whose squares overflow, are scaled down first.
    double norma() const {
        const double quadrado = x * x + y * y + z * z;
        return std::isfinite(quadrado) ? std::sqrt(quadrado) : norma_sem_estouro();
    }
    void inverte() { x = -x, y = -y, z = -z; }

    /// receiver := receiver x w
    void produto_vetorial(const Vetor& w) {
        atribui(y * w.z - z * w.y, z * w.x - x * w.z, x * w.y - y * w.x);
    }
    /// receiver := w x receiver
    void produto_vetorial_inverso(const Vetor& w) {
        atribui(w.y * z - w.z * y, w.z * x - w.x * z, w.x * y - w.y * x);
    }
    /// Unit length; a vector no longer than the null tolerance is left as it is.
    void normaliza() {
        const double comprimento = norma();
        if (comprimento <= TOLERANCIA_NULO) return;
        x /= comprimento, y /= comprimento, z /= comprimento;
    }
    /// True when w is a multiple of the receiver, judged by the ratios of the components.
    bool paralelo(const Vetor& w) const;
    /// receiver := p - q, in camera coordinates.
    inline void diferenca(const Ponto& p, const Ponto& q);
    void multiplica(double k) { x *= k, y *= k, z *= k; }
    /// (receiver . w) / (w . w), or 0 when w is null.
    double coeficiente_projecao(const Vetor& w) const {
        return w.nulo() ? 0.0 : produto_escalar(w) / w.produto_escalar(w);
    }
    /// receiver := its projection onto w (null when w is null).
    void projeta(const Vetor& w) {
        const double k = coeficiente_projecao(w);
        atribui(k * w.x, k * w.y, k * w.z);
    }

private:
    double norma_sem_estouro() const;
};

/// A vertex: camera coordinates first (written by the viewing transform), then world ones.
struct Ponto {
    double xv = 0, yv = 0, zv = 0;
    double x = 0, y = 0, z = 0;

    constexpr Ponto() = default;
    constexpr Ponto(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}

    void atribui(double x_, double y_, double z_) { x = x_, y = y_, z = z_; }
    void atribui_vista(double xv_, double yv_, double zv_) { xv = xv_, yv = yv_, zv = zv_; }
    /// Copies q's camera coordinates only.
    void copia(const Ponto& q) { atribui_vista(q.xv, q.yv, q.zv); }
    void soma(const Vetor& w) { xv += w.x, yv += w.y, zv += w.z; }
    void subtrai(const Vetor& w) { xv -= w.x, yv -= w.y, zv -= w.z; }
    void subtrai(const Ponto& q) { xv -= q.xv, yv -= q.yv, zv -= q.zv; }
};

inline void Vetor::copia_ponto(const Ponto& p) { atribui(p.xv, p.yv, p.zv); }
inline void Vetor::diferenca(const Ponto& p, const Ponto& q) {
    atribui(p.xv - q.xv, p.yv - q.yv, p.zv - q.zv);
}

/// A colour on the 0..255 scale (or 0..1 factors after normaliza); never clamped implicitly.
struct Cor {
    double r = 0, g = 0, b = 0;

    constexpr Cor() = default;
    constexpr Cor(double r_, double g_, double b_) : r(r_), g(g_), b(b_) {}

    void atribui(double r_, double g_, double b_) { r = r_, g = g_, b = b_; }
    void copia(const Cor& c) { *this = c; }
    void soma(const Cor& c) { r += c.r, g += c.g, b += c.b; }
    void multiplica(double k) { r *= k, g *= k, b *= k; }
    /// Components above 255 become 255; the others, negative ones included, stay.
    void limita() {
        if (r > TETO_COR) r = TETO_COR;
        if (g > TETO_COR) g = TETO_COR;
        if (b > TETO_COR) b = TETO_COR;
    }
    void normaliza() { r /= TETO_COR, g /= TETO_COR, b /= TETO_COR; }
};

/// resultado := k * a, then multiplied by b component by component.
inline void compoe(Cor& resultado, const Cor& a, const Cor& b, double k) {
    resultado.atribui(k * a.r * b.r, k * a.g * b.g, k * a.b * b.b);
}

/// The double a user typed; sets erro (and returns 0) for anything but a finite decimal number.
double converte_real(std::string_view texto, bool& erro);
/// The 32-bit whole number a user typed; sets erro (and returns 0) otherwise.
int converte_inteiro(std::string_view texto, bool& erro);

} // namespace quindra
