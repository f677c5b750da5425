// The depth buffer made visible: what the depth-buffered renderers kept per pixel, as a picture.
#pragma once

#include <cstdint>

#include "view/bitmap.hpp"
#include "view/z_buffer.hpp"

namespace quindra {

/// The grey of the farthest stored depth; the nearest is white.
inline constexpr std::uint8_t CINZA_MAIS_LONGE = 64;

/// A frame of the depth buffer: the nearest stored depth white, the farthest CINZA_MAIS_LONGE,
/// linear in depth between them; pixels where nothing was stored black. Pixel row
/// LADO_TELA - y shows height y, as the renderers paint it.
Bitmap imagem_da_profundidade(const ZBuffer& z);

} // namespace quindra
