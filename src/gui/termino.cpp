#include "gui/termino.hpp"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <array>
#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quindra::gui {

namespace {

constexpr std::array SINAIS{SIGTERM, SIGINT, SIGHUP};
constexpr int ESPERA_DESENHO_MS = 20;

// A signal may arrive anywhere; all its handler may do is write a byte, which the event loop
// reads as an ordinary event.
int par_de_sinais[2] = {-1, -1};

extern "C" void anota_sinal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto escrito = ::write(par_de_sinais[0], &byte, 1);
}

// Writes the configuration, unless a draw still uses the window's state: that one is told to
// stop, and the writing waits for it.
void grava_quando_livre(TForm1& forma, PlataformaQt& plataforma, bool sair) {
    if (plataforma.desenhando()) {
        plataforma.cancela_desenho();
        QTimer::singleShot(ESPERA_DESENHO_MS, &forma, [&forma, &plataforma, sair] {
            grava_quando_livre(forma, plataforma, sair);
        });
        return;
    }
    if (!forma.janela().grava_configuracao())
        std::fprintf(stderr, "quindra: %s\n", forma.janela().Mensagem_label.texto.c_str());
    // Every event loop ends, a dialog's too; what it was asked for is then simply not done.
    if (sair) QApplication::exit(0);
}

sigset_t conjunto_de_sinais() {
    sigset_t conjunto;
    sigemptyset(&conjunto);
    for (int sinal : SINAIS) sigaddset(&conjunto, sinal);
    return conjunto;
}

} // namespace

void adia_sinais_de_termino() {
    const sigset_t sinais = conjunto_de_sinais();
    pthread_sigmask(SIG_BLOCK, &sinais, nullptr);
}

void grava_ao_terminar(TForm1& forma, PlataformaQt& plataforma) {
    const sigset_t sinais = conjunto_de_sinais();
    // Without the pair the signals keep their default action: they end the program unsaved.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, par_de_sinais) == 0) {
        auto* aviso = new QSocketNotifier(par_de_sinais[1], QSocketNotifier::Read, &forma);
        QObject::connect(aviso, &QSocketNotifier::activated, &forma, [&forma, &plataforma] {
            char byte;
            [[maybe_unused]] const auto lido = ::read(par_de_sinais[1], &byte, 1);
            grava_quando_livre(forma, plataforma, true);
        });
        struct sigaction acao {};
        acao.sa_handler = anota_sinal;
        sigemptyset(&acao.sa_mask);
        acao.sa_flags = SA_RESTART;
        for (int sinal : SINAIS) sigaction(sinal, &acao, nullptr);
    }
    pthread_sigmask(SIG_UNBLOCK, &sinais, nullptr);

    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, &forma,
        [&forma, &plataforma](QSessionManager&) { grava_quando_livre(forma, plataforma, false); });
}

} // namespace quindra::gui
