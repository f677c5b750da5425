// OBJ files: "v" points and "f" faces; every other record is skipped.
#pragma once

#include <string>
#include <string_view>

#include "malhas/malha_lida.hpp"

namespace quindra {

/// Reads an OBJ file's bytes into lida; returns 45 blanks or the failure's message. Faces are
/// fanned into triangles; a corner may be written i, i/t, i//n or i/t/n, and a negative i
/// counts back from the last point read.
std::string le_obj(std::string_view bytes, MalhaLida& lida);

} // namespace quindra
