// Image files held in strings: decoding them, and the check of every table of hostile files.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "view/bitmap.hpp"

namespace quindra::teste {

/// The image the file decodes to, or none with the reason in erro.
std::optional<Bitmap> decodifica(const std::string& arquivo, std::string& erro);

struct ImagemRecusada {
    std::string nome, arquivo, motivo;
};

/// Each file is refused with its reason, and all of them within a second: none is decoded at
/// the size it claims.
void confere_recusas(std::span<const ImagemRecusada> casos);

} // namespace quindra::teste
