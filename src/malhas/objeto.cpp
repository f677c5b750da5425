#include "malhas/objeto.hpp"

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "geometry/leitor_texto.hpp"
#include "geometry/numero_texto.hpp"
#include "geometry/tokens_em_blocos.hpp"
#include "malhas/malha_lida.hpp"

namespace quindra {

namespace {

// The points and the triangles are read from the text in memory by blocks on every core; each
// number lands in its place, and any invalid one fails its part, as a reading from the first
// number to the last would. Counts beyond what the text holds fail before anything is sized.

bool le_pontos(std::string_view texto, const TokensEmBlocos& tokens, std::int32_t quantos,
               MalhaLida& lida) {
    const std::size_t numeros = 3 * static_cast<std::size_t>(quantos);
    if (tokens.total() < numeros) return false;
    lida.reserva(static_cast<std::size_t>(quantos), 0);
    lida.pontos.resize(static_cast<std::size_t>(quantos));
    const std::size_t falha = tokens.le(0, numeros, [&](std::size_t i, std::string_view token) {
        double valor;
        if (token.size() > LeitorTexto::LIMITE_REAL || !le_real_decimal(token, valor)) return false;
        Ponto& p = lida.pontos[i / 3];
        (i % 3 == 0 ? p.x : i % 3 == 1 ? p.y : p.z) = valor;
        // The file must go on after every point: at least the triangles follow.
        return i + 1 < numeros || token.data() + token.size() < texto.data() + texto.size();
    });
    return falha == TokensEmBlocos::NENHUM;
}

bool le_triangulos(const TokensEmBlocos& tokens, std::size_t primeiro, std::int32_t quantos,
                   MalhaLida& lida) {
    // An index asked for past the end of the file reads as 0 and fails the range test, which
    // instala_malha makes.
    const std::size_t numeros = 3 * static_cast<std::size_t>(quantos);
    if (tokens.total() - primeiro < numeros) return false;
    lida.reserva(0, static_cast<std::size_t>(quantos));
    lida.triangulos.resize(static_cast<std::size_t>(quantos));
    const auto le = [&](std::size_t i, std::string_view token) {
        int indice;
        if (token.size() > LeitorTexto::LIMITE_INTEIRO || !le_inteiro_decimal(token, indice))
            return false;
        Triangulo& t = lida.triangulos[(i - primeiro) / 3];
        const std::size_t vertice = (i - primeiro) % 3;
        (vertice == 0 ? t.vertice1 : vertice == 1 ? t.vertice2 : t.vertice3) = indice;
        return true;
    };
    return tokens.le(primeiro, primeiro + numeros, le) == TokensEmBlocos::NENHUM;
}

} // namespace

std::string carrega_objeto(Malha& malha, const std::filesystem::path& arquivo) {
    LeitorTexto leitor(arquivo);
    if (!leitor.aberto()) return ERRO_ABERTURA_ARQUIVO;
    return carrega_objeto(malha, leitor);
}

std::string carrega_objeto(Malha& malha, LeitorTexto& leitor) {
    std::int32_t num_pontos, num_triangulos;
    if (!leitor.le_inteiro(num_pontos) || !leitor.le_inteiro(num_triangulos) || leitor.fim())
        return ARQUIVO_COM_PROBLEMAS;
    // A negative triangle count is no object either.
    if (num_pontos < 3 || num_triangulos <= 0) return OBJETO_SEM_FACES;

    const std::string_view texto = leitor.resto();
    const TokensEmBlocos tokens(texto);
    MalhaLida lida;
    // counts the text holds but the budget does not are refused before anything is sized
    const std::size_t numeros =
        3 * (static_cast<std::size_t>(num_pontos) + static_cast<std::size_t>(num_triangulos));
    if (numeros <= tokens.total() &&
        !lida.cabe(static_cast<std::size_t>(num_pontos), static_cast<std::size_t>(num_triangulos)))
        return ARQUIVO_GRANDE_DEMAIS;
    if (!le_pontos(texto, tokens, num_pontos, lida)) return INCONSISTENCIAS_PONTOS;
    const std::size_t primeiro_indice = 3 * static_cast<std::size_t>(num_pontos);
    if (!le_triangulos(tokens, primeiro_indice, num_triangulos, lida))
        return INCONSISTENCIAS_TRIANGULOS;
    return instala_malha(malha, std::move(lida));
}

} // namespace quindra
