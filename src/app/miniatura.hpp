// The preview a file manager shows of a mesh file: the object framed and shaded, small.
#pragma once

#include <optional>
#include <string>

#include "app/sessao.hpp"

namespace quindra {

/// The sides a preview may have, in pixels.
inline constexpr int MENOR_MINIATURA = 16, MAIOR_MINIATURA = 1024;

/// A lado x lado picture of the object loaded in the session: Phong, the object framed in a
/// fixed three-quarter view from above, the window's initial material and one white light at
/// the camera. None, with the message, when it cannot be drawn.
std::optional<Bitmap> miniatura(Sessao& sessao, int lado, std::string& falha);

} // namespace quindra
