#include "app/pasta_pessoal.hpp"

#include "app/formato_configuracao.hpp"

namespace quindra {

namespace {

std::optional<std::filesystem::path> absoluta(const char* caminho) {
    if (!caminho || !*caminho) return std::nullopt;
    std::filesystem::path pasta(caminho);
    if (!pasta.is_absolute()) return std::nullopt;
    return pasta;
}

} // namespace

std::optional<std::filesystem::path> pasta_pessoal(const char* xdg_data_home, const char* home) {
    if (const auto dados = absoluta(xdg_data_home)) return *dados / "quindra";
    if (const auto pessoal = absoluta(home)) return *pessoal / ".local" / "share" / "quindra";
    return std::nullopt;
}

bool prepara_pasta_pessoal(const std::filesystem::path& pasta, const std::filesystem::path& modelos,
                           std::string& erro) {
    std::error_code falha;
    std::filesystem::create_directories(pasta, falha);
    if (falha || !std::filesystem::is_directory(pasta, falha)) {
        erro = "Não foi possível criar a pasta " + pasta.string() + ".";
        return false;
    }
    // A sample that is missing or cannot be copied leaves the window's initial values.
    for (const ArquivoConfiguracao& arquivo : ARQUIVOS_CONFIGURACAO) {
        std::filesystem::copy_file(modelos / arquivo.nome, pasta / arquivo.nome,
                                   std::filesystem::copy_options::skip_existing, falha);
    }
    return true;
}

} // namespace quindra
