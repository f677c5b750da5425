// The run-length encoded BMP flavours (RLE8 and RLE4).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "view/bitmap.hpp"

namespace quindra {

/// Decodes the pixel data of an RLE8 (bits 8) or RLE4 (bits 4) BMP into rgb: top row first,
/// 3 bytes a pixel. Pixels no run reaches take palette colour 0, indices past the palette are
/// black, and runs past the right edge or the last row are dropped. False when the data ends
/// before the end-of-bitmap mark with rows still unfinished. The work is bounded by the data
/// and the pixel count, whatever the runs claim.
bool decodifica_rle(std::span<const std::uint8_t> dados, int bits, int largura, int altura,
                    bool de_cima_para_baixo, std::span<const CorPixel> paleta,
                    std::vector<std::uint8_t>& rgb);

} // namespace quindra
