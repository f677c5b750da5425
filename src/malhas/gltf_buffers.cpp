#include "malhas/gltf_buffers.hpp"

#include "malhas/gltf_uri.hpp"
#include "malhas/mensagens_carga.hpp"

namespace quindra::gltf {

Buffers::Buffers(const std::vector<dom::object>& buffers, std::optional<std::string_view> binario,
                 const std::filesystem::path* pasta) {
    bytes_.reserve(buffers.size());
    for (std::size_t i = 0; i < buffers.size(); ++i) {
        // only the first buffer may stand for the GLB binary chunk
        const std::string_view dados = carrega(buffers[i], i == 0 ? binario : std::nullopt, pasta);
        const std::uint64_t tamanho = natural(buffers[i], "byteLength");
        if (tamanho > dados.size()) recusa(ARQUIVO_COM_PROBLEMAS);
        bytes_.push_back(dados.substr(0, tamanho));
        total_ += tamanho;
    }
}

std::string_view Buffers::carrega(dom::object buffer, std::optional<std::string_view> binario,
                                  const std::filesystem::path* pasta) {
    const auto uri = membro(buffer, "uri");
    if (!uri) {
        if (!binario) recusa(ARQUIVO_COM_PROBLEMAS);
        return *binario;
    }
    const std::string_view texto(*uri);
    if (eh_uri_de_dados(texto)) {
        auto dados = decodifica_dados(texto);
        if (!dados) recusa(ARQUIVO_COM_PROBLEMAS);
        if (dados->size() > LIMITE_ARQUIVO - trazidos_) recusa(ARQUIVO_GRANDE_DEMAIS);
        trazidos_ += dados->size();
        return {decodificados_.emplace_back(std::move(*dados)).data(),
                decodificados_.back().size()};
    }
    const auto caminho = caminho_relativo(texto);
    if (!caminho || !pasta) recusa(ARQUIVO_COM_PROBLEMAS);
    return le_arquivo(*pasta / *caminho);
}

std::string_view Buffers::le_arquivo(const std::filesystem::path& caminho) {
    // the size is checked first, so that a file past what is left is never read
    std::uintmax_t tamanho;
    if (const std::string* falha = recusa_arquivo(caminho, LIMITE_ARQUIVO - trazidos_, tamanho))
        recusa(falha == &ARQUIVO_GRANDE_DEMAIS ? ARQUIVO_GRANDE_DEMAIS : ARQUIVO_COM_PROBLEMAS);
    const ArquivoEmMemoria& arquivo = arquivos_.emplace_back(caminho);
    if (arquivo.mensagem() != MENSAGEM_SUCESSO_OBJETO) recusa(ARQUIVO_COM_PROBLEMAS);
    trazidos_ += arquivo.bytes().size();
    return arquivo.bytes();
}

} // namespace quindra::gltf
