#include "render/phong.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "geometry/arredondamento.hpp"
#include "render/iluminacao.hpp"
#include "render/lista_em_lotes.hpp"
#include "render/pintor.hpp"
#include "render/pixels_pontos.hpp"
#include "render/preparo_malha.hpp"
#include "render/varredura_profundidade.hpp"
#include "view/corte.hpp"

namespace quindra {

namespace {

// What one Phong draw reads while it runs.
struct DesenhoPhong {
    Bitmap& tela;
    ZBuffer& z;
    const Camera& camera;
    const Material& material;
    const Cena& cena;
    // Only for the textured renderer: the triangles at these list positions take the texture.
    const ProjecaoTextura* projecao = nullptr;
    const Bitmap* textura = nullptr;
    FaixaTextura faixa{1, 0};
};

// A (sub-)triangle set up for the per-pixel lighting, with the vertex normals as they stood
// when the walk of the list reached it and the weighed colours of the side seen (OdAtual,
// OsAtual). Holding copies lets the bands fill it later, on any thread, exactly as then.
struct TrianguloPhong {
    TrianguloProfundidade forma;
    std::array<Vetor, 3> normais;
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
void corrige_normal(Vetor& normal, const Ponto& p) {
    const Vetor olho = para_o_olho(p);
    const double vn = olho.produto_escalar(normal);
    if (vn < 0)
        normal.atribui(normal.x - vn * olho.x, normal.y - vn * olho.y, normal.z - vn * olho.z);
}

// Sets the triangle's shape and side up, screen positions given when already projected; false
// when it covers no pixel. Depends on the triangle alone, so it may run on any thread.
bool prepara_forma(const DesenhoPhong& e, TrianguloPhong& item,
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
    item.lado = refletancias(OdAtual, OsAtual, e.material, e.cena);
    item.texturizado = texturizado;
    return true;
}

// Gives a triangle that covers pixels its vertex normals. Runs in list order: the corrections
// it writes into shared vertex normals are seen by the triangles after it.
void fixa_normais(TrianguloPhong& item, const std::array<Vetor*, 3>& normais,
                  const std::array<const Ponto*, 3>& pontos) {
    if (!item.texturizado)
        for (std::size_t k = 0; k < 3; ++k) corrige_normal(*normais[k], *pontos[k]);
    item.normais = {*normais[0], *normais[1], *normais[2]};
}

void preenche_triangulo(const DesenhoPhong& e, const TrianguloPhong& t, const FaixaLinhas& faixa) {
    // Named references rather than structured bindings, which clang before 16 cannot capture.
    const Ponto &a = t.forma.pontos()[0], &b = t.forma.pontos()[1], &c = t.forma.pontos()[2];
    const Vetor &na = t.normais[0], &nb = t.normais[1], &nc = t.normais[2];
    Refletancias lado = t.lado;
    Ponto ponto;
    Vetor normal;
    t.forma.preenche(
        e.z,
        [&](int x, int y, const Baricentricas& w) {
            ponto.atribui_vista(w.a * a.xv + w.b * b.xv + w.c * c.xv,
                                w.a * a.yv + w.b * b.yv + w.c * c.yv,
                                w.a * a.zv + w.b * b.zv + w.c * c.zv);
            normal.atribui(w.a * na.x + w.b * nb.x + w.c * nc.x,
                           w.a * na.y + w.b * nb.y + w.c * nc.y,
                           w.a * na.z + w.b * nb.z + w.c * nc.z);
            if (t.texturizado) {
                const CorPixel k = texel(*e.textura, coordenadas_textura(*e.projecao, ponto));
                lado.difusa = pondera_difusa(Cor(k.r, k.g, k.b), e.material);
            }
            const Cor cor = ilumina_phong(ponto, normal, lado, e.material, e.cena);
            e.tela.define_pixel(x, LADO_TELA - y,
                                {canal_baixo(cor.r), canal_baixo(cor.g), canal_baixo(cor.b)});
        },
        faixa);
}

// Draws the list in its current order: the shapes of the triangles drawn whole are set up side
// by side, the vertex normals in list order, then the bands of rows fill each batch.
void desenha_lista(const DesenhoPhong& e, Malha& malha) {
    projeta_pontos(malha, e.camera);
    using Partes = PartesTriangulo<TrianguloPhong>;
    const auto& p = malha.Pontos;
    auto& n = malha.NormaisVertices;
    const auto texturizado = [&](const Triangulo& t) {
        const std::int64_t posicao = &t - malha.Triangulos.data() + 1;
        return e.textura && e.faixa.PrimeiraFaceTextura <= posicao &&
               posicao <= e.faixa.UltimaFaceTextura;
    };
    // A crossing point's normal is blended along its edge; these two are reused throughout.
    std::array<Vetor, 2> normais_corte;
    percorre_em_lotes<TrianguloPhong>(
        malha, Sentido::DoPrimeiro,
        [&](const Triangulo& t, const VerticesTela& vertices, Partes& partes) {
            // Drawn whole: straight from the mesh, with the positions already projected.
            const auto [i1, i2, i3] = t.indices();
            if (prepara_forma(e, partes.proximo(), {&p[i1], &p[i2], &p[i3]}, t.normal,
                              texturizado(t), &vertices))
                partes.mantem();
        },
        [&](const Triangulo& t, bool inteiro, Partes& partes) {
            if (inteiro) {
                const auto [i1, i2, i3] = t.indices();
                if (partes.quantas > 0)
                    fixa_normais(partes.itens[0], {&n[i1], &n[i2], &n[i3]},
                                 {&p[i1], &p[i2], &p[i3]});
                return;
            }
            const CorteTriangulo corte(t, malha.Pontos, e.camera.d);
            if (corte.quantas_partes() == 0) return;
            std::array<Vetor*, 5> normais{};
            for (std::size_t i = 0; i < 3; ++i) normais[i] = &n[corte.indices[i]];
            normais_corte = interpola_cortes<Vetor>(corte, [&](int slot) -> const Vetor& {
                return *normais[static_cast<std::size_t>(slot)];
            });
            normais[3] = &normais_corte[0], normais[4] = &normais_corte[1];
            for (int parte = 0; parte < corte.quantas_partes(); ++parte) {
                const auto [i, j, k] = corte.parte(parte);
                const std::array<const Ponto*, 3> pontos{&corte.pontos[i], &corte.pontos[j],
                                                         &corte.pontos[k]};
                TrianguloPhong& item = partes.proximo();
                if (!prepara_forma(e, item, pontos, t.normal, texturizado(t), nullptr)) continue;
                fixa_normais(item, {normais[i], normais[j], normais[k]}, pontos);
                partes.mantem();
            }
        },
        [&e](const TrianguloPhong& t, const FaixaLinhas& faixa) {
            preenche_triangulo(e, t, faixa);
        });
}

// Clears the frame; false when the mesh names points it does not have (nothing more is drawn).
bool limpa_e_confere(Bitmap& tela, const Malha& malha) {
    tela.define_caneta(AMARELO);
    limpa_tela(tela, PRETO);
    return malha_desenhavel(malha);
}

} // namespace

Bitmap& desenha_phong(Bitmap& tela, Malha& malha, const Camera& camera, const Material& material,
                      const Cena& cena, ZBuffer& z) {
    if (!limpa_e_confere(tela, malha)) return tela;
    calcula_normais_faces(malha);
    ordena_para_pintor(malha);
    refaz_normais_vertices(malha);
    desenha_lista({tela, z, camera, material, cena}, malha);
    return tela;
}

Bitmap& desenha_phong_textura(Bitmap& tela, Malha& malha, const Camera& camera,
                              const Material& material, const Cena& cena, ZBuffer& z,
                              const ProjecaoTextura& projecao, const Bitmap& Textura,
                              const FaixaTextura& faixa) {
    if (!limpa_e_confere(tela, malha)) return tela;
    // The depth keys are computed but the list keeps its order: the face range refers to it.
    calcula_distancias(malha);
    recalcula_normais(malha);
    desenha_lista({tela, z, camera, material, cena, &projecao, &Textura, faixa}, malha);
    return tela;
}

} // namespace quindra
