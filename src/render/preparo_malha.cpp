#include "render/preparo_malha.hpp"

#include <algorithm>
#include <cstdint>

namespace quindra {

bool malha_desenhavel(const Malha& malha) {
    const std::int32_t limite = malha.NumPontos();
    const auto existe = [limite](std::int32_t v) { return v >= 1 && v <= limite; };
    return std::all_of(malha.Triangulos.begin(), malha.Triangulos.end(), [&](const Triangulo& t) {
        return existe(t.vertice1) && existe(t.vertice2) && existe(t.vertice3);
    });
}

void recalcula_normais(Malha& malha) {
    Vetor trabalho;
    for (auto t = malha.Triangulos.rbegin(); t != malha.Triangulos.rend(); ++t)
        t->calcula_normal(malha.Pontos, trabalho);
    cria_normais_vertices(malha);
    calcula_normais_vertices(malha);
}

} // namespace quindra
