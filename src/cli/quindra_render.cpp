// quindra-render: the window's Draw without a window. Reads the configuration files of a
// folder, loads an object (and a texture), draws with one or every algorithm and saves the
// frames. Writes nothing into the configuration folder.
#include <CLI/CLI.hpp>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/janela.hpp"
#include "render/algoritmos.hpp"
#include "view/imagem_arquivo.hpp"

namespace {

using quindra::Janela;

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

struct Opcoes {
    std::string objeto;
    std::string algoritmo = "5";
    std::string saida = "quindra.bmp";
    std::string textura;
    std::vector<std::string> faces;
    std::string pasta = ".";
    bool tempo = false;
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

std::string ultima_escolha() { return std::to_string(quindra::ALGORITMOS.size() - 1); }

// The choices to draw: one position of the window's list, or every one.
std::optional<std::vector<int>> escolhas(const std::string& algoritmo) {
    if (algoritmo == "todos") {
        std::vector<int> todas(quindra::ALGORITMOS.size());
        for (std::size_t i = 0; i < todas.size(); ++i) todas[i] = static_cast<int>(i);
        return todas;
    }
    int escolha = -1;
    const auto fim = algoritmo.data() + algoritmo.size();
    const auto [ptr, ec] = std::from_chars(algoritmo.data(), fim, escolha);
    if (ec != std::errc() || ptr != fim || !quindra::algoritmo_da_escolha(escolha))
        return std::nullopt;
    return std::vector<int>{escolha};
}

// FILE for one choice; with every choice, the choice number goes before the extension.
std::string arquivo_de_saida(const std::string& saida, int escolha, bool todas) {
    if (!todas) return saida;
    std::filesystem::path caminho(saida);
    const std::string extensao = caminho.extension().string();
    caminho.replace_extension();
    return caminho.string() + std::to_string(escolha) + extensao;
}

int executa(const Opcoes& opcoes) {
    const auto lista = escolhas(opcoes.algoritmo);
    if (!lista) {
        erro("Algoritmo inválido: use um número de 0 a " + ultima_escolha() + " ou \"todos\".");
        return 1;
    }
    PlataformaLinhaDeComando plataforma;
    Janela janela(plataforma, opcoes.pasta, quindra::Persistencia::so_le);

    plataforma.proximo_arquivo = opcoes.objeto;
    cronometra(opcoes.tempo, "carga", [&] { janela.CarregarObj_buttonClick(); });
    if (!sucesso(janela)) {
        erro(janela.Mensagem_label.texto);
        return 1;
    }
    if (!opcoes.textura.empty()) {
        plataforma.proximo_arquivo = opcoes.textura;
        janela.Button2Click();
        if (!plataforma.erro.empty()) {
            erro(plataforma.erro);
            return 1;
        }
    }
    if (opcoes.faces.size() == 2) {
        janela.altera_texto(janela.tFacei_edit, opcoes.faces[0]);
        janela.altera_texto(janela.tFacef_edit, opcoes.faces[1]);
    }

    int resultado = 0;
    const bool todas = lista->size() > 1;
    for (int escolha : *lista) {
        janela.Renderizadores_radio.selecionado = escolha;
        janela.Mensagem_label.texto = " ";
        cronometra(opcoes.tempo, "desenho", [&] { janela.Desenhar_buttonClick(); });
        if (!sucesso(janela)) {
            erro(janela.Mensagem_label.texto);
            resultado = 1;
            continue;
        }
        std::string falha;
        if (!quindra::salva_imagem(janela.Imagem, arquivo_de_saida(opcoes.saida, escolha, todas),
                                   falha)) {
            erro(falha);
            resultado = 1;
        }
    }
    return resultado;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Desenha um objeto triangulado sem abrir a janela, com os parâmetros dos "
                 "arquivos camera.txt, cena.txt e objeto.txt da pasta de configuração."};
    app.get_formatter()->label("Usage", "Uso");
    app.get_formatter()->label("OPTIONS", "OPÇÕES");
    app.get_formatter()->label("Positionals", "Posicionais");
    app.get_formatter()->label("REQUIRED", "OBRIGATÓRIO");
    app.get_formatter()->label("TEXT", "TEXTO");
    app.option_defaults()->group("Opções");
    app.set_help_flag("-h,--help", "Mostra esta ajuda e sai.")->group("Opções");
    Opcoes opcoes;
    app.add_option("OBJETO", opcoes.objeto, "Arquivo do objeto.")->required();
    app.add_option("-a", opcoes.algoritmo,
                   "Algoritmo, de 0 a " + ultima_escolha() +
                       " como na janela (padrão 5, Phong), ou \"todos\".");
    app.add_option("-o", opcoes.saida,
                   "Imagem de saída (padrão quindra.bmp; PNG quando termina em .png). Com "
                   "\"todos\", o número do algoritmo vai antes da extensão.");
    app.add_option("--textura", opcoes.textura, "Textura para o algoritmo 6.");
    app.add_option("--faces", opcoes.faces, "Primeira e última face com textura.")->expected(2);
    app.add_option("--dir", opcoes.pasta,
                   "Pasta de camera.txt, cena.txt e objeto.txt (padrão: a atual); nada é "
                   "gravado nela.");
    app.add_flag("--tempo", opcoes.tempo, "Mostra os milissegundos da carga e do desenho.");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::fputs(app.help().c_str(), stdout);
        return 0;
    } catch (const CLI::ParseError& falha) {
        erro("Argumentos inválidos (" + std::string(falha.what()) + "). Use --help.");
        return 1;
    }
    return executa(opcoes);
}
