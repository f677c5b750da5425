// OFF files: a keyword, the counts, one point per line and one polygon per line, with 0-based
// point numbers; "#" starts a comment.
#pragma once

#include <string>
#include <string_view>

#include "malhas/malha_lida.hpp"

namespace quindra {

/// Reads an OFF file's bytes into lida; returns 45 blanks or the failure's message. Colours,
/// normals and texture coordinates after a point or a polygon are skipped.
std::string le_off(std::string_view bytes, MalhaLida& lida);

} // namespace quindra
