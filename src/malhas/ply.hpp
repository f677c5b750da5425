// PLY files, ASCII or binary in either byte order: the points of the "vertex" element, the
// polygons of the "face" element and the triangle strips of the "tristrips" element; every other
// element and property is skipped.
#pragma once

#include <string>
#include <string_view>

#include "malhas/malha_lida.hpp"

namespace quindra {

/// Reads a PLY file's bytes into lida; returns 45 blanks or the failure's message. Points take
/// the x, y and z properties; faces the "vertex_indices" (or "vertex_index") list, fanned;
/// tristrips the same list holding strips separated by -1, whose triangles with a repeated
/// point are dropped. Triangles come in the file's order.
std::string le_ply(std::string_view bytes, MalhaLida& lida);

} // namespace quindra
