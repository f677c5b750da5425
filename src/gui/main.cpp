// quindra: the desktop window. Works on the configuration files of the current folder.
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
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "geometry/instrumental_basico.hpp"
#include "gui/plataforma_qt.hpp"
#include "gui/termino.hpp"
#include "gui/tform1.hpp"

namespace {

constexpr const char* AJUDA =
    "Uso: quindra [OBJETO] [--algoritmo N] [--captura ARQUIVO]\n"
    "\n"
    "Abre a janela do Quindra. Os parâmetros ficam em camera.txt, cena.txt e objeto.txt,\n"
    "na pasta atual: lidos ao abrir, gravados ao fechar.\n"
    "\n"
    "  OBJETO             arquivo de objeto carregado ao abrir a janela\n"
    "  --algoritmo N      algoritmo escolhido ao abrir, de 0 a 8 na ordem da janela\n"
    "  --captura ARQUIVO  desenha, grava a imagem da janela inteira em ARQUIVO (PNG) e fecha\n"
    "                     sem gravar os arquivos de configuração\n"
    "  -h, --help         mostra esta ajuda\n";

struct Opcoes {
    std::optional<std::string> objeto;
    std::optional<int> algoritmo;
    std::optional<std::string> captura;
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
        } else if (!argumento.starts_with('-') && !opcoes.objeto) {
            opcoes.objeto = std::filesystem::absolute(argumento).string();
        } else {
            std::fprintf(stderr, "quindra: argumento inesperado: %s\n%s", argv[i], AJUDA);
            return std::nullopt;
        }
    }
    return opcoes;
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

    quindra::gui::PlataformaQt plataforma;
    quindra::gui::TForm1 forma(plataforma, std::filesystem::current_path());
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
