#include "malhas/stl.hpp"

#include <cmath>
#include <cstdint>

#include "geometry/numero_texto.hpp"
#include "malhas/binario.hpp"
#include "malhas/mensagens_carga.hpp"
#include "malhas/palavras.hpp"
#include "malhas/pontos_unicos.hpp"

namespace quindra {

namespace {

constexpr std::size_t CABECALHO_BINARIO = 84; // 80 free bytes and the facet count
constexpr std::size_t FACETA_BINARIA = 50;    // normal, three corners, attribute word
// The text of a usual ASCII facet, for a first guess at their number; the table grows past it.
constexpr std::size_t FACETA_ASCII_USUAL = 256;

// About half as many distinct corners as facets in a closed surface.
std::size_t pontos_previstos(std::size_t facetas) { return facetas / 2 + 3; }

// Facets ahead of the one being read whose corners are already being fetched from the table.
constexpr std::uint32_t ANTECIPACAO = 8;

struct Canto {
    float x, y, z;
};

// Corner v (0..2) of the facet that starts at faceta; the facet's normal comes first.
Canto canto(const char* faceta, int v) {
    const char* dados = faceta + 12 * (v + 1);
    return {valor_binario<float>(dados, std::endian::little),
            valor_binario<float>(dados + 4, std::endian::little),
            valor_binario<float>(dados + 8, std::endian::little)};
}

std::string le_stl_binario(std::string_view bytes, MalhaLida& lida) {
    const auto facetas = valor_binario<std::uint32_t>(bytes.data() + 80, std::endian::little);
    if (facetas > (bytes.size() - CABECALHO_BINARIO) / FACETA_BINARIA)
        return INCONSISTENCIAS_TRIANGULOS;
    if (!lida.cabe(0, facetas)) return ARQUIVO_GRANDE_DEMAIS;

    lida.reserva(0, facetas);
    PontosUnicos unicos(lida, pontos_previstos(facetas));
    const char* faceta = bytes.data() + CABECALHO_BINARIO;
    for (std::uint32_t f = 0; f < facetas; ++f, faceta += FACETA_BINARIA) {
        // the table outgrows the caches: its lines are asked for well before they are used
        if (f + ANTECIPACAO < facetas)
            for (int v = 0; v < 3; ++v) {
                const Canto c = canto(faceta + ANTECIPACAO * FACETA_BINARIA, v);
                unicos.antecipa(c.x, c.y, c.z);
            }
        std::int32_t numeros[3];
        for (int v = 0; v < 3; ++v) {
            const Canto c = canto(faceta, v);
            if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z))
                return INCONSISTENCIAS_PONTOS;
            numeros[v] = unicos.numero(c.x, c.y, c.z);
            if (numeros[v] == 0) return ARQUIVO_GRANDE_DEMAIS;
        }
        if (!lida.acrescenta_triangulo(numeros[0], numeros[1], numeros[2]))
            return ARQUIVO_GRANDE_DEMAIS;
    }
    return MENSAGEM_SUCESSO_OBJETO;
}

// Reads "vertex x y z" into the corner's number; the failure's message, or null.
const std::string* le_canto_ascii(Palavras& palavras, PontosUnicos& unicos, std::int32_t& numero) {
    if (!mesma_palavra(palavras.proxima(), "vertex")) return &INCONSISTENCIAS_TRIANGULOS;
    double x, y, z;
    if (!le_real_decimal(palavras.proxima(), x) || !le_real_decimal(palavras.proxima(), y) ||
        !le_real_decimal(palavras.proxima(), z))
        return &INCONSISTENCIAS_PONTOS;
    numero = unicos.numero(x, y, z);
    return numero == 0 ? &ARQUIVO_GRANDE_DEMAIS : nullptr;
}

// One or more "solid NAME ... endsolid NAME" blocks of facets.
std::string le_stl_ascii(std::string_view bytes, MalhaLida& lida) {
    Palavras palavras(bytes);
    PontosUnicos unicos(lida, pontos_previstos(bytes.size() / FACETA_ASCII_USUAL));
    const auto espera = [&palavras](std::string_view palavra) {
        return mesma_palavra(palavras.proxima(), palavra);
    };
    for (std::string_view palavra = palavras.proxima(); !palavra.empty();
         palavra = palavras.proxima()) {
        if (!mesma_palavra(palavra, "solid")) return INCONSISTENCIAS_TRIANGULOS;
        palavras.linha(); // the solid's name, which may hold blanks
        for (palavra = palavras.proxima(); mesma_palavra(palavra, "facet");
             palavra = palavras.proxima()) {
            // the normal is worked out from the corners, so its numbers are not read
            if (!espera("normal")) return INCONSISTENCIAS_TRIANGULOS;
            for (int i = 0; i < 3; ++i) palavras.proxima();
            if (!espera("outer") || !espera("loop")) return INCONSISTENCIAS_TRIANGULOS;
            std::int32_t numeros[3];
            for (std::int32_t& numero : numeros)
                if (const std::string* falha = le_canto_ascii(palavras, unicos, numero))
                    return *falha;
            if (!espera("endloop") || !espera("endfacet")) return INCONSISTENCIAS_TRIANGULOS;
            if (!lida.acrescenta_triangulo(numeros[0], numeros[1], numeros[2]))
                return ARQUIVO_GRANDE_DEMAIS;
        }
        // a file cut short between two facets ends without its "endsolid"
        if (!mesma_palavra(palavra, "endsolid")) return INCONSISTENCIAS_TRIANGULOS;
        palavras.linha();
    }
    return MENSAGEM_SUCESSO_OBJETO;
}

bool comeca_com_solid(std::string_view bytes) {
    return mesma_palavra(Palavras(bytes.substr(0, 64)).proxima(), "solid");
}

} // namespace

std::string le_stl(std::string_view bytes, MalhaLida& lida) {
    // Binary files may start with "solid" too, so a size that fits the count decides first.
    const bool tamanho_binario =
        bytes.size() >= CABECALHO_BINARIO &&
        bytes.size() - CABECALHO_BINARIO ==
            std::uint64_t{FACETA_BINARIA} *
                valor_binario<std::uint32_t>(bytes.data() + 80, std::endian::little);
    if (!tamanho_binario && comeca_com_solid(bytes)) return le_stl_ascii(bytes, lida);
    if (bytes.size() < CABECALHO_BINARIO) return ARQUIVO_COM_PROBLEMAS;
    return le_stl_binario(bytes, lida);
}

} // namespace quindra
