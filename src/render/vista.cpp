#include "render/vista.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>

#include <tbb/parallel_for.h>
#include <tbb/task_arena.h>

#include "geometry/paginas_grandes.hpp"
#include "render/iluminacao.hpp"
#include "view/coordenadas.hpp"

namespace quindra {

namespace {

// One third as a double, spelled out: the depth key multiplies by it rather than dividing by
// 3, and the two round differently.
constexpr double UM_TERCO = 0.333333333333333314829616256247;

// A key that overflowed to NaN compares equal to everything, which is no ordering at all;
// such triangles go last, as the farthest.
bool mais_perto(double a, double b) {
    if (std::isnan(a)) return false;
    return std::isnan(b) || a < b;
}

} // namespace

void Vista::ajusta(const Malha& malha) {
    const std::size_t triangulos = malha.Triangulos.size();
    if (ordem.size() != triangulos) {
        dimensiona(ordem, triangulos);
        std::iota(ordem.begin(), ordem.end(), std::uint32_t{0});
    }
}

void transforma_pontos(Vista& vista, const Malha& malha, const Camera& camera) {
    dimensiona(vista.Pontos, malha.Pontos.size());
    tbb::parallel_for(std::size_t{0}, malha.Pontos.size(), [&](std::size_t i) {
        Ponto& p = vista.Pontos[i];
        const Ponto& mundo = malha.Pontos[i];
        p.atribui(mundo.x, mundo.y, mundo.z);
        transforma_ponto(p, camera, malha.FatorDilatacaoZ);
    });
}

void transforma_fontes(Vista& vista, const Cena& cena, const Camera& camera, double fator_z) {
    vista.cena = cena;
    for (Ponto& p : vista.cena.Pl) transforma_ponto(p, camera, fator_z);
}

void calcula_distancias(Vista& vista, const Malha& malha) {
    dimensiona(vista.distancia, malha.Triangulos.size());
    // Each key depends on its own triangle alone.
    tbb::parallel_for(std::size_t{0}, malha.Triangulos.size(), [&](std::size_t k) {
        const auto [i1, i2, i3] = malha.Triangulos[k].indices();
        const Ponto &p1 = vista.Pontos[i1], &p2 = vista.Pontos[i2], &p3 = vista.Pontos[i3];
        Vetor a, b, centroide;
        a.diferenca(p1, p3);
        a.multiplica(UM_TERCO);
        b.diferenca(p2, p3);
        b.multiplica(UM_TERCO);
        centroide.copia_ponto(p3);
        centroide.soma(a);
        centroide.soma(b);
        vista.distancia[k] = centroide.produto_escalar(centroide);
    });
}

void ordena_triangulos(Vista& vista) {
    auto& ordem = vista.ordem;
    const auto& chave = vista.distancia;
    // Drawn again from the same place, the list is already in order: a stable sort would
    // leave it as it is.
    if (std::is_sorted(ordem.begin(), ordem.end(), [&](std::uint32_t a, std::uint32_t b) {
            return mais_perto(chave[a], chave[b]);
        }))
        return;
    // The radix sort orders the keys exactly as mais_perto does and is stable, so the list
    // comes out as a stable merge sort would leave it.
    vista.radix.ordena(ordem.size(), [&](std::size_t k) { return chave[ordem[k]]; });
    vista.radix.reordena(ordem);
}

void dispoe_lista(Vista& vista, const Malha& malha) {
    dimensiona(vista.lista, vista.ordem.size());
    tbb::parallel_for(std::size_t{0}, vista.ordem.size(), [&](std::size_t k) {
        const std::uint32_t indice = vista.ordem[k];
        const auto [i1, i2, i3] = malha.Triangulos[indice].indices();
        vista.lista[k] = {{static_cast<std::uint32_t>(i1), static_cast<std::uint32_t>(i2),
                           static_cast<std::uint32_t>(i3)},
                          indice};
    });
}

void calcula_normais_faces(Vista& vista) {
    dimensiona(vista.normal, vista.lista.size());
    // Each triangle's normal depends on its own points alone, so the order is free.
    tbb::parallel_for(std::size_t{0}, vista.lista.size(), [&](std::size_t k) {
        const auto [i1, i2, i3] = vista.lista[k].vertices;
        const auto& p = vista.Pontos;
        Vetor& normal = vista.normal[k];
        Vetor lado;
        normal.diferenca(p[i2], p[i1]);
        lado.diferenca(p[i3], p[i1]);
        normal.produto_vetorial_inverso(lado);
        normal.normaliza();
    });
}

void calcula_normais_vertices(Vista& vista) {
    auto& normais = vista.NormaisVertices;
    dimensiona(normais, vista.Pontos.size());
    // The order of the sums fixes their rounding: each vertex adds its triangles' normals in
    // one walk of the list from its end. The vertices are split among the threads, each
    // walking the whole list for its own share.
    const auto partes = static_cast<std::size_t>(tbb::this_task_arena::max_concurrency());
    tbb::parallel_for(std::size_t{0}, partes, [&](std::size_t parte) {
        const std::size_t primeiro = normais.size() * parte / partes;
        const std::size_t fim = normais.size() * (parte + 1) / partes;
        std::fill(normais.begin() + static_cast<std::ptrdiff_t>(primeiro),
                  normais.begin() + static_cast<std::ptrdiff_t>(fim), Vetor());
        for (std::size_t k = vista.lista.size(); k-- > 0;) {
            for (const std::uint32_t i : vista.lista[k].vertices)
                if (i >= primeiro && i < fim) normais[i].soma(vista.normal[k]);
        }
    });
    tbb::parallel_for(std::size_t{0}, normais.size(),
                      [&](std::size_t i) { normais[i].normaliza(); });
}

void calcula_cores_vertices(Vista& vista, const Material& material) {
    dimensiona(vista.CoresVertices, vista.Pontos.size());
    // Each point's colour depends on that point alone.
    tbb::parallel_for(std::size_t{0}, vista.Pontos.size(), [&](std::size_t i) {
        vista.CoresVertices[i] =
            ilumina(vista.Pontos[i], vista.NormaisVertices[i], material, vista.cena);
    });
}

} // namespace quindra
