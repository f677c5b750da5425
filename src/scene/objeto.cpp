#include "scene/objeto.hpp"

#include <cstddef>
#include <string_view>
#include <vector>

#include "geometry/leitor_texto.hpp"
#include "geometry/numero_texto.hpp"
#include "geometry/tokens_em_blocos.hpp"

namespace quindra {

namespace {

// The points and the triangles are read from the text in memory by blocks on every core; each
// number lands in its place, and any invalid one fails its part, as a reading from the first
// number to the last would. Counts beyond what the text holds fail before anything is sized.

bool le_pontos(std::string_view texto, const TokensEmBlocos& tokens, std::int32_t quantos,
               double fator_z, ListaDePontos& pontos, Ponto& centro) {
    const std::size_t numeros = 3 * static_cast<std::size_t>(quantos);
    if (tokens.total() < numeros) return false;
    pontos.resize(static_cast<std::size_t>(quantos));
    const std::size_t falha = tokens.le(0, numeros, [&](std::size_t i, std::string_view token) {
        double valor;
        if (token.size() > LeitorTexto::LIMITE_REAL || !le_real_decimal(token, valor)) return false;
        Ponto& p = pontos[i / 3];
        (i % 3 == 0 ? p.x : i % 3 == 1 ? p.y : p.z) = valor;
        // The file must go on after every point: at least the triangles follow.
        return i + 1 < numeros || token.data() + token.size() < texto.data() + texto.size();
    });
    if (falha != TokensEmBlocos::NENHUM) return false;
    // In file order: the order of the sums fixes the centre's rounding.
    for (Ponto& p : pontos) {
        p.z *= fator_z;
        centro.atribui(centro.x + p.x, centro.y + p.y, centro.z + p.z);
    }
    return true;
}

bool le_triangulos(const TokensEmBlocos& tokens, std::size_t primeiro, std::int32_t quantos,
                   std::int32_t num_pontos, std::vector<Triangulo>& triangulos) {
    // An index asked for past the end of the file reads as 0 and fails the range test.
    const std::size_t numeros = 3 * static_cast<std::size_t>(quantos);
    if (tokens.total() - primeiro < numeros) return false;
    triangulos.resize(static_cast<std::size_t>(quantos));
    const auto le = [&](std::size_t i, std::string_view token) {
        int indice;
        if (token.size() > LeitorTexto::LIMITE_INTEIRO || !le_inteiro_decimal(token, indice) ||
            indice < 1 || indice > num_pontos)
            return false;
        const std::size_t k = (i - primeiro) / 3;
        Triangulo& t = triangulos[k];
        const std::size_t vertice = (i - primeiro) % 3;
        if (vertice == 0) {
            t.vertice1 = indice;
            t.tetraedro = static_cast<std::int32_t>(k / 4 + 1);
        } else {
            (vertice == 1 ? t.vertice2 : t.vertice3) = indice;
        }
        return true;
    };
    return tokens.le(primeiro, primeiro + numeros, le) == TokensEmBlocos::NENHUM;
}

} // namespace

std::string carrega_objeto(Malha& malha, const std::filesystem::path& arquivo) {
    LeitorTexto leitor(arquivo);
    if (!leitor.aberto()) return ERRO_ABERTURA_ARQUIVO;

    std::int32_t num_pontos, num_triangulos;
    if (!leitor.le_inteiro(num_pontos) || !leitor.le_inteiro(num_triangulos) || leitor.fim())
        return ARQUIVO_COM_PROBLEMAS;
    // A negative triangle count is no object either.
    if (num_pontos < 3 || num_triangulos <= 0) return OBJETO_SEM_FACES;

    Ponto centro(0, 0, 0);
    const std::string_view texto = leitor.resto();
    const TokensEmBlocos tokens(texto);
    ListaDePontos pontos;
    if (!le_pontos(texto, tokens, num_pontos, malha.FatorDilatacaoZ, pontos, centro))
        return INCONSISTENCIAS_PONTOS;

    std::vector<Triangulo> triangulos;
    const std::size_t primeiro_indice = 3 * static_cast<std::size_t>(num_pontos);
    if (!le_triangulos(tokens, primeiro_indice, num_triangulos, num_pontos, triangulos))
        return INCONSISTENCIAS_TRIANGULOS;

    libera_malha(malha);
    malha.Pontos = std::move(pontos);
    malha.Triangulos = std::move(triangulos);
    centro.atribui(centro.x / num_pontos, centro.y / num_pontos, centro.z / num_pontos);
    malha.CentroObjeto = centro;
    return MENSAGEM_SUCESSO_OBJETO;
}

} // namespace quindra
