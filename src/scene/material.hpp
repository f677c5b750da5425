// The object's two-sided surface material and its reader from the window's text fields.
#pragma once

#include <string>
#include <string_view>

#include "geometry/instrumental_basico.hpp"

namespace quindra {

/// Side 2 is the side the stored normal points to; side 1 the other. Colours on the 0..255 scale.
struct Material {
    Cor Od1, Os1, Od2, Os2;
    double Kd = 0, Ks = 0, Rugosidade = 0;
};

/// The fifteen field texts of the material page, in the order the window passes them.
struct TextosMaterial {
    std::string_view OdiRed, OdiGreen, OdiBlue;
    std::string_view OdeRed, OdeGreen, OdeBlue;
    std::string_view OsiRed, OsiGreen, OsiBlue;
    std::string_view OseRed, OseGreen, OseBlue;
    std::string_view Kd, Ks, rugosidade;
};

inline const std::string MENSAGEM_SUCESSO_MATERIAL(39, ' ');

/// Reads the material and returns the message for the window: 39 blanks on success, otherwise
/// the first failing field's text. A failure leaves the colours as they were, but Kd, Ks and
/// Rugosidade keep whatever was converted before it.
/// recusado, when given, receives the failing field's text (a view of the caller's own).
std::string le_atributos_objeto(Material& material, const TextosMaterial& textos,
                                std::string_view* recusado = nullptr);

} // namespace quindra
