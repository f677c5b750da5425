#include "malhas/malha_lida.hpp"

#include <algorithm>
#include <cassert>
#include <limits>

#include "geometry/paginas_grandes.hpp"
#include "malhas/mensagens_carga.hpp"

namespace quindra {

static_assert(LIMITE_ELEMENTOS <= std::numeric_limits<std::int32_t>::max(),
              "point numbers and counts are 32-bit");

void MalhaLida::reserva(std::size_t mais_pontos, std::size_t mais_triangulos) {
    // a claim beyond the budget will be refused once the body proves it, not reserved for
    const auto no_orcamento = [this](std::size_t atuais, std::size_t mais, std::size_t custo) {
        const std::size_t limite = std::min(LIMITE_ELEMENTOS, orcamento / custo);
        return atuais >= limite ? 0 : std::min(mais, limite - atuais);
    };
    pontos.reserve(pontos.size() + no_orcamento(pontos.size(), mais_pontos, CUSTO_POR_PONTO));
    triangulos.reserve(triangulos.size() +
                       no_orcamento(triangulos.size(), mais_triangulos, CUSTO_POR_TRIANGULO));
    pede_paginas_grandes(pontos.data(), pontos.capacity() * sizeof(Ponto));
    pede_paginas_grandes(triangulos.data(), triangulos.capacity() * sizeof(Triangulo));
}

bool MalhaLida::acrescenta_poligono(std::span<const std::int32_t> vertices) {
    assert(vertices.size() >= 3);
    if (!cabe(pontos.size(), triangulos.size() + (vertices.size() - 2))) return false;
    for (std::size_t i = 1; i + 1 < vertices.size(); ++i)
        triangulos.emplace_back(vertices[0], vertices[i], vertices[i + 1]);
    return true;
}

std::string instala_malha(Malha& malha, MalhaLida&& lida) {
    if (lida.pontos.size() < 3 || lida.triangulos.empty()) return OBJETO_SEM_FACES;
    // the last word, for a reader that does not keep to the budget as it reads
    if (!lida.cabe(lida.pontos.size(), lida.triangulos.size())) return ARQUIVO_GRANDE_DEMAIS;
    assert(lida.pontos.size() <= std::numeric_limits<std::int32_t>::max());
    assert(lida.triangulos.size() <= std::numeric_limits<std::int32_t>::max());
    const auto num_pontos = static_cast<std::int32_t>(lida.pontos.size());
    const auto fora = [num_pontos](std::int32_t numero) {
        return numero < 1 || numero > num_pontos;
    };
    for (const Triangulo& t : lida.triangulos)
        if (fora(t.vertice1) || fora(t.vertice2) || fora(t.vertice3))
            return INCONSISTENCIAS_TRIANGULOS;

    // z is dilated before it enters the sum, so the centre is that of the points as drawn
    Ponto centro(0, 0, 0);
    for (Ponto& p : lida.pontos) {
        p.z *= malha.FatorDilatacaoZ;
        centro.atribui(centro.x + p.x, centro.y + p.y, centro.z + p.z);
    }
    centro.atribui(centro.x / num_pontos, centro.y / num_pontos, centro.z / num_pontos);
    std::int32_t posicao = 0;
    for (Triangulo& t : lida.triangulos) t.tetraedro = posicao++ / 4 + 1;

    libera_malha(malha);
    malha.Pontos = std::move(lida.pontos);
    malha.Triangulos = std::move(lida.triangulos);
    malha.CentroObjeto = centro;
    return MENSAGEM_SUCESSO_OBJETO;
}

} // namespace quindra
