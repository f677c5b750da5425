#include "malhas/gltf_glb.hpp"

#include <bit>
#include <cstdint>

#include "malhas/binario.hpp"
#include "malhas/gltf_json.hpp"
#include "malhas/mensagens_carga.hpp"

namespace quindra::gltf {

namespace {

constexpr std::string_view MAGICA = "glTF";
constexpr std::size_t CABECALHO = 12;       // magic, version, total length
constexpr std::size_t CABECALHO_PEDACO = 8; // length, type
constexpr std::uint32_t PEDACO_JSON = 0x4E4F534A;
constexpr std::uint32_t PEDACO_BIN = 0x004E4942;

std::uint32_t palavra(std::string_view bytes, std::size_t posicao) {
    return valor_binario<std::uint32_t>(bytes.data() + posicao, std::endian::little);
}

} // namespace

bool eh_glb(std::string_view bytes) { return bytes.starts_with(MAGICA); }

PartesGlb separa_glb(std::string_view bytes) {
    if (bytes.size() < CABECALHO || palavra(bytes, 4) != 2) recusa(ARQUIVO_COM_PROBLEMAS);
    // the header's total may not claim more than the file holds; bytes past it are ignored
    const std::uint32_t total = palavra(bytes, 8);
    if (total > bytes.size() || total < CABECALHO) recusa(ARQUIVO_COM_PROBLEMAS);
    bytes = bytes.substr(0, total);

    PartesGlb partes;
    bool primeiro = true;
    for (std::size_t posicao = CABECALHO; posicao < bytes.size();) {
        if (bytes.size() - posicao < CABECALHO_PEDACO) recusa(ARQUIVO_COM_PROBLEMAS);
        const std::uint32_t tamanho = palavra(bytes, posicao);
        const std::uint32_t tipo = palavra(bytes, posicao + 4);
        posicao += CABECALHO_PEDACO;
        if (tamanho > bytes.size() - posicao) recusa(ARQUIVO_COM_PROBLEMAS);
        const std::string_view dados = bytes.substr(posicao, tamanho);
        posicao += tamanho;
        if (primeiro != (tipo == PEDACO_JSON)) recusa(ARQUIVO_COM_PROBLEMAS);
        if (primeiro)
            partes.json = dados;
        else if (tipo == PEDACO_BIN && !partes.binario)
            partes.binario = dados; // chunks of other types belong to extensions
        primeiro = false;
    }
    if (primeiro) recusa(ARQUIVO_COM_PROBLEMAS);
    return partes;
}

} // namespace quindra::gltf
