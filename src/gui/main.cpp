// quindra: the desktop window. Works on the configuration files of the current folder, or of
// the user's own folder when the desktop menu starts it.
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/pasta_pessoal.hpp"
#include "geometry/instrumental_basico.hpp"
#include "gui/plataforma_qt.hpp"
#include "gui/termino.hpp"
#include "gui/tform1.hpp"
#include "gui/traducao.hpp"

namespace {

constexpr const char* AJUDA =
    "Uso: quindra [OBJETO] [--algoritmo N] [--captura ARQUIVO] [--pasta-pessoal]\n"
    "\n"
    "Abre a janela do Quindra. Os parâmetros ficam em camera.txt, cena.txt e objeto.txt,\n"
    "na pasta atual: lidos ao abrir, gravados ao fechar.\n"
    "\n"
    "  OBJETO             arquivo de objeto carregado ao abrir a janela\n"
    "  --algoritmo N      algoritmo escolhido ao abrir, de 0 a 8 na ordem da janela\n"
    "  --captura ARQUIVO  desenha, grava a imagem da janela inteira em ARQUIVO (PNG) e fecha\n"
    "                     sem gravar os arquivos de configuração\n"
    "  --pasta-pessoal    guarda os parâmetros em $XDG_DATA_HOME/quindra (por padrão\n"
    "                     ~/.local/share/quindra), que começa com os dos exemplos; é assim\n"
    "                     que o menu do ambiente gráfico abre a janela\n"
    "  -h, --help         mostra esta ajuda\n";

struct Opcoes {
    std::optional<std::string> objeto;
    std::optional<int> algoritmo;
    std::optional<std::string> captura;
    bool pasta_pessoal = false;
};

// The options, or none after printing why they are wrong.
std::optional<Opcoes> le_opcoes(int argc, char** argv, bool& ajuda) {
    Opcoes opcoes;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argumento = argv[i];
        const bool tem_valor = i + 1 < argc;
        if (argumento == "-h" || argumento == "--help") {
            ajuda = true;
            return opcoes;
        }
        if (argumento == "--algoritmo" && tem_valor) {
            bool erro = false;
            const int n = quindra::converte_inteiro(argv[++i], erro);
            if (erro || n < 0 || n > 8) {
                std::fputs("quindra: --algoritmo pede um número de 0 a 8.\n", stderr);
                return std::nullopt;
            }
            opcoes.algoritmo = n;
        } else if (argumento == "--captura" && tem_valor) {
            opcoes.captura = argv[++i];
        } else if (argumento == "--pasta-pessoal") {
            opcoes.pasta_pessoal = true;
        } else if (!argumento.starts_with('-') && !opcoes.objeto) {
            opcoes.objeto = std::string(argumento); // shown as typed
        } else {
            std::fprintf(stderr, "quindra: argumento inesperado: %s\n%s", argv[i], AJUDA);
            return std::nullopt;
        }
    }
    return opcoes;
}

// The folder of the configuration files: the current one, or the user's own, made and seeded
// from the installed samples on first use (the current one again, after saying why, when it
// cannot be made).
std::filesystem::path pasta_de_trabalho(bool pessoal) {
    const auto atual = std::filesystem::current_path();
    if (!pessoal) return atual;
    const auto pasta = quindra::pasta_pessoal(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    // installed beside the program: PREFIX/bin/quindra and PREFIX/share/quindra/samples
    const std::filesystem::path modelos =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." /
        "share" / "quindra" / "samples" / "configuracao";
    std::string erro = "quindra: sem pasta pessoal (HOME não definida).";
    if (pasta && quindra::prepara_pasta_pessoal(*pasta, modelos, erro)) return *pasta;
    std::fprintf(stderr, "%s\n", erro.c_str());
    return atual;
}

} // namespace

int main(int argc, char** argv) {
    bool ajuda = false;
    const auto opcoes = le_opcoes(argc, argv, ajuda);
    if (ajuda) {
        std::fputs(AJUDA, stdout);
        return 0;
    }
    if (!opcoes) return 2;
    quindra::gui::adia_sinais_de_termino();
    // A file size limit (ulimit -f) makes a write fail like a full disk, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quindra"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quindra.png")));
    quindra::gui::traduz_textos_do_qt();

    quindra::gui::PlataformaQt plataforma;
    const std::filesystem::path pasta = pasta_de_trabalho(opcoes->pasta_pessoal);
    plataforma.define_pasta_de_trabalho(QString::fromStdString(pasta.string()));
    quindra::gui::TForm1 forma(plataforma, pasta);
    plataforma.define_janela(&forma);
    quindra::gui::grava_ao_terminar(forma, plataforma);
    if (opcoes->algoritmo) {
        // As if the user had picked it, so that the widget and the model agree.
        forma.findChild<QGroupBox*>(QStringLiteral("Renderizadores_radio"))
            ->findChild<QButtonGroup*>()
            ->button(*opcoes->algoritmo)
            ->click();
    }
    if (opcoes->objeto) forma.janela().usuario_abre_objeto(*opcoes->objeto);
    forma.show();
    // As large as its controls ask once shown and measured, but no larger than the screen it
    // opens on: there the controls scroll and the image shrinks.
    QTimer::singleShot(0, &forma, [&forma] {
        const QScreen* tela = forma.screen();
        if (!tela) return;
        const QSize moldura = forma.frameGeometry().size() - forma.size();
        forma.resize(forma.sizeHint().boundedTo(tela->availableGeometry().size() - moldura));
    });

    if (opcoes->captura) {
        // Leaves without closing the window, so the configuration files stay as they were.
        QTimer::singleShot(0, &forma, [&] {
            forma.findChild<QPushButton*>(QStringLiteral("Desenhar_button"))->click();
            const bool gravou = forma.grab().save(QString::fromStdString(*opcoes->captura), "PNG");
            if (!gravou)
                std::fprintf(stderr, "quindra: não foi possível gravar %s\n",
                             opcoes->captura->c_str());
            QApplication::exit(gravou ? 0 : 1);
        });
    }
    return QApplication::exec();
}
