// The bytes of a glTF document's buffers, wherever each one lies: the GLB binary chunk, a
// data: URI, or a file beside the document.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "malhas/arquivo_em_memoria.hpp"
#include "malhas/gltf_json.hpp"

namespace quindra::gltf {

class Buffers {
public:
    /// Loads every buffer and keeps its first byteLength bytes, refusing one that holds fewer.
    /// binario is the GLB binary chunk; pasta the folder relative URIs are read from, or null
    /// when there is none and such a URI is refused. Files are read as the loader reads the
    /// document (regular files only), and all the buffers together stay within LIMITE_ARQUIVO.
    Buffers(const std::vector<dom::object>& buffers, std::optional<std::string_view> binario,
            const std::filesystem::path* pasta);

    std::size_t size() const { return bytes_.size(); }
    std::string_view operator[](std::size_t buffer) const { return bytes_[buffer]; }
    /// The bytes of all the buffers together.
    std::uint64_t total() const { return total_; }

private:
    std::string_view carrega(dom::object buffer, std::optional<std::string_view> binario,
                             const std::filesystem::path* pasta);
    std::string_view le_arquivo(const std::filesystem::path& caminho);

    std::vector<std::string_view> bytes_;
    std::uint64_t total_ = 0;
    // what data: URIs and files brought in, whatever their buffers keep of it
    std::uint64_t trazidos_ = 0;
    // the owners of what bytes_ points into; moving them keeps their bytes where they are
    std::vector<ArquivoEmMemoria> arquivos_;
    std::vector<std::vector<char>> decodificados_;
};

} // namespace quindra::gltf
