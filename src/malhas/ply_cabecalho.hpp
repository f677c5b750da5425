// The header of a PLY file: how its body is stored and the elements it declares, in order, each
// with its properties.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quindra {

enum class TipoPly : std::uint8_t { int8, uint8, int16, uint16, int32, uint32, float32, float64 };

/// Bytes a value of the type takes in a binary body.
std::size_t tamanho_binario(TipoPly tipo);

struct PropriedadePly {
    std::string nome;
    TipoPly tipo = TipoPly::float32; // of the value, or of each item of a list
    std::optional<TipoPly> contagem; // a list's count type; empty for a single value
};

struct ElementoPly {
    std::string nome;
    std::uint64_t quantos = 0; // as declared: the body must still be shown to hold them
    std::vector<PropriedadePly> propriedades;
};

struct CabecalhoPly {
    bool ascii = true;
    std::endian ordem = std::endian::little; // of a binary body
    std::vector<ElementoPly> elementos;
    std::size_t inicio_corpo = 0; // the first byte after the "end_header" line
};

/// Reads the header at the start of a PLY file; returns the failure's message, or null.
const std::string* le_cabecalho_ply(std::string_view bytes, CabecalhoPly& cabecalho);

} // namespace quindra
