#include "render/gouraud.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "geometry/arredondamento.hpp"

#include "render/lista_em_lotes.hpp"
#include "render/varredura_profundidade.hpp"
#include "view/coordenadas.hpp"
#include "view/corte.hpp"

namespace quindra {

namespace {

// A pixel centre on an edge shared by two triangles gets weights of 0 give or take a rounding
// error; counting the error as inside keeps such pixels from falling between both.
constexpr double TOLERANCIA_ARESTA = -1e-9;

std::uint8_t canal_truncado(double valor) {
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(trunca(valor), 0, 255));
}

CorPixel cor_misturada(const Cor& k1, const Cor& k2, const Cor& k3, const Baricentricas& w) {
    return {canal_truncado(w.a * k1.r + w.b * k2.r + w.c * k3.r),
            canal_truncado(w.a * k1.g + w.b * k2.g + w.c * k3.g),
            canal_truncado(w.a * k1.b + w.b * k2.b + w.c * k3.b)};
}

} // namespace

void preenche_triangulo_gouraud(Bitmap& tela, const VerticesTela& vertices,
                                const std::array<Cor, 3>& cores, const FaixaLinhas& faixa) {
    if (fora_de_alcance(vertices)) return;
    const TrianguloTela t = ordena_por_altura(vertices);
    const auto x1 = static_cast<double>(t.v[0].x), y1 = static_cast<double>(t.v[0].y);
    const auto x2 = static_cast<double>(t.v[1].x), y2 = static_cast<double>(t.v[1].y);
    const auto x3 = static_cast<double>(t.v[2].x), y3 = static_cast<double>(t.v[2].y);
    const double det = determinante_baricentrico(x1, y1, x2, y2, x3, y3);
    // Three positions in a line cover no pixel; their weights would all be 0 (black pixels).
    if (std::fabs(det) < TOLERANCIA_DETERMINANTE) return;
    const auto cor = [&](std::size_t i) -> const Cor& {
        return cores[static_cast<std::size_t>(t.origem[i])];
    };
    const Cor &k1 = cor(0), &k2 = cor(1), &k3 = cor(2);

    percorre_linhas(
        t,
        [&](const LinhaVarredura& linha) {
            // A part's first line rounds its edges half to even; the later ones add a half and
            // truncate. The span only bounds the search: the weights decide each pixel.
            std::int64_t xl =
                linha.primeira ? arredonda(linha.esquerda) : trunca(linha.esquerda + 0.5);
            std::int64_t xr =
                linha.primeira ? arredonda(linha.direita) : trunca(linha.direita + 0.5);
            xl = std::max<std::int64_t>(xl, 0);
            xr = std::min(xr, ULTIMA_LINHA);
            const auto y = static_cast<double>(linha.y);
            for (std::int64_t x = xl; x <= xr; ++x) {
                const Baricentricas w =
                    baricentricas_det(det, x1, y1, x2, y2, x3, y3, static_cast<double>(x), y);
                if (w.a >= TOLERANCIA_ARESTA && w.b >= TOLERANCIA_ARESTA &&
                    w.c >= TOLERANCIA_ARESTA)
                    tela.define_pixel(x, LADO_TELA - linha.y, cor_misturada(k1, k2, k3, w));
            }
        },
        faixa);
}

namespace {

// A (sub-)triangle set up for the depth-buffered fill, with the colours of its vertices.
struct TrianguloGouraudZ {
    TrianguloProfundidade forma;
    std::array<Cor, 3> cores;

    std::int64_t primeira_linha() const { return forma.base(); }
    std::int64_t ultima_linha() const { return forma.topo(); }

    void preenche(Bitmap& tela, ZBuffer& z, const FaixaLinhas& faixa = {}) const {
        forma.preenche(
            z,
            [&](int x, int y, const Baricentricas& w) {
                tela.define_pixel(x, LADO_TELA - y, cor_misturada(cores[0], cores[1], cores[2], w));
            },
            faixa);
    }
};

} // namespace

void preenche_triangulo_gouraud_z(Bitmap& tela, ZBuffer& z, const Camera& camera, const Vetor& face,
                                  const std::array<Ponto, 3>& pontos,
                                  const std::array<Cor, 3>& cores) {
    TrianguloGouraudZ triangulo{{}, cores};
    if (triangulo.forma.prepara(camera, pontos[0], pontos[1], pontos[2], face))
        triangulo.preenche(tela, z);
}

namespace {

// A sub-triangle on the screen with the colours of its vertices, for the painter's bands.
struct TrianguloGouraud {
    VerticesTela vertices;
    std::array<Cor, 3> cores;

    std::int64_t primeira_linha() const {
        return std::min({vertices[0].y, vertices[1].y, vertices[2].y});
    }
    std::int64_t ultima_linha() const {
        return std::max({vertices[0].y, vertices[1].y, vertices[2].y});
    }
};

// The colours of a triangle's vertices, as the view lit them.
std::array<Cor, 3> cores_dos_vertices(const Vista& vista, const std::array<std::size_t, 3>& v) {
    const auto& k = vista.CoresVertices;
    return {k[v[0]], k[v[1]], k[v[2]]};
}

// Calls parte(points, colours) for each sub-triangle of a cut triangle; a crossing point's
// colour is blended along its edge like its position.
template <class Parte>
void para_cada_parte_colorida(const Vista& vista, const CorteTriangulo& corte, Parte&& parte) {
    para_cada_parte<const Cor>(
        corte,
        [&](int slot) -> const Cor& {
            return vista.CoresVertices[corte.indices[static_cast<std::size_t>(slot)]];
        },
        [&](const std::array<Ponto, 3>& p, const std::array<const Cor*, 3>& k) {
            parte(p, std::array<Cor, 3>{*k[0], *k[1], *k[2]});
        });
}

// Painted far to near, blended in screen space.
struct GouraudPintor {
    using Item = TrianguloGouraud;
    const Desenho& d;

    void inteiro(const TrianguloDaLista& t, const VerticesTela& tela,
                 PartesTriangulo<Item>& partes) const {
        // What fora_de_alcance turns away the fill would leave unpainted.
        if (!fora_de_alcance(tela))
            partes.adiciona({tela, cores_dos_vertices(d.vista, t.vertices)});
    }
    void cortado(const TrianguloDaLista&, const CorteTriangulo& corte,
                 PartesTriangulo<Item>& partes) const {
        para_cada_parte_colorida(d.vista, corte,
                                 [&](const std::array<Ponto, 3>& p, const std::array<Cor, 3>& k) {
                                     const VerticesTela v{projeta_vertice(d.camera, p[0]),
                                                          projeta_vertice(d.camera, p[1]),
                                                          projeta_vertice(d.camera, p[2])};
                                     if (!fora_de_alcance(v)) partes.adiciona({v, k});
                                 });
    }
    void preenche(const Item& item, const FaixaLinhas& faixa) const {
        preenche_triangulo_gouraud(d.tela, item.vertices, item.cores, faixa);
    }
};

// Nearest first, blended in camera space: the strict depth test then turns most hidden pixels
// away uncoloured.
struct GouraudZBuffer {
    using Item = TrianguloGouraudZ;
    const Desenho& d;
    ZBuffer& z;

    void inteiro(const TrianguloDaLista& t, const VerticesTela& tela,
                 PartesTriangulo<Item>& partes) const {
        const auto& p = d.vista.Pontos;
        const auto [i1, i2, i3] = t.vertices;
        if (escondido(z, tela, p[i1].zv, p[i2].zv, p[i3].zv)) return;
        Item& item = partes.proximo();
        if (!item.forma.prepara(d.camera, p[i1], p[i2], p[i3], d.vista.normal[t.lugar], tela))
            return;
        item.cores = cores_dos_vertices(d.vista, t.vertices);
        partes.mantem();
    }
    void cortado(const TrianguloDaLista& t, const CorteTriangulo& corte,
                 PartesTriangulo<Item>& partes) const {
        para_cada_parte_colorida(
            d.vista, corte, [&](const std::array<Ponto, 3>& q, const std::array<Cor, 3>& k) {
                Item& item = partes.proximo();
                if (!item.forma.prepara(d.camera, q[0], q[1], q[2], d.vista.normal[t.lugar]))
                    return;
                item.cores = k;
                partes.mantem();
            });
    }
    void preenche(const Item& item, const FaixaLinhas& faixa) const {
        item.preenche(d.tela, z, faixa);
    }
};

} // namespace

void desenha_gouraud_pintor(const Desenho& d) {
    GouraudPintor pintor{d};
    percorre_em_lotes(d, Sentido::DoUltimo, pintor);
}

void desenha_gouraud_zbuffer(const Desenho& d) {
    GouraudZBuffer renderizador{d, *d.profundidade};
    percorre_em_lotes(d, Sentido::DoPrimeiro, renderizador);
}

} // namespace quindra
