// Image files in and out. Read: BMP (1, 4 and 8-bit palettes, RLE4, RLE8, 16-bit 555 and 565,
// 24 and 32-bit, bottom-up or top-down), PNG and JPEG. Written: 24-bit BMP, or PNG.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "view/bitmap.hpp"

namespace quindra {

/// The most pixels an image file may hold (8192 x 8192): a header claiming more is refused
/// before anything is allocated.
inline constexpr std::int64_t MAXIMO_PIXELS_IMAGEM = std::int64_t{1} << 26;
/// The largest image file read at all.
inline constexpr std::uintmax_t MAXIMO_BYTES_IMAGEM = std::uintmax_t{512} << 20;

/// Reads a BMP, PNG or JPEG file, recognised by its first bytes whatever its name. On failure
/// returns nothing and erro gets a Portuguese sentence naming the file and the reason; a
/// corrupt, truncated or absurdly large file is refused that way, never decoded blindly.
std::optional<Bitmap> carrega_imagem(const std::filesystem::path& arquivo, std::string& erro);

/// PNG when the name ends in ".png" (any case), a 24-bit BMP otherwise. False with erro set
/// when the file cannot be written or the image is empty.
bool salva_imagem(const Bitmap& imagem, const std::filesystem::path& arquivo, std::string& erro);

/// A 24-bit BMP (bottom-up, rows padded to 4 bytes) whatever the name.
bool salva_bmp(const Bitmap& imagem, const std::filesystem::path& arquivo, std::string& erro);

} // namespace quindra
