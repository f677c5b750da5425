#include "scene/triangulo.hpp"

#include <algorithm>
#include <cmath>

namespace quindra {

namespace {
// The double nearest to one third, as the depth key has always used.
constexpr double UM_TERCO = 0.333333333333333314829616256247;
} // namespace

void Triangulo::calcula_normal(const ListaDePontos& pontos, Vetor& trabalho) {
    const Ponto& p1 = pontos[static_cast<std::size_t>(vertice1 - 1)];
    const Ponto& p2 = pontos[static_cast<std::size_t>(vertice2 - 1)];
    const Ponto& p3 = pontos[static_cast<std::size_t>(vertice3 - 1)];
    normal.diferenca(p2, p1);
    trabalho.diferenca(p3, p1);
    normal.produto_vetorial_inverso(trabalho);
    normal.normaliza();
}

void libera_malha(Malha& malha) {
    malha.NormaisVertices.clear();
    malha.CoresVertices.clear();
    malha.Pontos.clear();
    malha.Triangulos.clear();
}

void cria_normais_vertices(Malha& malha) {
    malha.NormaisVertices.assign(malha.Pontos.size(), Vetor());
}

void calcula_normais_vertices(Malha& malha) {
    auto& normais = malha.NormaisVertices;
    for (auto t = malha.Triangulos.rbegin(); t != malha.Triangulos.rend(); ++t) {
        normais[static_cast<std::size_t>(t->vertice1 - 1)].soma(t->normal);
        normais[static_cast<std::size_t>(t->vertice2 - 1)].soma(t->normal);
        normais[static_cast<std::size_t>(t->vertice3 - 1)].soma(t->normal);
    }
    for (Vetor& normal : normais) normal.normaliza();
}

void calcula_distancias(Malha& malha) {
    Vetor a, b, centroide;
    for (Triangulo& t : malha.Triangulos) {
        const Ponto& p1 = malha.Pontos[static_cast<std::size_t>(t.vertice1 - 1)];
        const Ponto& p2 = malha.Pontos[static_cast<std::size_t>(t.vertice2 - 1)];
        const Ponto& p3 = malha.Pontos[static_cast<std::size_t>(t.vertice3 - 1)];
        a.diferenca(p1, p3);
        a.multiplica(UM_TERCO);
        b.diferenca(p2, p3);
        b.multiplica(UM_TERCO);
        centroide.copia_ponto(p3);
        centroide.soma(a);
        centroide.soma(b);
        t.distancia = centroide.produto_escalar(centroide);
    }
}

int compara_distancias(const Triangulo& a, const Triangulo& b) {
    if (a.distancia < b.distancia) return -1;
    if (a.distancia > b.distancia) return 1;
    return 0;
}

void ordena_triangulos(Malha& malha) {
    // A key that overflowed to NaN compares equal to everything, which is no ordering at
    // all; such triangles go last, as the farthest.
    const auto mais_perto = [](const Triangulo& a, const Triangulo& b) {
        if (std::isnan(a.distancia)) return false;
        return std::isnan(b.distancia) || compara_distancias(a, b) < 0;
    };
    auto& lista = malha.Triangulos;
    // Drawn again from the same place, the list is already in order: a stable sort would
    // leave it as it is, at the cost of a full merge.
    if (!std::is_sorted(lista.begin(), lista.end(), mais_perto))
        std::stable_sort(lista.begin(), lista.end(), mais_perto);
}

} // namespace quindra
