#include "render/phong.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "geometry/arredondamento.hpp"
#include "render/iluminacao.hpp"
#include "render/lista_em_lotes.hpp"
#include "render/varredura_profundidade.hpp"
#include "view/corte.hpp"

namespace quindra {

namespace {

// A (sub-)triangle set up for the per-pixel lighting, with the vertex normals as they stood
// when the walk of the list reached it and the weighed colours of the side seen (OdAtual,
// OsAtual). Holding copies lets the bands fill it later, on any thread, exactly as then.
struct TrianguloPhong {
    TrianguloProfundidade forma;
    std::array<Vetor, 3> normais;
    // The unit vectors from its vertices towards the eye, worked out beside the set-up so that
    // the turning of the vertex normals, which must follow the list's order, only uses them.
    std::array<Vetor, 3> olhos;
    Refletancias lado{};
    bool texturizado = false;

    std::int64_t primeira_linha() const { return forma.base(); }
    std::int64_t ultima_linha() const { return forma.topo(); }
};

// The lit colour's channels are in 0..255 for any valid material; a stray value keeps its low
// 8 bits, and NaN or huge values stay defined through trunca.
std::uint8_t canal_baixo(double valor) { return static_cast<std::uint8_t>(trunca(valor)); }

// A vertex normal facing away from the eye is turned into the plane across the line of sight.
// It is written in place, so every triangle sharing the vertex sees the same correction.
void corrige_normal(Vetor& normal, const Vetor& olho) {
    const double vn = olho.produto_escalar(normal);
    if (vn < 0)
        normal.atribui(normal.x - vn * olho.x, normal.y - vn * olho.y, normal.z - vn * olho.z);
}

// Sets the triangle's shape and side up, screen positions given when already projected; false
// when it covers no pixel. Depends on the triangle alone, so it may run on any thread.
bool prepara_forma(const Desenho& e, TrianguloPhong& item,
                   const std::array<const Ponto*, 3>& pontos, const Vetor& face, bool texturizado,
                   const VerticesTela* tela) {
    const Ponto &a = *pontos[0], &b = *pontos[1], &c = *pontos[2];
    const bool alcanca = tela ? item.forma.prepara(e.camera, a, b, c, face, *tela)
                              : item.forma.prepara(e.camera, a, b, c, face);
    if (!alcanca) return false;

    // The side is chosen once for the whole face, by the eye direction at its first vertex.
    const bool verso = para_o_olho(a).produto_escalar(face) < 0;
    const Cor& OsAtual = verso ? e.material.Os1 : e.material.Os2;
    const Cor& OdAtual = verso ? e.material.Od1 : e.material.Od2; // the texel's, if textured
    item.lado = refletancias(OdAtual, OsAtual, e.material, e.vista.cena);
    item.texturizado = texturizado;
    return true;
}

// Gives a triangle that covers pixels its vertex normals. Runs in list order: the corrections
// it writes into shared vertex normals are seen by the triangles after it.
void fixa_normais(TrianguloPhong& item, const std::array<Vetor*, 3>& normais) {
    if (!item.texturizado)
        for (std::size_t k = 0; k < 3; ++k) corrige_normal(*normais[k], item.olhos[k]);
    item.normais = {*normais[0], *normais[1], *normais[2]};
}

// What fixa_normais will need of the points, when the item's normals are to be turned.
void olha(TrianguloPhong& item, const std::array<const Ponto*, 3>& pontos) {
    if (!item.texturizado)
        for (std::size_t k = 0; k < 3; ++k) item.olhos[k] = para_o_olho(*pontos[k]);
}

void preenche_triangulo(const Desenho& e, const TrianguloPhong& t, const FaixaLinhas& faixa) {
    // Named references rather than structured bindings, which clang before 16 cannot capture.
    const Ponto &a = t.forma.pontos()[0], &b = t.forma.pontos()[1], &c = t.forma.pontos()[2];
    const Vetor &na = t.normais[0], &nb = t.normais[1], &nc = t.normais[2];
    Refletancias lado = t.lado;
    Ponto ponto;
    Vetor normal;
    t.forma.preenche(
        *e.profundidade,
        [&](int x, int y, const Baricentricas& w) {
            ponto.atribui_vista(w.a * a.xv + w.b * b.xv + w.c * c.xv,
                                w.a * a.yv + w.b * b.yv + w.c * c.yv,
                                w.a * a.zv + w.b * b.zv + w.c * c.zv);
            normal.atribui(w.a * na.x + w.b * nb.x + w.c * nc.x,
                           w.a * na.y + w.b * nb.y + w.c * nc.y,
                           w.a * na.z + w.b * nb.z + w.c * nc.z);
            if (t.texturizado) {
                const CorPixel k = texel(*e.textura, coordenadas_textura(e.projecao, ponto));
                lado.difusa = pondera_difusa(Cor(k.r, k.g, k.b), e.material);
            }
            const Cor cor = ilumina_phong(ponto, normal, lado, e.material, e.vista.cena);
            e.tela.define_pixel(x, LADO_TELA - y,
                                {canal_baixo(cor.r), canal_baixo(cor.g), canal_baixo(cor.b)});
        },
        faixa);
}

// Draws the list in its current order: the shapes of the triangles drawn whole are set up side
// by side, the vertex normals in list order, then the bands of rows fill each batch.
struct Phong {
    using Item = TrianguloPhong;
    const Desenho& d;
    // Only the textured renderer has a range; the others texture nothing.
    FaixaTextura faixa{1, 0};

    bool texturizado(const TrianguloDaLista& t) const {
        const auto posicao = static_cast<std::int64_t>(t.lugar) + 1;
        return faixa.PrimeiraFaceTextura <= posicao && posicao <= faixa.UltimaFaceTextura;
    }
    void inteiro(const TrianguloDaLista& t, const VerticesTela& tela,
                 PartesTriangulo<Item>& partes) const {
        const auto& p = d.vista.Pontos;
        const auto [i1, i2, i3] = t.vertices;
        if (fora_do_quadro(tela)) return;
        const std::array<const Ponto*, 3> pontos{&p[i1], &p[i2], &p[i3]};
        TrianguloPhong& item = partes.proximo();
        if (escondido(*d.profundidade, tela, p[i1].zv, p[i2].zv, p[i3].zv)) {
            // Nothing of it shows, but the vertex normals it turns are shared.
            item.texturizado = texturizado(t);
            partes.so_em_ordem = true;
        } else if (!prepara_forma(d, item, pontos, d.vista.normal[t.lugar], texturizado(t),
                                  &tela)) {
            return;
        }
        olha(item, pontos);
        partes.mantem();
    }
    void em_ordem(const TrianguloDaLista& t, PartesTriangulo<Item>& partes) const {
        if (partes.quantas == 0) return;
        auto& n = d.vista.NormaisVertices;
        const auto [i1, i2, i3] = t.vertices;
        fixa_normais(partes.itens[0], {&n[i1], &n[i2], &n[i3]});
    }
    void cortado(const TrianguloDaLista& t, const CorteTriangulo& corte,
                 PartesTriangulo<Item>& partes) const {
        auto& n = d.vista.NormaisVertices;
        // A crossing point's normal is blended along its edge.
        para_cada_parte<Vetor>(
            corte,
            [&](int slot) -> Vetor& { return n[corte.indices[static_cast<std::size_t>(slot)]]; },
            [&](const std::array<Ponto, 3>& q, const std::array<Vetor*, 3>& normais) {
                const std::array<const Ponto*, 3> pontos{&q[0], &q[1], &q[2]};
                TrianguloPhong& item = partes.proximo();
                if (!prepara_forma(d, item, pontos, d.vista.normal[t.lugar], texturizado(t),
                                   nullptr))
                    return;
                olha(item, pontos);
                fixa_normais(item, normais);
                partes.mantem();
            });
    }
    void preenche(const Item& item, const FaixaLinhas& faixa_linhas) const {
        preenche_triangulo(d, item, faixa_linhas);
    }
};

} // namespace

void desenha_phong(const Desenho& d) {
    Phong phong{d};
    percorre_em_lotes(d, Sentido::DoPrimeiro, phong);
}

void desenha_phong_textura(const Desenho& d) {
    Phong phong{d, d.faixa};
    percorre_em_lotes(d, Sentido::DoPrimeiro, phong);
}

} // namespace quindra
