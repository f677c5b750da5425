#include "scene/obj.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "geometry/numero_texto.hpp"
#include "scene/mensagens_carga.hpp"
#include "scene/palavras.hpp"

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

const std::string* le_face(Palavras& campos, MalhaLida& lida, std::vector<std::int32_t>& poligono) {
    poligono.clear();
    for (std::string_view canto = campos.proxima(); !canto.empty(); canto = campos.proxima()) {
        std::int32_t numero;
        if (!numero_do_canto(canto, lida.pontos.size(), numero)) return &INCONSISTENCIAS_TRIANGULOS;
        if (poligono.size() == MAIOR_POLIGONO) return &ARQUIVO_GRANDE_DEMAIS;
        poligono.push_back(numero);
    }
    if (poligono.size() < 3) return &INCONSISTENCIAS_TRIANGULOS;
    return lida.acrescenta_poligono(poligono) ? nullptr : &ARQUIVO_GRANDE_DEMAIS;
}

// Sizes the lists once for the "v" and "f" lines the file holds (faces of more than three
// corners make more triangles, and their list grows past that): a quick pass over the lines
// costs less than the copies and page faults of lists that grow a step at a time.
void reserva_pelos_registros(std::string_view bytes, MalhaLida& lida) {
    std::size_t pontos = 0, faces = 0;
    for (Palavras texto(bytes); !texto.fim();) {
        const std::string_view registro = Palavras(texto.linha()).proxima();
        pontos += registro == "v";
        faces += registro == "f";
    }
    lida.reserva(std::min(pontos, LIMITE_ELEMENTOS), std::min(faces, LIMITE_ELEMENTOS));
}

} // namespace

std::string le_obj(std::string_view bytes, MalhaLida& lida) {
    reserva_pelos_registros(bytes, lida);
    Palavras texto(bytes);
    std::vector<std::int32_t> poligono;
    while (!texto.fim()) {
        Palavras campos(texto.linha());
        const std::string_view registro = campos.proxima();
        const std::string* falha = registro == "v"   ? le_ponto(campos, lida)
                                   : registro == "f" ? le_face(campos, lida, poligono)
                                                     : nullptr;
        if (falha) return *falha;
    }
    return MENSAGEM_SUCESSO_OBJETO;
}

} // namespace quindra
