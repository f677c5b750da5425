#include "scene/triangulo.hpp"

#include <algorithm>
#include <cmath>

#include <tbb/parallel_for.h>
#include <tbb/task_arena.h>

namespace quindra {

namespace {
// One third as a double, spelled out: the depth key multiplies by it rather than dividing by
// 3, and the two round differently.
constexpr double UM_TERCO = 0.333333333333333314829616256247;
} // namespace

void Triangulo::calcula_normal(const ListaDePontos& pontos, Vetor& trabalho) {
    const auto [i1, i2, i3] = indices();
    const Ponto &p1 = pontos[i1], &p2 = pontos[i2], &p3 = pontos[i3];
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
    // The order of the sums fixes their rounding: each vertex adds its triangles' normals in
    // one walk of the list from its end. The vertices are split among the threads, each
    // walking the whole list for its own share.
    const auto partes = static_cast<std::size_t>(tbb::this_task_arena::max_concurrency());
    tbb::parallel_for(std::size_t{0}, partes, [&](std::size_t parte) {
        const std::size_t primeiro = normais.size() * parte / partes;
        const std::size_t fim = normais.size() * (parte + 1) / partes;
        for (auto t = malha.Triangulos.rbegin(); t != malha.Triangulos.rend(); ++t) {
            for (std::size_t i : t->indices())
                if (i >= primeiro && i < fim) normais[i].soma(t->normal);
        }
    });
    tbb::parallel_for(std::size_t{0}, normais.size(),
                      [&](std::size_t i) { normais[i].normaliza(); });
}

void calcula_distancias(Malha& malha) {
    auto& lista = malha.Triangulos;
    // Each key depends on its own triangle alone.
    tbb::parallel_for(std::size_t{0}, lista.size(), [&](std::size_t k) {
        Vetor a, b, centroide;
        Triangulo& t = lista[k];
        const auto [i1, i2, i3] = t.indices();
        const Ponto &p1 = malha.Pontos[i1], &p2 = malha.Pontos[i2], &p3 = malha.Pontos[i3];
        a.diferenca(p1, p3);
        a.multiplica(UM_TERCO);
        b.diferenca(p2, p3);
        b.multiplica(UM_TERCO);
        centroide.copia_ponto(p3);
        centroide.soma(a);
        centroide.soma(b);
        t.distancia = centroide.produto_escalar(centroide);
    });
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
    // leave it as it is.
    if (std::is_sorted(lista.begin(), lista.end(), mais_perto)) return;
    // The radix sort orders the keys exactly as mais_perto does and is stable, so the list
    // comes out as a stable merge sort would leave it.
    const auto ordem = malha.trabalho.radix.ordena(
        lista.size(), [&lista](std::size_t i) { return lista[i].distancia; });
    auto& troca = malha.trabalho.troca;
    troca.resize(lista.size());
    tbb::parallel_for(std::size_t{0}, ordem.size(),
                      [&](std::size_t i) { troca[i] = lista[ordem[i]]; });
    lista.swap(troca);
}

} // namespace quindra
