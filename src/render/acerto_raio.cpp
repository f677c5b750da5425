#include "render/acerto_raio.hpp"

#include "render/iluminacao.hpp"

namespace quindra {

namespace {

Vetor diferenca(const Vetor& a, const Vetor& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vetor em_camera(const Ponto& p) { return {p.xv, p.yv, p.zv}; }
Vetor vetorial(const Vetor& a, const Vetor& b) {
    Vetor resultado(a);
    resultado.produto_vetorial(b);
    return resultado;
}

} // namespace

std::optional<Acerto> refina_acerto(const ListaDePontos& pontos,
                                    const std::array<std::uint32_t, 3>& vertices,
                                    const Vetor& origem, const Vetor& direcao) {
    const Vetor a = em_camera(pontos[vertices[0]]), b = em_camera(pontos[vertices[1]]),
                c = em_camera(pontos[vertices[2]]);
    const Vetor ab = diferenca(b, a), ac = diferenca(c, a);
    // (c - a) x (b - a), as calcula_normais_faces makes the triangle's normal, to the last bit.
    const Vetor n = vetorial(ac, ab);
    const double area = n.produto_escalar(n);
    if (!(area > 0)) return std::nullopt;
    Acerto acerto{vertices, n, {}, {}};
    acerto.face.normaliza();

    // The plane holds every Q with face . Q = face . c. For a ray from the eye (origem null)
    // this is the rasterisers' own arithmetic, term for term.
    const double encontro = acerto.face.produto_escalar(direcao);
    if (encontro == 0) return std::nullopt;
    const double s =
        (acerto.face.produto_escalar(c) - acerto.face.produto_escalar(origem)) / encontro;
    if (!(s > 0)) return std::nullopt;
    const Vetor aq(origem.x + s * direcao.x - a.x, origem.y + s * direcao.y - a.y,
                   origem.z + s * direcao.z - a.z);

    // Weights from areas in the plane itself, so no choice of axes can lose the triangle.
    const double wb = vetorial(ac, aq).produto_escalar(n) / area;
    const double wc = vetorial(aq, ab).produto_escalar(n) / area;
    acerto.pesos = {1 - wb - wc, wb, wc};
    const Baricentricas& w = acerto.pesos;
    acerto.ponto.atribui_vista(w.a * a.x + w.b * b.x + w.c * c.x, w.a * a.y + w.b * b.y + w.c * c.y,
                               w.a * a.z + w.b * b.z + w.c * c.z);
    return acerto;
}

Vetor normal_suave(const Vista& vista, const Acerto& acerto, const Vetor& origem) {
    std::array<Vetor, 3> n;
    for (std::size_t k = 0; k < 3; ++k) {
        const std::uint32_t i = acerto.vertices[k];
        n[k] = vista.NormaisVertices[i];
        const Ponto& p = vista.Pontos[i];
        Ponto relativo;
        relativo.atribui_vista(p.xv - origem.x, p.yv - origem.y, p.zv - origem.z);
        const Vetor olho = para_o_olho(relativo);
        const double vn = olho.produto_escalar(n[k]);
        if (vn < 0) n[k].atribui(n[k].x - vn * olho.x, n[k].y - vn * olho.y, n[k].z - vn * olho.z);
    }
    const Baricentricas& w = acerto.pesos;
    return {w.a * n[0].x + w.b * n[1].x + w.c * n[2].x, w.a * n[0].y + w.b * n[1].y + w.c * n[2].y,
            w.a * n[0].z + w.b * n[1].z + w.c * n[2].z};
}

Vetor origem_afastada(const Vista& vista, const Acerto& acerto, bool verso, double folga) {
    const double sentido = verso ? -1.0 : 1.0;
    const Vetor p = em_camera(acerto.ponto);
    Vetor origem = p;
    const double pesos[3] = {acerto.pesos.a, acerto.pesos.b, acerto.pesos.c};
    for (std::size_t k = 0; k < 3; ++k) {
        const std::uint32_t i = acerto.vertices[k];
        Vetor normal = vista.NormaisVertices[i];
        normal.multiplica(sentido);
        // Below the plane tangent at the vertex, the point is lifted onto it; the lifts are
        // blended by the weights, which makes the smooth surface the vertex normals describe.
        const double altura = diferenca(p, em_camera(vista.Pontos[i])).produto_escalar(normal);
        if (altura < 0) normal.multiplica(-altura * pesos[k]), origem.soma(normal);
    }
    Vetor afastamento = acerto.face;
    afastamento.multiplica(sentido * folga);
    origem.soma(afastamento);
    return origem;
}

} // namespace quindra
