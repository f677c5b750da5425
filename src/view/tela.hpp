// The frame every renderer paints into, Tela, and the texture created with it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "view/bitmap.hpp"

namespace quindra {

/// Width and height of the frame, in pixels.
inline constexpr int LADO_TELA = 600;

/// Creates Tela (LADO_TELA x LADO_TELA) and the empty 0 x 0 texture on the first call, then
/// clears Tela with a black brush and the rectangle (1, 1, 600, 600) in the pen colour of the
/// moment, and returns it. Row 0 and column 0 keep what they had.
Bitmap& cria_tela(std::optional<Bitmap>& tela, std::optional<Bitmap>& textura);

/// Paints rows and columns 1..599 with the brush fundo, their one-pixel outline with the pen
/// in force; row 0 and column 0 keep what they had.
void limpa_tela(Bitmap& tela, CorPixel fundo);

/// Writes the frame as PNG when the name ends in ".png" (any case), otherwise as a 24-bit BMP;
/// on failure erro gets the reason in Portuguese and the result is false.
bool salva_tela(const Bitmap& tela, const std::filesystem::path& arquivo, std::string& erro);

/// Frees Tela when the window closes.
void libera_tela(std::optional<Bitmap>& tela);

} // namespace quindra
