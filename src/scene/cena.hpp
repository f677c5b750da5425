// The scene lighting: an ambient light and point light sources, and their readers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/instrumental_basico.hpp"

namespace quindra {

/// The window's light texts, six a light: intensity red, green, blue, then world x, y, z.
using TextosDasFontes = std::vector<std::string>;
inline constexpr std::size_t CAMPOS_POR_FONTE = 6;

struct Cena {
    Cor Ia;
    double Ka = 0;
    // Il[k - 1] and Pl[k - 1] belong to light k; Pl holds world coordinates as read, and the
    // viewing transform writes their camera coordinates.
    std::vector<Cor> Il;
    std::vector<Ponto> Pl;

    // Each light holds six strings of the window's list, so no list that fits in memory has
    // 2^31 of them.
    std::int32_t NumFontes() const { return static_cast<std::int32_t>(Il.size()); }
};

/// The ambient light's field texts.
struct TextosAmbiente {
    std::string_view IaRed, IaGreen, IaBlue, Ka;
};

inline const std::string MENSAGEM_SUCESSO_AMBIENTE(39, ' ');
inline const std::string MENSAGEM_SUCESSO_FONTES(44, ' ');

/// Reads Ia and Ka; 39 blanks on success. A failure leaves Ia as it was, but Ka keeps a value
/// converted before its range check failed.
/// recusado, when given, receives the failing field's text (a view of the caller's own).
std::string le_ambiente(Cena& cena, const TextosAmbiente& textos,
                        std::string_view* recusado = nullptr);

/// Reads every whole light of the list (trailing entries short of a light are ignored); 44
/// blanks on success. A failure names the light and the field and leaves no light at all.
/// recusado, when given, receives a view of the failing text of the list.
std::string le_fontes(Cena& cena, const TextosDasFontes& fontes,
                      std::string_view* recusado = nullptr);

} // namespace quindra
