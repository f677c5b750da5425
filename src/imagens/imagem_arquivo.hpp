// Image files in and out. Read: BMP (1, 4 and 8-bit palettes, RLE4, RLE8, 16-bit 555, 565 and
// other bit fields, 24 and 32-bit, bottom-up or top-down), PNG and JPEG. Written: 24-bit BMP,
// or PNG.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "view/bitmap.hpp"

namespace quindra {

/// The most pixels a decoded image may hold (forty megapixels, 120 MB of RGB): a header
/// claiming more is refused before anything is allocated.
inline constexpr std::int64_t MAXIMO_PIXELS_IMAGEM = 40'000'000;
/// The longest side accepted, whatever the pixel count (the most a JPEG may have): a decoder's
/// row buffers grow with it.
inline constexpr std::int64_t MAXIMO_LADO_IMAGEM = 65'500;
/// The largest image file read at all: room for a 32-bit BMP of the largest accepted image.
inline constexpr std::uintmax_t MAXIMO_BYTES_IMAGEM = std::uintmax_t{256} << 20;
/// The most memory decoding one PNG or JPEG may take: the file held in memory, the decoded RGB
/// pixels and whatever whole-image buffers the decoder keeps (a progressive JPEG's
/// coefficients). A header that would need more is refused before anything is allocated, so
/// that loading a texture stays under 300 MB with the program around it.
inline constexpr std::int64_t MAXIMO_MEMORIA_IMAGEM = std::int64_t{256} << 20;

/// Decodes a BMP, PNG or JPEG held in memory, recognised by its first bytes. On failure returns
/// nothing and erro gets the reason in Portuguese ("arquivo truncado"); a corrupt, truncated or
/// oversized image is refused that way, never decoded blindly. The pixels are decoded straight
/// into the buffer the Bitmap keeps.
std::optional<Bitmap> decodifica_imagem(std::span<const std::uint8_t> bytes, std::string& erro);

/// Reads a file of at most MAXIMO_BYTES_IMAGEM and decodes it, whatever its name. On failure
/// returns nothing and erro gets the platform's report ("Cannot open file NAME" or "Bitmap
/// image is not valid"), then on a second line a Portuguese sentence naming the file and the
/// reason.
std::optional<Bitmap> carrega_imagem(const std::filesystem::path& arquivo, std::string& erro);

/// PNG when the name ends in ".png" (any case), a 24-bit BMP otherwise. The file is replaced
/// whole or not at all. False when it cannot be written or the image is empty, with erro set to
/// "Cannot create file NAME" and on a second line the reason in Portuguese.
bool salva_imagem(const Bitmap& imagem, const std::filesystem::path& arquivo, std::string& erro);

/// A 24-bit BMP (bottom-up, rows padded to 4 bytes) whatever the name, replaced whole or not
/// at all.
bool salva_bmp(const Bitmap& imagem, const std::filesystem::path& arquivo, std::string& erro);

} // namespace quindra
