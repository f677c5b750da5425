// STL files, binary or ASCII: every facet repeats its three corners, which are merged into
// shared points.
#pragma once

#include <string>
#include <string_view>

#include "malhas/malha_lida.hpp"

namespace quindra {

/// Reads an STL file's bytes into lida; returns 45 blanks or the failure's message.
std::string le_stl(std::string_view bytes, MalhaLida& lida);

} // namespace quindra
