// The file formats behind decodifica_imagem and salva_imagem, one source file each. Every
// decoder checks the header against the pixel and memory budgets and the data's length before
// it allocates, then decodes into the buffer the Bitmap takes over.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "view/bitmap.hpp"

namespace quindra::formatos {

using Bytes = std::span<const std::uint8_t>;

// Why bytes are not a usable image.
inline constexpr std::string_view DIMENSOES_INVALIDAS = "largura ou altura inválida";
inline constexpr std::string_view TRUNCADO = "arquivo truncado";
inline constexpr std::string_view CORROMPIDO = "dados corrompidos";
inline constexpr std::string_view SEM_MEMORIA = "memória insuficiente";

/// Empty when a largura x altura image is within the budget; otherwise why not, with the limit.
std::string confere_dimensoes(std::int64_t largura, std::int64_t altura);

/// Empty when decoding a largura x altura image from a file of `arquivo` bytes fits
/// MAXIMO_MEMORIA_IMAGEM, `decodificador` being what the decoder keeps besides the file and the
/// final pixels; otherwise why not, with the limit. The dimensions must have been checked.
std::string confere_memoria(std::size_t arquivo, std::int64_t largura, std::int64_t altura,
                            std::int64_t decodificador);

/// The pixels of a checked largura x altura image: 3 bytes each, top row first.
inline std::vector<std::uint8_t> pixels_rgb(std::int64_t largura, std::int64_t altura) {
    return std::vector<std::uint8_t>(static_cast<std::size_t>(largura * altura * 3));
}

// Each decoder: the image, or nothing with motivo set.
std::optional<Bitmap> decodifica_bmp(Bytes dados, std::string& motivo);
std::optional<Bitmap> decodifica_png(Bytes dados, std::string& motivo);
std::optional<Bitmap> decodifica_jpeg(Bytes dados, std::string& motivo);

/// A 24-bit BMP file; empty when the image is too large for the format's 32-bit sizes.
std::vector<std::uint8_t> codifica_bmp(const Bitmap& imagem);
/// An 8-bit RGB PNG file; empty when the encoder fails.
std::vector<std::uint8_t> codifica_png(const Bitmap& imagem);

} // namespace quindra::formatos
