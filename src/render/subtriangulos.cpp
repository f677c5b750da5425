#include "render/subtriangulos.hpp"

#include "view/corte.hpp"

namespace quindra {

namespace {

struct Caso {
    std::array<CorteAresta, 2> cortes;
    std::array<std::array<int, 3>, 2> partes;
    int quantas;
};

// Indexed by classifica_triangulo's result 0..6. The t of each cut is filled in later.
constexpr std::array<Caso, 7> CASOS{{
    {{}, {{{0, 1, 2}}}, 1},                            // wholly beyond
    {{{{0, 1}, {0, 2}}}, {{{1, 3, 4}, {1, 2, 4}}}, 2}, // 1 near
    {{{{0, 2}, {1, 2}}}, {{{3, 4, 2}}}, 1},            // 1 and 2 near
    {{{{0, 1}, {1, 2}}}, {{{3, 4, 1}}}, 1},            // 1 and 3 near
    {{{{0, 1}, {1, 2}}}, {{{3, 0, 2}, {3, 4, 2}}}, 2}, // 2 near
    {{{{0, 1}, {0, 2}}}, {{{3, 4, 0}}}, 1},            // 2 and 3 near
    {{{{0, 2}, {1, 2}}}, {{{3, 0, 1}, {3, 1, 4}}}, 2}, // 3 near
}};

double parametro(const CortesTriangulo& t, const CorteAresta& corte) {
    if (corte.de == 0) return corte.para == 1 ? t.t12 : t.t13;
    return t.t23;
}

} // namespace

Subdivisao subdivide_triangulo(const Triangulo& triangulo, ListaDePontos& pontos, double d) {
    Subdivisao s;
    CortesTriangulo t;
    const int caso = classifica_triangulo(triangulo, pontos, d, t);
    if (caso < 0 || caso >= static_cast<int>(CASOS.size())) return s;

    const Caso& linha = CASOS[static_cast<std::size_t>(caso)];
    s.indices = {static_cast<std::size_t>(triangulo.vertice1 - 1),
                 static_cast<std::size_t>(triangulo.vertice2 - 1),
                 static_cast<std::size_t>(triangulo.vertice3 - 1)};
    for (std::size_t i = 0; i < 3; ++i) s.pontos[i] = pontos[s.indices[i]];
    for (std::size_t j = 0; j < 2 && caso > 0; ++j) {
        CorteAresta& corte = s.cortes[j];
        corte = linha.cortes[j];
        corte.t = parametro(t, corte);
        const Ponto& a = s.pontos[static_cast<std::size_t>(corte.de)];
        const Ponto& b = s.pontos[static_cast<std::size_t>(corte.para)];
        s.pontos[3 + j].atribui_vista(interpola(a.xv, b.xv, corte.t),
                                      interpola(a.yv, b.yv, corte.t), d);
    }
    s.partes = linha.partes;
    s.quantas = linha.quantas;
    return s;
}

} // namespace quindra
