#include "render/gouraud.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "geometry/arredondamento.hpp"
#include <tbb/parallel_for.h>

#include "render/iluminacao.hpp"
#include "render/pintor.hpp"
#include "render/pintor_faixas.hpp"
#include "render/pixels_pontos.hpp"
#include "render/preparo_malha.hpp"
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

// Clears the frame, then lights every mesh point: what both renderers blend. False when the
// mesh names points it does not have; the frame then stays empty.
bool prepara_desenho(Bitmap& tela, Malha& malha, const Material& material, const Cena& cena,
                     CorPixel caneta, CorPixel pincel) {
    tela.define_caneta(caneta);
    limpa_tela(tela, pincel);
    if (!malha_desenhavel(malha)) return false;
    calcula_normais_faces(malha);
    ordena_para_pintor(malha);
    refaz_normais_vertices(malha);
    cria_cores_vertices(malha);
    calcula_cores_vertices(malha, material, cena);
    return true;
}

// Calls desenha(points, colours) for each sub-triangle of the part of t beyond the focal plane;
// a crossing point's colour is blended along its edge like its position.
template <class Desenha>
void para_cada_parte(Malha& malha, const Triangulo& t, double d, Desenha&& desenha) {
    const CorteTriangulo corte(t, malha.Pontos, d);
    if (corte.quantas_partes() == 0) return;
    std::array<Cor, 5> cores;
    for (std::size_t i = 0; i < 3; ++i) cores[i] = malha.CoresVertices[corte.indices[i]];
    const auto nos_cortes = interpola_cortes<Cor>(
        corte, [&](int slot) -> const Cor& { return cores[static_cast<std::size_t>(slot)]; });
    cores[3] = nos_cortes[0], cores[4] = nos_cortes[1];
    for (int n = 0; n < corte.quantas_partes(); ++n) {
        const auto [i, j, k] = corte.parte(n);
        desenha(std::array<Ponto, 3>{corte.pontos[i], corte.pontos[j], corte.pontos[k]},
                std::array<Cor, 3>{cores[i], cores[j], cores[k]});
    }
}

} // namespace

void cria_cores_vertices(Malha& malha) { malha.CoresVertices.assign(malha.Pontos.size(), Cor()); }

void calcula_cores_vertices(Malha& malha, const Material& material, const Cena& cena) {
    const std::size_t n =
        std::min({malha.CoresVertices.size(), malha.Pontos.size(), malha.NormaisVertices.size()});
    // Each point's colour depends on that point alone.
    tbb::parallel_for(std::size_t{0}, n, [&](std::size_t i) {
        malha.CoresVertices[i] = ilumina(malha.Pontos[i], malha.NormaisVertices[i], material, cena);
    });
}

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
    void pinta(Bitmap& tela, const FaixaLinhas& faixa) const {
        preenche_triangulo_gouraud(tela, vertices, cores, faixa);
    }
};

} // namespace

Bitmap& desenha_gouraud_pintor(Bitmap& tela, Malha& malha, const Camera& camera,
                               const Material& material, const Cena& cena) {
    if (!prepara_desenho(tela, malha, material, cena, AMARELO, PRETO)) return tela;
    projeta_pontos(malha, camera);
    const auto prepara = [&](const Triangulo& t, const VerticesTela* inteiro,
                             PartesTriangulo<TrianguloGouraud>& partes) {
        // What fora_de_alcance turns away the fill would leave unpainted.
        if (inteiro) {
            if (fora_de_alcance(*inteiro)) return;
            const auto [i1, i2, i3] = t.indices();
            const auto& k = malha.CoresVertices;
            partes.adiciona({*inteiro, {k[i1], k[i2], k[i3]}});
            return;
        }
        para_cada_parte(
            malha, t, camera.d, [&](const std::array<Ponto, 3>& p, const std::array<Cor, 3>& k) {
                const VerticesTela v{projeta_vertice(camera, p[0]), projeta_vertice(camera, p[1]),
                                     projeta_vertice(camera, p[2])};
                if (!fora_de_alcance(v)) partes.adiciona({v, k});
            });
    };
    pinta_do_fundo<TrianguloGouraud>(tela, malha, prepara);
    return tela;
}

Bitmap& desenha_gouraud_zbuffer(Bitmap& tela, Malha& malha, const Camera& camera,
                                const Material& material, const Cena& cena, ZBuffer& z) {
    if (!prepara_desenho(tela, malha, material, cena, PRETO, BRANCO)) return tela;
    projeta_pontos(malha, camera);
    using Partes = PartesTriangulo<TrianguloGouraudZ>;
    const auto& p = malha.Pontos;
    const auto& k = malha.CoresVertices;
    // Nearest first: the strict depth test then turns most hidden pixels away uncoloured.
    percorre_em_lotes<TrianguloGouraudZ>(
        malha, Sentido::DoPrimeiro,
        [&](const Triangulo& t, const VerticesTela& vertices, Partes& partes) {
            // Drawn whole: straight from the mesh, with the positions already projected.
            const auto [i1, i2, i3] = t.indices();
            TrianguloGouraudZ& item = partes.proximo();
            if (!item.forma.prepara(camera, p[i1], p[i2], p[i3], t.normal, vertices)) return;
            item.cores = {k[i1], k[i2], k[i3]};
            partes.mantem();
        },
        [&](const Triangulo& t, bool inteiro, Partes& partes) {
            if (inteiro) return;
            para_cada_parte(malha, t, camera.d,
                            [&](const std::array<Ponto, 3>& q, const std::array<Cor, 3>& cores) {
                                TrianguloGouraudZ& item = partes.proximo();
                                if (!item.forma.prepara(camera, q[0], q[1], q[2], t.normal)) return;
                                item.cores = cores;
                                partes.mantem();
                            });
        },
        [&](const TrianguloGouraudZ& t, const FaixaLinhas& faixa) { t.preenche(tela, z, faixa); });
    return tela;
}

} // namespace quindra
