#include "render/preparo_malha.hpp"

#include <algorithm>
#include <cstdint>

#include <tbb/parallel_for.h>

namespace quindra {

bool malha_desenhavel(const Malha& malha) {
    const std::int32_t limite = malha.NumPontos();
    const auto existe = [limite](std::int32_t v) { return v >= 1 && v <= limite; };
    return std::all_of(malha.Triangulos.begin(), malha.Triangulos.end(), [&](const Triangulo& t) {
        return existe(t.vertice1) && existe(t.vertice2) && existe(t.vertice3);
    });
}

void calcula_normais_faces(Malha& malha) {
    // Each triangle's normal depends on its own points alone, so the order is free.
    auto& lista = malha.Triangulos;
    tbb::parallel_for(std::size_t{0}, lista.size(), [&](std::size_t k) {
        Vetor trabalho;
        lista[k].calcula_normal(malha.Pontos, trabalho);
    });
}

void refaz_normais_vertices(Malha& malha) {
    cria_normais_vertices(malha);
    calcula_normais_vertices(malha);
}

void recalcula_normais(Malha& malha) {
    calcula_normais_faces(malha);
    refaz_normais_vertices(malha);
}

} // namespace quindra
