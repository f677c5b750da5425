#include "malhas/ply_cabecalho.hpp"

#include <charconv>

#include "malhas/mensagens_carga.hpp"
#include "malhas/palavras.hpp"

namespace quindra {

namespace {

struct NomeDeTipo {
    std::string_view nome;
    TipoPly tipo;
};
// Both spellings the format has used for each type.
constexpr NomeDeTipo TIPOS[] = {
    {"char", TipoPly::int8},       {"int8", TipoPly::int8},       {"uchar", TipoPly::uint8},
    {"uint8", TipoPly::uint8},     {"short", TipoPly::int16},     {"int16", TipoPly::int16},
    {"ushort", TipoPly::uint16},   {"uint16", TipoPly::uint16},   {"int", TipoPly::int32},
    {"int32", TipoPly::int32},     {"uint", TipoPly::uint32},     {"uint32", TipoPly::uint32},
    {"float", TipoPly::float32},   {"float32", TipoPly::float32}, {"double", TipoPly::float64},
    {"float64", TipoPly::float64},
};

std::optional<TipoPly> tipo_chamado(std::string_view nome) {
    for (const NomeDeTipo& t : TIPOS)
        if (t.nome == nome) return t.tipo;
    return std::nullopt;
}

bool inteiro(TipoPly tipo) { return tipo != TipoPly::float32 && tipo != TipoPly::float64; }

const std::string* le_formato(Palavras& campos, CabecalhoPly& cabecalho) {
    const std::string_view formato = campos.proxima();
    cabecalho.ascii = formato == "ascii";
    cabecalho.ordem = formato == "binary_big_endian" ? std::endian::big : std::endian::little;
    const bool conhecido =
        cabecalho.ascii || formato == "binary_little_endian" || formato == "binary_big_endian";
    return conhecido ? nullptr : &FORMATO_NAO_SUPORTADO;
}

const std::string* le_elemento(Palavras& campos, CabecalhoPly& cabecalho) {
    ElementoPly& elemento = cabecalho.elementos.emplace_back();
    elemento.nome = campos.proxima();
    const std::string_view quantos = campos.proxima();
    const auto [fim, erro] =
        std::from_chars(quantos.data(), quantos.data() + quantos.size(), elemento.quantos);
    if (elemento.nome.empty() || erro != std::errc() || fim != quantos.data() + quantos.size())
        return &ARQUIVO_COM_PROBLEMAS;
    return nullptr;
}

// "property TYPE NAME" or "property list COUNT_TYPE ITEM_TYPE NAME".
const std::string* le_propriedade(Palavras& campos, CabecalhoPly& cabecalho) {
    if (cabecalho.elementos.empty()) return &ARQUIVO_COM_PROBLEMAS;
    PropriedadePly propriedade;
    std::string_view tipo = campos.proxima();
    if (tipo == "list") {
        propriedade.contagem = tipo_chamado(campos.proxima());
        if (!propriedade.contagem) return &FORMATO_NAO_SUPORTADO;
        if (!inteiro(*propriedade.contagem)) return &ARQUIVO_COM_PROBLEMAS;
        tipo = campos.proxima();
    }
    const std::optional<TipoPly> valor = tipo_chamado(tipo);
    if (!valor) return &FORMATO_NAO_SUPORTADO;
    propriedade.tipo = *valor;
    propriedade.nome = campos.proxima();
    if (propriedade.nome.empty()) return &ARQUIVO_COM_PROBLEMAS;
    cabecalho.elementos.back().propriedades.push_back(std::move(propriedade));
    return nullptr;
}

} // namespace

std::size_t tamanho_binario(TipoPly tipo) {
    switch (tipo) {
    case TipoPly::int8:
    case TipoPly::uint8:
        return 1;
    case TipoPly::int16:
    case TipoPly::uint16:
        return 2;
    case TipoPly::int32:
    case TipoPly::uint32:
    case TipoPly::float32:
        return 4;
    case TipoPly::float64:
        return 8;
    }
    return 0;
}

const std::string* le_cabecalho_ply(std::string_view bytes, CabecalhoPly& cabecalho) {
    Palavras texto(bytes);
    if (Palavras(texto.linha()).proxima() != "ply") return &ARQUIVO_COM_PROBLEMAS;
    bool com_formato = false;
    while (!texto.fim()) {
        Palavras campos(texto.linha());
        const std::string_view palavra = campos.proxima();
        const std::string* falha = nullptr;
        if (palavra == "format") {
            falha = le_formato(campos, cabecalho);
            com_formato = true;
        } else if (palavra == "element") {
            falha = le_elemento(campos, cabecalho);
        } else if (palavra == "property") {
            falha = le_propriedade(campos, cabecalho);
        } else if (palavra == "end_header") {
            cabecalho.inicio_corpo = texto.posicao();
            return com_formato ? nullptr : &ARQUIVO_COM_PROBLEMAS;
        } else if (palavra != "comment" && palavra != "obj_info" && !palavra.empty()) {
            falha = &ARQUIVO_COM_PROBLEMAS;
        }
        if (falha) return falha;
    }
    return &ARQUIVO_COM_PROBLEMAS; // no "end_header"
}

} // namespace quindra
