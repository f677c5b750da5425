// Reading the configuration folder into the fields and the light list.
#include <string>

#include "app/sessao.hpp"

namespace quindra {

namespace {

namespace fs = std::filesystem;

// What an unopened file means: not there at all, or there but not a readable file.
SituacaoArquivo situacao_de(Abertura abertura) {
    return abertura == Abertura::ausente ? SituacaoArquivo::ausente : SituacaoArquivo::ilegivel;
}

// camera.txt and objeto.txt: a fixed run of reals, one per field, all read before any field
// changes, so that a bad file leaves every field as it was.
template <std::size_t N>
SituacaoArquivo le_campos(const fs::path& arquivo, Parametros& parametros,
                          const std::array<CampoParametro, N>& campos) {
    LeitorTexto leitor(arquivo);
    if (!leitor.aberto()) return situacao_de(leitor.abertura());
    std::array<std::string, N> textos;
    if (!le_reais_como_textos(leitor, textos)) return SituacaoArquivo::malformado;
    for (std::size_t i = 0; i < N; ++i) (parametros.*campos[i]).texto = std::move(textos[i]);
    return SituacaoArquivo::lido;
}

// cena.txt: the ambient light and the lights together; when the ambient block or light 1 fails,
// nothing changes, and a later light that fails keeps those before it.
SituacaoArquivo le_arquivo_cena(const fs::path& arquivo, Parametros& parametros,
                                TextosDasFontes& fontes) {
    LeitorTexto leitor(arquivo);
    if (!leitor.aberto()) return situacao_de(leitor.abertura());
    std::optional<ConteudoCena> cena = le_cena(leitor);
    if (!cena) return SituacaoArquivo::malformado;
    for (std::size_t i = 0; i < CAMPOS_AMBIENTE.size(); ++i)
        (parametros.*CAMPOS_AMBIENTE[i]).texto = std::move(cena->ambiente[i]);
    fontes = std::move(cena->fontes);
    return cena->completo ? SituacaoArquivo::lido : SituacaoArquivo::malformado;
}

} // namespace

std::array<SituacaoArquivo, 3> Sessao::le_configuracao(const fs::path& pasta,
                                                       Parametros& parametros) {
    const auto caminho = [&](std::size_t arquivo) {
        return pasta / ARQUIVOS_CONFIGURACAO[arquivo].nome;
    };
    std::array<SituacaoArquivo, 3> situacao;
    situacao[ARQUIVO_CAMERA] = le_campos(caminho(ARQUIVO_CAMERA), parametros, CAMPOS_CAMERA);
    situacao[ARQUIVO_CENA] =
        le_arquivo_cena(caminho(ARQUIVO_CENA), parametros, sistema.ListaDeFontes);
    situacao[ARQUIVO_OBJETO] = le_campos(caminho(ARQUIVO_OBJETO), parametros, CAMPOS_OBJETO);
    return situacao;
}

} // namespace quindra
