#include "scene/triangulo.hpp"

#include <algorithm>

namespace quindra {

void libera_malha(Malha& malha) {
    malha.Pontos.clear();
    malha.Triangulos.clear();
}

bool malha_desenhavel(const Malha& malha) {
    const std::int32_t limite = malha.NumPontos();
    const auto existe = [limite](std::int32_t v) { return v >= 1 && v <= limite; };
    return std::all_of(malha.Triangulos.begin(), malha.Triangulos.end(), [&](const Triangulo& t) {
        return existe(t.vertice1) && existe(t.vertice2) && existe(t.vertice3);
    });
}

} // namespace quindra
