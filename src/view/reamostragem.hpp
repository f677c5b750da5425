// A picture brought to another size by averaging, never by dropping pixels, or cut down to a
// part of it.
#pragma once

#include "view/bitmap.hpp"

namespace quindra {

/// The picture at largura x altura, each new pixel the mean of the area of the old
/// picture it covers, a pixel partly covered weighing by the part covered. Reducing by a whole
/// factor averages blocks of whole pixels. Sizes below 1 are taken as 1.
Bitmap reamostra(const Bitmap& imagem, int largura, int altura);

/// The box of largura x altura pixels whose top-left corner is (x, y); what lies outside the
/// picture is black.
Bitmap recorta(const Bitmap& imagem, int x, int y, int largura, int altura);

} // namespace quindra
