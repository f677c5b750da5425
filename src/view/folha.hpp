// A sheet of frames side by side, each reduced by averaging, with its caption beneath: how the
// algorithms are compared at a glance.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "view/bitmap.hpp"

namespace quindra {

/// One cell of a sheet: its frame, or the message that stands in its place, and the lines of
/// its caption.
struct CelulaFolha {
    std::optional<Bitmap> quadro;
    std::string mensagem;
    std::vector<std::string> legenda;
};

/// A composed sheet and where its cells lie.
struct Folha {
    Bitmap imagem{0, 0};
    int colunas = 1;
    /// Each cell is a lado x lado picture over a caption band; the cells touch.
    int lado = 0, altura_celula = 0;

    /// The cell under a pixel of the sheet, counted row by row from the top left; none on
    /// the border or outside.
    std::optional<std::size_t> celula_em(int x, int y) const;
};

inline constexpr CorPixel FUNDO_FOLHA{40, 40, 40};
inline constexpr CorPixel LETRA_FOLHA{235, 235, 235};

/// Sets colunas cells a row, each frame averaged down to lado x lado, each message set within
/// that square, each caption beneath it. The
/// captions' size follows lado, so a sheet at three times the side is the same sheet, sharper.
Folha compoe_folha(std::span<const CelulaFolha> celulas, int colunas, int lado);

} // namespace quindra
