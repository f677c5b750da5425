// The GLB container: a header and chunks, the first one the JSON document, then an optional
// binary chunk that the document's first buffer names without a URI.
#pragma once

#include <optional>
#include <string_view>

namespace quindra::gltf {

struct PartesGlb {
    std::string_view json;
    std::optional<std::string_view> binario;
};

/// Whether the bytes start as a GLB file does.
bool eh_glb(std::string_view bytes);

/// The chunks of a GLB file, every length checked against the bytes there before use; throws
/// Recusa when the container is malformed.
PartesGlb separa_glb(std::string_view bytes);

} // namespace quindra::gltf
