// The two kinds of URI a glTF buffer is named by: a data: URI holding its bytes in base64, and
// a relative reference to a file beside the document.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quindra::gltf {

/// Whether the URI carries its bytes itself.
bool eh_uri_de_dados(std::string_view uri);

/// The bytes of a "data:[type];base64,..." URI; nothing when it is not one or its base64 is
/// malformed.
std::optional<std::vector<char>> decodifica_dados(std::string_view uri);

/// The relative file path a URI names, %XX escapes decoded; nothing for an absolute path, a URI
/// of another scheme or a malformed escape.
std::optional<std::string> caminho_relativo(std::string_view uri);

} // namespace quindra::gltf
