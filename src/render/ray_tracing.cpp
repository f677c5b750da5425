#include "render/ray_tracing.hpp"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <span>

#include "geometry/arredondamento.hpp"
#include "render/acerto_raio.hpp"
#include "render/cena_raios.hpp"
#include "render/iluminacao.hpp"
#include "view/coordenadas.hpp"

namespace quindra {

namespace {

// Rows per task: a cancel is seen within a few rows, and the cores stay evenly loaded.
constexpr int FAIXA = 4;

constexpr double SEM_FIM = std::numeric_limits<double>::infinity();

// What a ray from the eye saw: a colour and the depth of the point met, or nothing.
struct VistoDoOlho {
    std::optional<Cor> cor;
    double profundidade = PROFUNDIDADE_VAZIA;
};

Ponto relativo(const Ponto& p, const Vetor& origem) {
    Ponto q;
    q.atribui_vista(p.xv - origem.x, p.yv - origem.y, p.zv - origem.z);
    return q;
}

// The lit colour is within 0..255; the conversion is the Phong renderer's truncation.
std::uint8_t canal(double valor) { return static_cast<std::uint8_t>(trunca(valor)); }

// Follows rays in camera space, where the points, the lights and the shading live. The
// structure holds world coordinates (z dilated); the camera's orthonormal basis turns a
// camera-space ray back into them, and the ray's parameter keeps its meaning.
class Tracador {
public:
    Tracador(const Vista& vista, const Camera& camera, const Material& material,
             const CenaRaios& raios)
        : vista_(vista), camera_(camera), material_(material), cena_(vista.cena), raios_(raios) {}

    /// The colour seen along origem + s direcao for s >= perto, with up to reflexoes mirror
    /// bounces; none when the ray meets nothing. luzes is the caller's workspace, holding Ia
    /// and Ka.
    std::optional<Cor> cor_vista(const Vetor& origem, const Vetor& direcao, double perto,
                                 int reflexoes, Cena& luzes) const {
        const auto triangulo = raios_.mais_proximo(no_mundo(origem, direcao, perto, SEM_FIM));
        if (!triangulo) return std::nullopt;
        return cor_no_triangulo(*triangulo, origem, direcao, reflexoes, luzes);
    }

    /// cor_vista for the rays from the eye through points of the focal plane (direcoes, as
    /// many as a packet takes), traced together.
    void cores_do_olho(std::span<const Vetor> direcoes, std::span<VistoDoOlho> vistos,
                       Cena& luzes) const {
        std::array<RaioMundo, CenaRaios::PACOTE> raios;
        std::array<std::optional<std::uint32_t>, CenaRaios::PACOTE> triangulos;
        const std::size_t n = direcoes.size();
        for (std::size_t i = 0; i < n; ++i) raios[i] = no_mundo(Vetor(), direcoes[i], 1, SEM_FIM);
        raios_.mais_proximos({raios.data(), n}, {triangulos.data(), n});
        for (std::size_t i = 0; i < n; ++i) {
            vistos[i] = {};
            if (triangulos[i])
                vistos[i].cor = cor_no_triangulo(*triangulos[i], Vetor(), direcoes[i],
                                                 REFLEXOES_MAXIMAS, luzes, &vistos[i].profundidade);
        }
    }

private:
    // The colour of the triangle a ray met, none when the ray turns out not to meet its plane;
    // the depth of the point met goes to profundidade, when given.
    std::optional<Cor> cor_no_triangulo(std::uint32_t triangulo, const Vetor& origem,
                                        const Vetor& direcao, int reflexoes, Cena& luzes,
                                        double* profundidade = nullptr) const {
        const auto acerto =
            refina_acerto(vista_.Pontos, raios_.vertices(triangulo), origem, direcao);
        if (!acerto) return std::nullopt;
        if (profundidade) *profundidade = acerto->ponto.zv;

        // Lit as seen from origem, which the shift by -origem makes the model's eye; from the
        // eye itself the shift is by zero and every number is the Phong renderer's. The side is
        // Phong's too: the one the first vertex shows to the viewer.
        const Ponto& primeiro = vista_.Pontos[acerto->vertices[0]];
        const bool verso =
            para_o_olho(relativo(primeiro, origem)).produto_escalar(acerto->face) < 0;
        const Refletancias lado =
            refletancias(verso ? material_.Od1 : material_.Od2,
                         verso ? material_.Os1 : material_.Os2, material_, cena_);
        const Vetor normal = normal_suave(vista_, *acerto, origem);
        const Vetor saida = origem_afastada(vista_, *acerto, verso, raios_.folga());
        luzes_a_vista(acerto->ponto, normal, saida, origem, luzes);
        Cor cor = ilumina_phong(relativo(acerto->ponto, origem), normal, lado, material_, luzes);

        if (reflexoes > 0 && material_.Ks > 0) {
            Vetor frente = acerto->face;
            if (verso) frente.inverte();
            if (const auto espelho = reflete(direcao, normal, frente)) {
                if (auto refletida = cor_vista(saida, *espelho, 0, reflexoes - 1, luzes)) {
                    refletida->multiplica(material_.Ks);
                    cor.soma(*refletida);
                    cor.limita();
                }
            }
        }
        return cor;
    }

    RaioMundo no_mundo(const Vetor& origem, const Vetor& direcao, double perto,
                       double longe) const {
        const Camera& c = camera_;
        const auto gira = [&c](const Vetor& v) {
            return Vetor(v.x * c.U.x + v.y * c.V.x + v.z * c.N.x,
                         v.x * c.U.y + v.y * c.V.y + v.z * c.N.y,
                         v.x * c.U.z + v.y * c.V.z + v.z * c.N.z);
        };
        Vetor inicio = gira(origem);
        inicio.soma(Vetor(c.C.x, c.C.y, c.C.z));
        return {inicio, gira(direcao), perto, longe};
    }

    // The lights the shading counts: those on the lit side of the normal that no part of the
    // object hides from the point, shifted as the point is.
    void luzes_a_vista(const Ponto& ponto, const Vetor& normal, const Vetor& saida,
                       const Vetor& origem, Cena& luzes) const {
        luzes.Il.clear();
        luzes.Pl.clear();
        for (std::size_t k = 0; k < cena_.Il.size() && k < cena_.Pl.size(); ++k) {
            const Ponto& luz = cena_.Pl[k];
            // The model adds nothing for a light behind the lit side: no ray needed there.
            const Vetor para_luz(luz.xv - ponto.xv, luz.yv - ponto.yv, luz.zv - ponto.zv);
            if (normal.produto_escalar(para_luz) <= 0) continue;
            const Vetor caminho(luz.xv - saida.x, luz.yv - saida.y, luz.zv - saida.z);
            if (raios_.obstruido(no_mundo(saida, caminho, 0, 1))) continue;
            luzes.Il.push_back(cena_.Il[k]);
            luzes.Pl.push_back(relativo(luz, origem));
        }
    }

    // The mirror direction of the incoming ray about the shading normal; none when it would
    // pass through the surface (frente is the face normal on the side seen), which a mirror
    // cannot send light through.
    static std::optional<Vetor> reflete(const Vetor& direcao, const Vetor& normal,
                                        const Vetor& frente) {
        Vetor entrada(direcao), n(normal);
        entrada.normaliza();
        n.normaliza();
        if (n.produto_escalar(entrada) > 0) n.inverte();
        const double k = 2 * entrada.produto_escalar(n);
        const Vetor espelho(entrada.x - k * n.x, entrada.y - k * n.y, entrada.z - k * n.z);
        if (!(espelho.produto_escalar(frente) > 0)) return std::nullopt;
        return espelho;
    }

    const Vista& vista_;
    const Camera& camera_;
    const Material& material_;
    const Cena& cena_;
    const CenaRaios& raios_;
};

// The pixel columns and heights whose rays can meet the object.
struct Caixa {
    int x0 = 0, x1 = LADO_TELA - 1, y0 = 1, y1 = LADO_TELA - 1;
};

// When every point lies beyond the focal plane, the object's image lies within the box of its
// points' images (a triangle in front of the eye projects onto the triangle of its vertices'
// images), and the rays outside it need not be traced. Otherwise the part cut at the plane
// may reach anywhere: the whole frame.
Caixa caixa_do_objeto(const Vista& vista, const Camera& camera) {
    double xmin = SEM_FIM, xmax = -SEM_FIM, ymin = SEM_FIM, ymax = -SEM_FIM;
    for (const Ponto& p : vista.Pontos) {
        if (!(p.zv >= camera.d)) return {};
        const auto [xn, yn] = projeta(camera, p);
        if (!std::isfinite(xn) || !std::isfinite(yn)) return {};
        xmin = std::min(xmin, xn), xmax = std::max(xmax, xn);
        ymin = std::min(ymin, yn), ymax = std::max(ymax, yn);
    }
    // the pixel whose centre is at xn is (xn + 1) 300; a pixel more on each side absorbs the
    // rounding of both
    const auto pixel = [](double n, double ajuste, int menor) {
        return static_cast<int>(std::clamp(std::floor((n + 1) * MEIO_LADO) + ajuste,
                                           static_cast<double>(menor), LADO_TELA - 1.0));
    };
    return {pixel(xmin, -1, 0), pixel(xmax, 2, 0), pixel(ymin, -1, 1), pixel(ymax, 2, 1)};
}

// The frame and the depths of the points the rays met, drawn aside until the draw is done.
struct QuadroTracado {
    Bitmap tela;
    ZBuffer profundidade;
};

// Traces the row at height y (row LADO_TELA - y), a packet of neighbouring pixels at a time.
// luzes is the workspace of the lights.
void traca_linha(QuadroTracado& quadro, const Tracador& tracador, const Camera& camera,
                 const Caixa& caixa, int y, Cena& luzes) {
    constexpr auto PACOTE = static_cast<int>(CenaRaios::PACOTE);
    std::array<Vetor, CenaRaios::PACOTE> direcoes;
    std::array<VistoDoOlho, CenaRaios::PACOTE> vistos;
    // The ray through a pixel's centre meets the focal plane (s = 1) where the rasterisers'
    // pixel walk puts it.
    const double ys = (static_cast<double>(y) / MEIO_LADO - 1) * camera.hy;
    for (int x0 = caixa.x0; x0 <= caixa.x1; x0 += PACOTE) {
        const auto n = static_cast<std::size_t>(std::min(PACOTE, caixa.x1 - x0 + 1));
        for (std::size_t i = 0; i < n; ++i) {
            const double x = x0 + static_cast<double>(i);
            direcoes[i] = Vetor((x / MEIO_LADO - 1) * camera.hx, ys, camera.d);
        }
        tracador.cores_do_olho({direcoes.data(), n}, {vistos.data(), n}, luzes);
        for (std::size_t i = 0; i < n; ++i) {
            const auto& cor = vistos[i].cor;
            if (!cor) continue;
            const int x = x0 + static_cast<int>(i);
            quadro.tela.define_pixel(x, LADO_TELA - y,
                                     {canal(cor->r), canal(cor->g), canal(cor->b)});
            quadro.profundidade.em(x, y) = vistos[i].profundidade;
        }
    }
}

// Traces rows 1..599 in bands across the cores; false when a cancel stopped a band.
bool traca_linhas(QuadroTracado& quadro, const Tracador& tracador, const Camera& camera,
                  const Cena& cena, const Caixa& caixa, const Acompanhamento& acompanhamento) {
    std::atomic<bool> interrompido{false};
    tbb::parallel_for(tbb::blocked_range<int>(1, LADO_TELA, FAIXA),
                      [&](const tbb::blocked_range<int>& faixa) {
                          if (acompanhamento.cancelar && acompanhamento.cancelar->load()) {
                              interrompido = true;
                              return;
                          }
                          Cena luzes{cena.Ia, cena.Ka, {}, {}};
                          luzes.Il.reserve(cena.Il.size());
                          luzes.Pl.reserve(cena.Pl.size());
                          const int fim = std::min(faixa.end() - 1, caixa.y1);
                          for (int y = std::max(faixa.begin(), caixa.y0); y <= fim; ++y)
                              traca_linha(quadro, tracador, camera, caixa, y, luzes);
                          if (acompanhamento.linhas_prontas)
                              *acompanhamento.linhas_prontas += static_cast<int>(faixa.size());
                      });
    return !interrompido;
}

} // namespace

bool desenha_ray_tracing(const Desenho& d, CenaRaios& raios) {
    QuadroTracado quadro{d.tela, {}};
    quadro.tela.define_caneta(AMARELO);
    limpa_tela(quadro.tela, PRETO);
    // A structure Embree could not build leaves the cleared frame.
    if (raios.prepara(d.malha, d.malha.FatorDilatacaoZ)) {
        const Tracador tracador(d.vista, d.camera, d.material, raios);
        const Caixa caixa = caixa_do_objeto(d.vista, d.camera);
        if (!traca_linhas(quadro, tracador, d.camera, d.vista.cena, caixa, d.acompanhamento))
            return false;
    }
    d.tela = std::move(quadro.tela);
    d.profundidade = std::move(quadro.profundidade);
    return true;
}

void desenha_raios(const Desenho& d) {
    if (d.raios) {
        desenha_ray_tracing(d, *d.raios);
    } else {
        CenaRaios so_para_este_desenho;
        desenha_ray_tracing(d, so_para_este_desenho);
    }
}

} // namespace quindra
