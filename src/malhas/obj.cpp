#include "malhas/obj.hpp"

#include <cstdint>

#include "geometry/numero_texto.hpp"
#include "malhas/mensagens_carga.hpp"
#include "malhas/palavras.hpp"

namespace quindra {

namespace {

// Each record reader returns the failure's message, or null.
const std::string* le_ponto(Palavras& campos, MalhaLida& lida) {
    double x, y, z;
    // a fourth number (a weight) or a colour may follow; they are not ours to draw
    if (!le_real_decimal(campos.proxima(), x) || !le_real_decimal(campos.proxima(), y) ||
        !le_real_decimal(campos.proxima(), z))
        return &INCONSISTENCIAS_PONTOS;
    return lida.acrescenta_ponto(x, y, z) ? nullptr : &ARQUIVO_GRANDE_DEMAIS;
}

// The 1-based point number of a face corner "i", "i/t", "i//n" or "i/t/n". A positive i may
// name a point further down the file, which the installer checks once all are read.
bool numero_do_canto(std::string_view canto, std::size_t pontos_lidos, std::int32_t& numero) {
    int indice = 0;
    if (!le_inteiro_decimal(canto.substr(0, canto.find('/')), indice) || indice == 0) return false;
    const std::int64_t absoluto =
        indice > 0 ? indice : static_cast<std::int64_t>(pontos_lidos) + indice + 1;
    numero = static_cast<std::int32_t>(absoluto);
    return absoluto >= 1;
}

// Fans the face into triangles as its corners are read, so that no list of them is kept: a
// line of millions of corners costs only its triangles, which the budget has admitted.
const std::string* le_face(Palavras& campos, MalhaLida& lida) {
    std::int32_t primeiro = 0, anterior = 0;
    std::size_t cantos = 0;
    for (std::string_view canto = campos.proxima(); !canto.empty(); canto = campos.proxima()) {
        std::int32_t numero;
        if (!numero_do_canto(canto, lida.pontos.size(), numero)) return &INCONSISTENCIAS_TRIANGULOS;
        if (cantos >= 2 && !lida.acrescenta_triangulo(primeiro, anterior, numero))
            return &ARQUIVO_GRANDE_DEMAIS;
        if (cantos++ == 0) primeiro = numero;
        anterior = numero;
    }
    return cantos < 3 ? &INCONSISTENCIAS_TRIANGULOS : nullptr;
}

// The triangles the "f" lines fan into, and the points of the "v" lines, counted in a quick
// pass: the mesh is refused before it is built when they do not fit the budget, and otherwise
// its lists are sized once, without the copies and page faults of lists that grow a step at a
// time. False when they do not fit.
bool reserva_pelos_registros(std::string_view bytes, MalhaLida& lida) {
    std::size_t pontos = 0, triangulos = 0;
    for (Palavras texto(bytes); !texto.fim();) {
        Palavras campos(texto.linha());
        const std::string_view registro = campos.proxima();
        pontos += registro == "v";
        if (registro != "f") continue;
        std::size_t cantos = 0;
        while (!campos.proxima().empty()) ++cantos;
        // a face of fewer corners fails as it is read
        triangulos += cantos < 3 ? 0 : cantos - 2;
    }
    if (!lida.cabe(pontos, triangulos)) return false;
    lida.reserva(pontos, triangulos);
    return true;
}

} // namespace

std::string le_obj(std::string_view bytes, MalhaLida& lida) {
    if (!reserva_pelos_registros(bytes, lida)) return ARQUIVO_GRANDE_DEMAIS;
    Palavras texto(bytes);
    while (!texto.fim()) {
        Palavras campos(texto.linha());
        const std::string_view registro = campos.proxima();
        const std::string* falha = registro == "v"   ? le_ponto(campos, lida)
                                   : registro == "f" ? le_face(campos, lida)
                                                     : nullptr;
        if (falha) return *falha;
    }
    return MENSAGEM_SUCESSO_OBJETO;
}

} // namespace quindra
