// The way every reader of typed parameters takes its fields: one after another in a fixed
// order, stopping at the first that does not hold a valid number.
#pragma once

#include <span>
#include <string_view>

namespace quindra {

struct CampoNumerico {
    std::string_view texto;
    /// Receives the value as soon as the text converts, before the range test: some readers
    /// keep a value whose range test failed.
    double& destino;
    /// The range test; null accepts every number.
    bool (*valido)(double) = nullptr;
    /// What the reader reports when this field fails.
    const char* mensagem = nullptr;
};

/// Converts the fields in order; the first whose text does not convert or whose value fails
/// its test, or null when every field passes. recusado, when given, receives that field's
/// text, or an empty view.
const CampoNumerico* le_campos(std::span<const CampoNumerico> campos,
                               std::string_view* recusado = nullptr);

} // namespace quindra
