#include "view/bitmap.hpp"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

#include "geometry/arredondamento.hpp"

namespace quindra {

namespace {

// Products of two coordinates (up to 2^41 each once held at the limit) need more than 64 bits.
__extension__ typedef __int128 Inteiro128;

std::int64_t limita(std::int64_t valor) { return std::clamp(valor, -LIMITE_PIXEL, LIMITE_PIXEL); }

PontoPixel limita(PontoPixel p) { return {limita(p.x), limita(p.y)}; }

std::int64_t modulo(std::int64_t valor) { return valor < 0 ? -valor : valor; }

/// ceil(n / d) for d > 0.
template <class Inteiro> Inteiro divide_para_cima(Inteiro n, Inteiro d) {
    const Inteiro q = n / d;
    return (n % d != 0 && n > 0) ? q + 1 : q;
}

/// floor(n / d) for d > 0.
template <class Inteiro> Inteiro divide_para_baixo(Inteiro n, Inteiro d) {
    const Inteiro q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

/// The steps i >= 0 for which origem + sentido * i lies in primeira..ultima (possibly none).
std::pair<std::int64_t, std::int64_t> passos_dentro(std::int64_t origem, std::int64_t sentido,
                                                    std::int64_t primeira, std::int64_t ultima) {
    if (sentido > 0) return {primeira - origem, ultima - origem};
    return {origem - ultima, origem - primeira};
}

/// Where the outline of a polygon meets row y: its leftmost and rightmost pixel positions
/// (an empty range when it misses the row). Inteiro holds the products of two coordinates.
template <class Inteiro>
std::pair<std::int64_t, std::int64_t> cruzamentos(std::span<const PontoPixel> vertices,
                                                  std::int64_t y) {
    const std::size_t n = vertices.size();
    std::int64_t esquerda = LIMITE_PIXEL + 1, direita = -LIMITE_PIXEL - 1;
    for (std::size_t k = 0; k < n; ++k) {
        const PontoPixel p = limita(vertices[k]), q = limita(vertices[(k + 1) % n]);
        if (y < std::min(p.y, q.y) || y > std::max(p.y, q.y)) continue;
        if (p.y == q.y) {
            esquerda = std::min({esquerda, p.x, q.x});
            direita = std::max({direita, p.x, q.x});
            continue;
        }
        // the edge meets the row at p.x + (y - p.y)(q.x - p.x) / (q.y - p.y), kept exact
        Inteiro deslocamento = Inteiro{y - p.y} * (q.x - p.x);
        Inteiro altura_aresta = q.y - p.y;
        if (altura_aresta < 0) deslocamento = -deslocamento, altura_aresta = -altura_aresta;
        esquerda = std::min(esquerda, p.x + static_cast<std::int64_t>(
                                                divide_para_cima(deslocamento, altura_aresta)));
        direita = std::max(direita, p.x + static_cast<std::int64_t>(
                                              divide_para_baixo(deslocamento, altura_aresta)));
    }
    return {esquerda, direita};
}

std::size_t tamanho_rgb(int largura, int altura) {
    if (largura < 0 || altura < 0) throw std::invalid_argument("Bitmap: tamanho negativo");
    return static_cast<std::size_t>(largura) * static_cast<std::size_t>(altura) * 3;
}

} // namespace

Bitmap::Bitmap(int largura, int altura)
    : largura_(largura), altura_(altura), rgb_(tamanho_rgb(largura, altura), 255) {}

Bitmap::Bitmap(int largura, int altura, std::vector<std::uint8_t> rgb)
    : largura_(largura), altura_(altura), rgb_(std::move(rgb)) {
    if (rgb_.size() != tamanho_rgb(largura, altura))
        throw std::invalid_argument("Bitmap: pixels não conferem com o tamanho");
}

void Bitmap::preenche(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                      CorPixel cor) {
    x1 = std::max<std::int64_t>(x1, 0), y1 = std::max<std::int64_t>(y1, 0);
    x2 = std::min<std::int64_t>(x2, largura_ - 1), y2 = std::min<std::int64_t>(y2, altura_ - 1);
    for (std::int64_t y = y1; y <= y2; ++y)
        for (std::int64_t x = x1; x <= x2; ++x) define_pixel(x, y, cor);
}

void Bitmap::retangulo(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    x1 = limita(x1), y1 = limita(y1), x2 = limita(x2), y2 = limita(y2);
    if (x2 <= x1 || y2 <= y1) return;
    preenche(x1 + 1, y1 + 1, x2 - 2, y2 - 2, pincel_);
    preenche(x1, y1, x2 - 1, y1, caneta_);
    preenche(x1, y2 - 1, x2 - 1, y2 - 1, caneta_);
    preenche(x1, y1, x1, y2 - 1, caneta_);
    preenche(x2 - 1, y1, x2 - 1, y2 - 1, caneta_);
}

void Bitmap::move_para(std::int64_t x, std::int64_t y) { posicao_ = limita(PontoPixel{x, y}); }

void Bitmap::linha_para(std::int64_t x, std::int64_t y) {
    const PontoPixel fim = limita(PontoPixel{x, y});
    traca(posicao_, fim, caneta_);
    posicao_ = fim;
}

namespace {

// The visible steps of a line: from step primeiro on, passos + 1 steps, the first at minor
// offset deslocamento with error term resto.
struct PassosVisiveis {
    std::int64_t primeiro, passos, deslocamento, resto;
};

// Solves for the steps of 0..b-1 (a = |dminor|, b = |dmajor|) whose major and minor
// coordinates both lie inside; u and v ranges are given as step ranges by passos_dentro.
// Inteiro holds the products of two coordinates.
template <class Inteiro>
std::optional<PassosVisiveis> passos_visiveis(std::int64_t a, std::int64_t b,
                                              std::pair<std::int64_t, std::int64_t> maiores,
                                              std::pair<std::int64_t, std::int64_t> menores) {
    // steps whose major coordinate is inside
    Inteiro primeiro = std::max<std::int64_t>(maiores.first, 0);
    Inteiro ultimo = std::min(maiores.second, b - 1);
    // minor offsets inside the bitmap; the offset never falls as i grows, so the steps with an
    // offset in range form one interval, found by solving for its two ends
    const auto [m_min, m_max] = menores;
    if (m_max < 0 || (a == 0 && m_min > 0)) return std::nullopt;
    const Inteiro dois_a = Inteiro{2} * a, dois_b = Inteiro{2} * b;
    if (a > 0) {
        // offset >= m  <=>  2ia + b >= 2bm ;  offset <= m  <=>  2ia < 2bm + b
        if (m_min > 0) primeiro = std::max(primeiro, divide_para_cima(dois_b * m_min - b, dois_a));
        ultimo = std::min(ultimo, divide_para_cima(dois_b * m_max + b, dois_a) - 1);
    }
    if (primeiro > ultimo) return std::nullopt;
    // the error term of the first visible step, computed directly instead of walked to
    const Inteiro numerador = dois_a * primeiro + b;
    return PassosVisiveis{static_cast<std::int64_t>(primeiro),
                          static_cast<std::int64_t>(ultimo - primeiro),
                          static_cast<std::int64_t>(numerador / dois_b),
                          static_cast<std::int64_t>(numerador % dois_b)};
}

} // namespace

// Bresenham's line in closed form: along the major axis (x when |dx| >= |dy|) step i paints
// the pixel whose minor coordinate is nearest the ideal line, i * |dminor| / |dmajor| from the
// start, a tie going to the pixel farther from the start: offset floor((2ia + b) / 2b) with
// a = |dminor|, b = |dmajor|. Because the offset is known for any i, the walk starts at the
// first visible step and stops after the last, so off-bitmap parts cost nothing.
void Bitmap::traca(PontoPixel inicio, PontoPixel fim, CorPixel cor, const FaixaLinhas& linhas) {
    const std::int64_t dx = fim.x - inicio.x, dy = fim.y - inicio.y;
    const bool em_x = modulo(dx) >= modulo(dy);
    const std::int64_t u0 = em_x ? inicio.x : inicio.y, v0 = em_x ? inicio.y : inicio.x;
    const std::int64_t du = em_x ? dx : dy, dv = em_x ? dy : dx;
    const std::int64_t b = modulo(du), a = modulo(dv);
    if (b == 0) return; // the end point itself is never painted
    const std::int64_t su = du > 0 ? 1 : -1, sv = dv >= 0 ? 1 : -1;

    // the columns and the rows of the bitmap that the band lets the line paint
    const std::int64_t linha_min = std::max<std::int64_t>(linhas.primeira, 0);
    const std::int64_t linha_max = std::min<std::int64_t>(linhas.ultima, altura_ - 1);
    const std::int64_t u_lo = em_x ? 0 : linha_min, u_hi = em_x ? largura_ - 1 : linha_max;
    const std::int64_t v_lo = em_x ? linha_min : 0, v_hi = em_x ? linha_max : largura_ - 1;
    if (linha_min > linha_max) return;

    const auto maiores = passos_dentro(u0, su, u_lo, u_hi);
    const auto menores = passos_dentro(v0, sv, v_lo, v_hi);
    // Coordinates below 2^29 keep every product within 64 bits, where the division is much
    // cheaper; the result is the same either way.
    const bool pequena = std::max({modulo(inicio.x), modulo(inicio.y), modulo(fim.x),
                                   modulo(fim.y)}) < (std::int64_t{1} << 29);
    const auto visiveis = pequena ? passos_visiveis<std::int64_t>(a, b, maiores, menores)
                                  : passos_visiveis<Inteiro128>(a, b, maiores, menores);
    if (!visiveis) return;

    std::int64_t resto = visiveis->resto;
    std::int64_t u = u0 + su * visiveis->primeiro;
    std::int64_t v = v0 + sv * visiveis->deslocamento;
    for (std::int64_t passos = visiveis->passos; passos >= 0; --passos) {
        const std::int64_t x = em_x ? u : v, y = em_x ? v : u;
        assert(dentro(x, y)); // the bounds above keep every walked step visible
        define_pixel(x, y, cor);
        u += su;
        resto += 2 * a;
        if (resto >= 2 * b) resto -= 2 * b, v += sv;
    }
}

void Bitmap::pinta_poligono(std::span<const PontoPixel> vertices, CorPixel pincel, CorPixel caneta,
                            const FaixaLinhas& linhas) {
    if (vertices.empty()) return;
    std::int64_t y_min = LIMITE_PIXEL, y_max = -LIMITE_PIXEL, maior = 0;
    for (const PontoPixel& vertice : vertices) {
        const PontoPixel v = limita(vertice);
        y_min = std::min(y_min, v.y), y_max = std::max(y_max, v.y);
        maior = std::max({maior, modulo(v.x), modulo(v.y)});
    }
    // Each visible row is filled between the leftmost and the rightmost point where the outline
    // meets it; for a convex polygon every pixel position in between is inside. Coordinates
    // below 2^30 keep every product within 64 bits, where the division is much cheaper.
    const bool pequeno = maior < (std::int64_t{1} << 30);
    const std::int64_t ultima_linha = std::min({y_max, std::int64_t{altura_} - 1, linhas.ultima});
    for (std::int64_t y = std::max({y_min, std::int64_t{0}, linhas.primeira}); y <= ultima_linha;
         ++y) {
        const auto [esquerda, direita] =
            pequeno ? cruzamentos<std::int64_t>(vertices, y) : cruzamentos<Inteiro128>(vertices, y);
        preenche(esquerda, y, direita, y, pincel);
    }
    const std::size_t n = vertices.size();
    for (std::size_t k = 0; k < n; ++k)
        traca(limita(vertices[k]), limita(vertices[(k + 1) % n]), caneta, linhas);
}

} // namespace quindra
