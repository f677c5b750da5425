// JPEG files for tests, encoded by libjpeg from samples given in the test.
#pragma once

#include <string>
#include <string_view>

namespace quindra::teste {

/// How the samples are given, and stored: 1, 3 or 4 bytes a pixel. Ycck stores CMYK samples
/// as Adobe's YCCK.
enum class EspacoJpeg { Cinza, Rgb, Cmyk, Ycck };

/// A JPEG of the samples (top row first), baseline or progressive, at quality 95.
std::string codifica_jpeg(int largura, int altura, EspacoJpeg espaco, std::string_view amostras,
                          bool progressivo = false);

} // namespace quindra::teste
