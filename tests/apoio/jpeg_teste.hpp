// JPEG files for tests, encoded by libjpeg from samples given in the test.
#pragma once

#include <string>
#include <string_view>

namespace quindra::teste {

/// How the samples are given, and stored: 1, 3 or 4 bytes a pixel. Ycck stores CMYK samples
/// as Adobe's YCCK.
enum class EspacoJpeg { Cinza, Rgb, Cmyk, Ycck };

/// How the coded data is laid out: all components in one scan (baseline), libjpeg's usual
/// progressive script, or sequential scans of one component each.
enum class VarredurasJpeg { Uma, Progressivas, UmaPorComponente };

/// A JPEG of the samples (top row first), baseline or progressive, at quality 95.
std::string codifica_jpeg(int largura, int altura, EspacoJpeg espaco, std::string_view amostras,
                          bool progressivo = false);

/// A JPEG of one colour, the samples of a single pixel, at quality 95: a large image costs little
/// to make, and libjpeg codes it in few bytes.
std::string codifica_jpeg_plano(int largura, int altura, EspacoJpeg espaco, std::string_view pixel,
                                VarredurasJpeg varreduras);

} // namespace quindra::teste
