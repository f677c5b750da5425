#include "malhas/gltf_json.hpp"

#include "malhas/mensagens_carga.hpp"

namespace quindra::gltf {

namespace {

// The objects of a top-level list; none when the document has no such list.
std::vector<dom::object> objetos(dom::object raiz, std::string_view chave) {
    std::vector<dom::object> lista;
    if (const auto valor = membro(raiz, chave))
        for (dom::element item : dom::array(*valor)) lista.push_back(dom::object(item));
    return lista;
}

} // namespace

std::optional<dom::element> membro(dom::object objeto, std::string_view chave) {
    dom::element valor;
    if (objeto[chave].get(valor) != simdjson::SUCCESS) return std::nullopt;
    return valor;
}

std::uint64_t natural(dom::element valor) {
    std::uint64_t numero;
    if (valor.get(numero) != simdjson::SUCCESS) recusa(ARQUIVO_COM_PROBLEMAS);
    return numero;
}

std::uint64_t natural(dom::object objeto, std::string_view chave, std::uint64_t padrao) {
    const auto valor = membro(objeto, chave);
    return valor ? natural(*valor) : padrao;
}

std::uint64_t natural(dom::object objeto, std::string_view chave) {
    const auto valor = membro(objeto, chave);
    if (!valor) recusa(ARQUIVO_COM_PROBLEMAS);
    return natural(*valor);
}

std::size_t indice(dom::element valor, std::size_t tamanho) {
    const std::uint64_t numero = natural(valor);
    if (numero >= tamanho) recusa(ARQUIVO_COM_PROBLEMAS);
    return static_cast<std::size_t>(numero);
}

std::size_t indice(dom::object objeto, std::string_view chave, std::size_t tamanho) {
    const auto valor = membro(objeto, chave);
    if (!valor) recusa(ARQUIVO_COM_PROBLEMAS);
    return indice(*valor, tamanho);
}

std::vector<double> numeros(dom::element valor, std::size_t quantos) {
    const dom::array lista(valor);
    if (lista.size() != quantos) recusa(ARQUIVO_COM_PROBLEMAS);
    std::vector<double> lidos;
    lidos.reserve(quantos);
    for (dom::element numero : lista) lidos.push_back(double(numero));
    return lidos;
}

Documento::Documento(dom::element documento)
    : raiz(documento), buffers(objetos(raiz, "buffers")), vistas(objetos(raiz, "bufferViews")),
      acessores(objetos(raiz, "accessors")), malhas(objetos(raiz, "meshes")),
      nos(objetos(raiz, "nodes")), cenas(objetos(raiz, "scenes")) {}

} // namespace quindra::gltf
