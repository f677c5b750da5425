#include "render/varredura.hpp"

#include <utility>

namespace quindra {

VerticeTela projeta_vertice(const Camera& camera, const Ponto& p) {
    const auto [xn, yn] = projeta(camera, p);
    return {projeta_coluna(xn), projeta_altura(yn)};
}

namespace {

template <class Condicao> bool todos(const VerticesTela& v, Condicao condicao) {
    return condicao(v[0]) && condicao(v[1]) && condicao(v[2]);
}

} // namespace

bool em_linha(const VerticesTela& v) {
    return todos(v, [&](const VerticeTela& p) { return p.x == v[0].x; }) ||
           todos(v, [&](const VerticeTela& p) { return p.y == v[0].y; });
}

bool fora_do_quadro(const VerticesTela& v) {
    return todos(v, [](const VerticeTela& p) { return p.x < 0; }) ||
           todos(v, [](const VerticeTela& p) { return p.x > LADO_TELA; }) ||
           todos(v, [](const VerticeTela& p) { return p.y < 0; }) ||
           todos(v, [](const VerticeTela& p) { return p.y > LADO_TELA; });
}

TrianguloTela ordena_por_altura(const VerticesTela& v) {
    TrianguloTela t;
    t.v = v;
    const auto troca = [&t](int i, int j) {
        std::swap(t.v[static_cast<std::size_t>(i)], t.v[static_cast<std::size_t>(j)]);
        std::swap(t.origem[static_cast<std::size_t>(i)], t.origem[static_cast<std::size_t>(j)]);
    };
    if (t.v[1].y > t.v[0].y) troca(0, 1);
    if (t.v[2].y > t.v[0].y) troca(0, 2);
    if (t.v[2].y > t.v[1].y) troca(1, 2);
    return t;
}

namespace detalhe {

double inclinacao(const VerticeTela& de, const VerticeTela& para) {
    if (de.y == para.y) return 0;
    return static_cast<double>(para.x - de.x) / static_cast<double>(de.y - para.y);
}

} // namespace detalhe

} // namespace quindra
