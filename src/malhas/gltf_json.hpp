// The parts of a glTF document as simdjson gives them, and the failure that ends a read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <simdjson.h>
#include <string>
#include <string_view>
#include <vector>

namespace quindra::gltf {

namespace dom = simdjson::dom;

/// Thrown by a failed check: the read ends with this load message. A value of the wrong JSON
/// type throws simdjson_error instead, which ends it as a malformed file.
struct Recusa {
    const std::string* mensagem;
};

[[noreturn]] inline void recusa(const std::string& mensagem) { throw Recusa{&mensagem}; }

/// The member chave of objeto, or nothing when it has none.
std::optional<dom::element> membro(dom::object objeto, std::string_view chave);

/// A natural number; refused when the element holds anything else.
std::uint64_t natural(dom::element valor);
/// A natural number member, or padrao when it is absent.
std::uint64_t natural(dom::object objeto, std::string_view chave, std::uint64_t padrao);
/// A natural number member that must be there.
std::uint64_t natural(dom::object objeto, std::string_view chave);

/// A number naming an entry of a list of tamanho entries.
std::size_t indice(dom::element valor, std::size_t tamanho);
/// A member naming an entry of a list of tamanho entries, which must be there.
std::size_t indice(dom::object objeto, std::string_view chave, std::size_t tamanho);

/// The numbers of an array of exactly quantos numbers.
std::vector<double> numeros(dom::element valor, std::size_t quantos);

/// The top-level lists a mesh needs, held for lookup by index (a simdjson array is a list).
struct Documento {
    explicit Documento(dom::element raiz);

    dom::object raiz;
    std::vector<dom::object> buffers, vistas, acessores, malhas, nos, cenas;
};

} // namespace quindra::gltf
