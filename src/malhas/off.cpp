#include "malhas/off.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "geometry/numero_texto.hpp"
#include "malhas/mensagens_carga.hpp"
#include "malhas/palavras.hpp"

namespace quindra {

namespace {

// The fewest bytes a point line ("0 0 0\n") and a triangle line ("3 0 1 2\n") take.
constexpr std::size_t MENOR_PONTO = 6;
constexpr std::size_t MENOR_FACE = 8;

// The words of the next line that holds any, its "#" comment left out; none at the end.
Palavras linha_util(Palavras& texto) {
    while (!texto.fim()) {
        std::string_view linha = texto.linha();
        linha = linha.substr(0, linha.find('#'));
        if (!Palavras(linha).proxima().empty()) return Palavras(linha);
    }
    return Palavras({});
}

// "OFF", maybe after the letters that announce texture coordinates, colours and normals.
bool palavra_chave(std::string_view palavra) {
    for (std::string_view prefixo : {"ST", "C", "N"})
        if (palavra.starts_with(prefixo)) palavra.remove_prefix(prefixo.size());
    return palavra == "OFF";
}

// The counts line, which may be the keyword's own line or stand without a keyword.
bool le_contagens(Palavras& texto, int& num_pontos, int& num_faces) {
    Palavras campos = linha_util(texto);
    if (palavra_chave(Palavras(campos).proxima())) {
        campos.proxima();
        if (Palavras(campos).proxima().empty()) campos = linha_util(texto);
    }
    return le_inteiro_decimal(campos.proxima(), num_pontos) &&
           le_inteiro_decimal(campos.proxima(), num_faces) && num_pontos >= 0 && num_faces >= 0;
}

const std::string* le_pontos(Palavras& texto, int quantos, MalhaLida& lida) {
    for (int i = 0; i < quantos; ++i) {
        Palavras campos = linha_util(texto);
        double x, y, z;
        if (!le_real_decimal(campos.proxima(), x) || !le_real_decimal(campos.proxima(), y) ||
            !le_real_decimal(campos.proxima(), z))
            return &INCONSISTENCIAS_PONTOS;
        if (!lida.acrescenta_ponto(x, y, z)) return &ARQUIVO_GRANDE_DEMAIS;
    }
    return nullptr;
}

const std::string* le_faces(Palavras& texto, int quantos, int num_pontos, MalhaLida& lida) {
    std::vector<std::int32_t> poligono;
    for (int f = 0; f < quantos; ++f) {
        Palavras campos = linha_util(texto);
        int cantos;
        if (!le_inteiro_decimal(campos.proxima(), cantos) || cantos < 3)
            return &INCONSISTENCIAS_TRIANGULOS;
        if (static_cast<std::size_t>(cantos) > MAIOR_POLIGONO) return &ARQUIVO_GRANDE_DEMAIS;
        poligono.clear();
        for (int k = 0; k < cantos; ++k) {
            int indice;
            if (!le_inteiro_decimal(campos.proxima(), indice) || indice < 0 || indice >= num_pontos)
                return &INCONSISTENCIAS_TRIANGULOS;
            poligono.push_back(indice + 1);
        }
        if (!lida.acrescenta_poligono(poligono)) return &ARQUIVO_GRANDE_DEMAIS;
    }
    return nullptr;
}

} // namespace

std::string le_off(std::string_view bytes, MalhaLida& lida) {
    Palavras texto(bytes);
    int num_pontos, num_faces;
    if (!le_contagens(texto, num_pontos, num_faces)) return ARQUIVO_COM_PROBLEMAS;
    // the counts are only claims: nothing is sized beyond what the file can hold
    const std::size_t pontos = std::min<std::size_t>(num_pontos, bytes.size() / MENOR_PONTO);
    const std::size_t faces = std::min<std::size_t>(num_faces, bytes.size() / MENOR_FACE);
    if (static_cast<std::size_t>(num_pontos) > LIMITE_ELEMENTOS || !lida.cabe(pontos, faces))
        return ARQUIVO_GRANDE_DEMAIS;
    lida.reserva(pontos, faces);
    if (const std::string* falha = le_pontos(texto, num_pontos, lida)) return *falha;
    if (const std::string* falha = le_faces(texto, num_faces, num_pontos, lida)) return *falha;
    return MENSAGEM_SUCESSO_OBJETO;
}

} // namespace quindra
