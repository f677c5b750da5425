// quindra-render: the window's Draw without a window. Reads the configuration files of a
// folder, loads an object (and a texture), draws with one or every algorithm and saves the
// frames. Writes nothing into the configuration folder.
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "app/janela.hpp"
#include "cli/argumentos.hpp"
#include "geometry/numero_texto.hpp"
#include "imagens/imagem_arquivo.hpp"
#include "render/algoritmos.hpp"

namespace {

using quindra::Janela;
using quindra::cli::Opcoes;

// The dialogs answer with the files named on the command line; errors are kept for stderr.
class PlataformaLinhaDeComando : public quindra::Plataforma {
public:
    std::optional<std::string> proximo_arquivo;
    std::string erro;

    std::optional<std::string> escolhe_arquivo_para_abrir(const quindra::DialogoArquivo&) override {
        return std::exchange(proximo_arquivo, std::nullopt);
    }
    std::optional<std::string>
    escolhe_arquivo_para_salvar(const quindra::DialogoArquivo&) override {
        return std::nullopt;
    }
    void relata_erro(const std::string& mensagem) override { erro = mensagem; }
    void relata_erro_de_digitacao(const std::string&, const std::string& mensagem) override {
        erro = mensagem;
    }
};

void erro(const std::string& mensagem) { std::fprintf(stderr, "%s\n", mensagem.c_str()); }

void mostra_tempo(const char* etapa, std::chrono::steady_clock::duration duracao) {
    const double ms = std::chrono::duration<double, std::milli>(duracao).count();
    char texto[32];
    const auto fim = std::to_chars(texto, texto + sizeof texto, ms, std::chars_format::fixed, 1);
    std::fprintf(stderr, "%s: %.*s ms\n", etapa, static_cast<int>(fim.ptr - texto), texto);
}

template <typename Acao> void cronometra(bool mostrar, const char* etapa, Acao acao) {
    const auto inicio = std::chrono::steady_clock::now();
    acao();
    if (mostrar) mostra_tempo(etapa, std::chrono::steady_clock::now() - inicio);
}

bool sucesso(const Janela& janela) {
    return quindra::mensagem_de_sucesso(janela.Mensagem_label.texto);
}

// FILE for one choice; with every choice, the choice number goes before the extension.
std::string arquivo_de_saida(const std::string& saida, int escolha, bool todas) {
    if (!todas) return saida;
    std::filesystem::path caminho(saida);
    const std::string extensao = caminho.extension().string();
    caminho.replace_extension();
    return caminho.string() + std::to_string(escolha) + extensao;
}

// Missing files leave the window's initial values without a word; a file that is there but
// cannot be read is worth a warning; a malformed one stops everything, as drawing with values
// the user did not mean is worse than not drawing.
bool confere_configuracao(const Janela& janela, const std::filesystem::path& pasta) {
    bool aceita = true;
    for (const quindra::ArquivoLido& lido : janela.configuracao_lida()) {
        const std::string arquivo = (pasta / lido.nome).string();
        if (lido.situacao == quindra::SituacaoArquivo::ilegivel) {
            erro("Aviso: " + arquivo + " não pôde ser lido; valem os valores iniciais.");
        } else if (lido.situacao == quindra::SituacaoArquivo::malformado) {
            erro("Arquivo de configuração com erro: " + arquivo + ".");
            aceita = false;
        }
    }
    return aceita;
}

// With every choice drawn, a message says which one it belongs to.
std::string mensagem_de(const Opcoes& opcoes, int escolha, const std::string& mensagem) {
    if (!opcoes.todas) return mensagem;
    const auto nome = quindra::descricao(*quindra::algoritmo_da_escolha(escolha)).nome;
    return std::string(quindra::sem_brancos(nome)) + ": " + mensagem;
}

int executa(const Opcoes& opcoes) {
    PlataformaLinhaDeComando plataforma;
    Janela janela(plataforma, opcoes.pasta, quindra::Persistencia::so_le);
    if (!confere_configuracao(janela, opcoes.pasta)) return quindra::cli::SAIDA_USO;

    plataforma.proximo_arquivo = opcoes.objeto;
    cronometra(opcoes.tempo, "carga", [&] { janela.CarregarObj_buttonClick(); });
    if (!sucesso(janela)) {
        erro(janela.Mensagem_label.texto);
        return quindra::cli::SAIDA_FALHA;
    }
    if (!opcoes.textura.empty()) {
        plataforma.proximo_arquivo = opcoes.textura;
        janela.Button2Click();
        if (!plataforma.erro.empty()) {
            erro(plataforma.erro);
            return quindra::cli::SAIDA_FALHA;
        }
    }
    if (opcoes.faces) {
        janela.altera_texto(janela.tFacei_edit, opcoes.faces->first);
        janela.altera_texto(janela.tFacef_edit, opcoes.faces->second);
    }

    int resultado = 0;
    for (int escolha : opcoes.escolhas) {
        janela.Renderizadores_radio.selecionado = escolha;
        janela.Mensagem_label.texto = " ";
        cronometra(opcoes.tempo, "desenho", [&] { janela.Desenhar_buttonClick(); });
        if (!sucesso(janela)) {
            erro(mensagem_de(opcoes, escolha, janela.Mensagem_label.texto));
            resultado = quindra::cli::SAIDA_FALHA;
            continue;
        }
        std::string falha;
        if (!quindra::salva_imagem(janela.Imagem,
                                   arquivo_de_saida(opcoes.saida, escolha, opcoes.todas), falha)) {
            erro(mensagem_de(opcoes, escolha, falha));
            resultado = quindra::cli::SAIDA_FALHA;
        }
    }
    return resultado;
}

} // namespace

int main(int argc, char** argv) {
    // A file size limit (ulimit -f) makes a write fail like a full disk, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const quindra::cli::Pedido pedido = quindra::cli::interpreta(argc, argv);
    if (!pedido.opcoes) {
        std::fputs(pedido.texto.c_str(), pedido.status == 0 ? stdout : stderr);
        if (pedido.status != 0) std::fputc('\n', stderr);
        return pedido.status;
    }
    return executa(*pedido.opcoes);
}
