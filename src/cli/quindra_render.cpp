// quindra-render: the window's Draw without a window. Reads the configuration files of a
// folder, loads an object (and a texture), draws with one or every algorithm, or the frames of
// one turn of the camera about the object, and saves them. Writes nothing into the
// configuration folder.
#include <array>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "app/miniatura.hpp"
#include "app/sessao.hpp"
#include "cli/argumentos.hpp"
#include "geometry/numero_texto.hpp"

namespace {

using quindra::Parametros;
using quindra::Sessao;
using quindra::cli::Opcoes;

void erro(const std::string& mensagem) { std::fprintf(stderr, "%s\n", mensagem.c_str()); }

void mostra_tempo(const char* etapa, std::chrono::steady_clock::duration duracao) {
    const double ms = std::chrono::duration<double, std::milli>(duracao).count();
    char texto[32];
    const auto fim = std::to_chars(texto, texto + sizeof texto, ms, std::chars_format::fixed, 1);
    std::fprintf(stderr, "%s: %.*s ms\n", etapa, static_cast<int>(fim.ptr - texto), texto);
}

template <typename Acao> auto cronometra(bool mostrar, const char* etapa, Acao acao) {
    const auto inicio = std::chrono::steady_clock::now();
    auto resultado = acao();
    if (mostrar) mostra_tempo(etapa, std::chrono::steady_clock::now() - inicio);
    return resultado;
}

// FILE with a suffix before its extension: the choice number, or the frame number.
std::string com_sufixo(const std::string& saida, const std::string& sufixo) {
    std::filesystem::path caminho(saida);
    const std::string extensao = caminho.extension().string();
    caminho.replace_extension();
    return caminho.string() + sufixo + extensao;
}

// Frame k of a turn: at least four digits, so that the files sort in drawing order.
std::string numero_do_quadro(int quadro) {
    const std::string numero = std::to_string(quadro);
    return std::string(numero.size() < 4 ? 4 - numero.size() : 0, '0') + numero;
}

// Missing files leave the window's initial values without a word; a file that is there but
// cannot be read is worth a warning; a malformed one stops everything, as drawing with values
// the user did not mean is worse than not drawing.
bool confere_configuracao(const std::array<quindra::SituacaoArquivo, 3>& situacao,
                          const std::filesystem::path& pasta) {
    bool aceita = true;
    for (std::size_t i = 0; i < situacao.size(); ++i) {
        const std::string arquivo = (pasta / quindra::ARQUIVOS_CONFIGURACAO[i].nome).string();
        if (situacao[i] == quindra::SituacaoArquivo::ilegivel) {
            erro("Aviso: " + arquivo + " não pôde ser lido; valem os valores iniciais.");
        } else if (situacao[i] == quindra::SituacaoArquivo::malformado) {
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

// A Draw with one choice, then the frame saved, and its depth buffer when asked for; sufixo, when
// not empty, goes before each file's extension. The failure's message, or nothing.
std::optional<std::string> desenha_e_salva(Sessao& sessao, const Parametros& parametros,
                                           const Opcoes& opcoes, int escolha,
                                           const std::string& sufixo) {
    const auto nome = [&](const std::string& arquivo) {
        return sufixo.empty() ? arquivo : com_sufixo(arquivo, sufixo);
    };
    const auto mensagem = cronometra(opcoes.tempo, "desenho", [&] {
        return sessao.desenha(quindra::algoritmo_da_escolha(escolha), parametros, opcoes.ate);
    });
    if (mensagem && !quindra::mensagem_de_sucesso(*mensagem)) return mensagem;
    if (auto falha = sessao.salva_quadro(nome(opcoes.saida))) return falha;
    if (opcoes.profundidade.empty()) return std::nullopt;
    return sessao.salva_profundidade(nome(opcoes.profundidade));
}

// Each choice asked for, one frame each; a failed one does not stop the others.
int desenha_escolhas(Sessao& sessao, const Parametros& parametros, const Opcoes& opcoes) {
    int resultado = 0;
    for (int escolha : opcoes.escolhas) {
        const std::string sufixo = opcoes.todas ? std::to_string(escolha) : "";
        if (const auto falha = desenha_e_salva(sessao, parametros, opcoes, escolha, sufixo)) {
            erro(mensagem_de(opcoes, escolha, *falha));
            resultado = quindra::cli::SAIDA_FALHA;
        }
    }
    return resultado;
}

// Every choice into one sheet; a choice that cannot draw shows its message in its cell, and
// the run fails as with its frame.
int desenha_grade(Sessao& sessao, const Parametros& parametros, const Opcoes& opcoes) {
    cronometra(opcoes.tempo, "folha", [&] { return sessao.compara(parametros); });
    int resultado = 0;
    const auto celulas = sessao.folha_comparada();
    for (std::size_t escolha = 0; escolha < celulas.size(); ++escolha) {
        if (celulas[escolha].quadro) continue;
        erro(mensagem_de(opcoes, static_cast<int>(escolha), celulas[escolha].mensagem));
        resultado = quindra::cli::SAIDA_FALHA;
    }
    if (const auto falha = sessao.salva_folha(opcoes.grade)) {
        erro(*falha);
        return quindra::cli::SAIDA_FALHA;
    }
    return resultado;
}

// One turn of the camera about the vertical axis through the object's centre, as the window's
// "Efetuar Rotação + Desenhar" with the centre of "Carregar Centro do Objeto" and 360/n degrees:
// the turned camera goes through its fields, so frame k is the window's after k - 1 clicks.
int desenha_giro(Sessao& sessao, Parametros& parametros, const Opcoes& opcoes) {
    const int quadros = *opcoes.giro;
    sessao.carrega_centro(parametros);
    parametros.Angulo_edit.texto = quindra::formata_real(360.0 / quadros);
    for (int quadro = 1; quadro <= quadros; ++quadro) {
        if (quadro > 1) {
            const std::string mensagem = sessao.gira(parametros, quindra::EIXO_VERTICAL);
            if (!quindra::mensagem_de_sucesso(mensagem)) {
                erro(mensagem);
                return quindra::cli::SAIDA_FALHA;
            }
        }
        if (const auto falha = desenha_e_salva(sessao, parametros, opcoes, opcoes.escolhas.front(),
                                               numero_do_quadro(quadro))) {
            erro(*falha);
            return quindra::cli::SAIDA_FALHA;
        }
    }
    return 0;
}

// Loads the object; false, after saying why, when it cannot be.
bool carrega(Sessao& sessao, const Opcoes& opcoes) {
    const std::string carga =
        cronometra(opcoes.tempo, "carga", [&] { return sessao.carrega_objeto(opcoes.objeto); });
    if (quindra::mensagem_de_sucesso(carga)) return true;
    erro(carga);
    return false;
}

// A preview for a file manager: a mesh that cannot be read or drawn leaves no file.
int desenha_miniatura(const Opcoes& opcoes) {
    Sessao sessao;
    if (!carrega(sessao, opcoes)) return quindra::cli::SAIDA_FALHA;
    std::string falha;
    const auto imagem = cronometra(opcoes.tempo, "miniatura", [&] {
        return quindra::miniatura(sessao, *opcoes.miniatura, falha);
    });
    if (!imagem || !quindra::salva_tela(*imagem, opcoes.saida, falha)) {
        erro(falha);
        return quindra::cli::SAIDA_FALHA;
    }
    return 0;
}

int executa(const Opcoes& opcoes) {
    if (opcoes.miniatura) return desenha_miniatura(opcoes);
    Sessao sessao;
    Parametros parametros;
    if (!confere_configuracao(sessao.le_configuracao(opcoes.pasta, parametros), opcoes.pasta))
        return quindra::cli::SAIDA_USO;

    if (!carrega(sessao, opcoes)) return quindra::cli::SAIDA_FALHA;
    if (!opcoes.textura.empty()) {
        if (const auto falha = sessao.carrega_textura(opcoes.textura)) {
            erro(*falha);
            return quindra::cli::SAIDA_FALHA;
        }
    }
    if (opcoes.faces) {
        parametros.tFacei_edit.texto = opcoes.faces->first;
        parametros.tFacef_edit.texto = opcoes.faces->second;
    }
    if (opcoes.giro) return desenha_giro(sessao, parametros, opcoes);
    if (!opcoes.grade.empty()) return desenha_grade(sessao, parametros, opcoes);
    return desenha_escolhas(sessao, parametros, opcoes);
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
