// Tetrahedron mode: the colour and enabled flag of each group of four triangles, the colour
// file that switches the mode on, and the controls that browse and edit the table.
#include <array>
#include <cassert>
#include <string>

#include "app/formato_configuracao.hpp"
#include "app/janela.hpp"
#include "geometry/numero_texto.hpp"

namespace quindra {

namespace {

constexpr const char* ARQUIVO_CORES = "tetcores.txt";
constexpr const char* PROBLEMAS_COM_CORES = "Problemas com arquivo de cores.";
constexpr std::size_t BRANCOS_TMODO = 51;

// The predefined sets: the 80 entries form four groups of 20, and each set takes ten entries
// of one group and ten of another, at one of three patterns of positions within a group.
constexpr int TAMANHO_GRUPO = 20;
using Padrao = std::array<int, 10>;
constexpr Padrao PADRAO_A{1, 2, 3, 4, 11, 12, 13, 17, 18, 20};
constexpr Padrao PADRAO_B{1, 5, 8, 10, 11, 14, 16, 17, 19, 20};
constexpr Padrao PADRAO_C{4, 7, 9, 10, 13, 15, 16, 18, 19, 20};

struct Metade {
    int grupo;
    const Padrao* padrao;
};
struct Conjunto {
    Metade primeira, segunda;
};

// The sets of Button8 to Button13, in the order of the buttons.
constexpr int PRIMEIRO_BOTAO = 8;
constexpr std::array<Conjunto, 6> CONJUNTOS{{
    {{1, &PADRAO_A}, {2, &PADRAO_A}}, // "Habilita 1-2"
    {{2, &PADRAO_B}, {3, &PADRAO_A}}, // "Habilita 2-3"
    {{3, &PADRAO_C}, {4, &PADRAO_B}}, // "Habilita 3-4"
    {{1, &PADRAO_B}, {3, &PADRAO_B}}, // "Habilita 1-3"
    {{1, &PADRAO_C}, {4, &PADRAO_C}}, // "Habilita 1-4"
    {{2, &PADRAO_C}, {4, &PADRAO_A}}, // "Habilita 2-4"
}};

std::int32_t numero_tetraedro(int grupo, int posicao) {
    return TAMANHO_GRUPO * (grupo - 1) + posicao;
}

EntradaTetraedro& entrada(TabelaDeTetraedros& tabela, std::int32_t t) {
    assert(t >= 1 && t <= NUM_TETRAEDROS);
    return tabela[static_cast<std::size_t>(t - 1)];
}

} // namespace

void Janela::TModoClick() {
    // The handler sets its own box; that must not run the handler once more.
    const auto ajusta_caixa = [this](bool marcada) {
        em_TModoClick_ = true;
        marca(TModo, marcada);
        em_TModoClick_ = false;
    };
    Mensagem_label.texto = std::string(BRANCOS_TMODO, ' ');
    if (sessao.sistema.ModoTetraedro) {
        sessao.sistema.ModoTetraedro = false;
        ajusta_caixa(false);
        return;
    }
    LeitorTexto leitor(sessao.sistema.DirInicial / ARQUIVO_CORES);
    if (!leitor.aberto()) {
        Mensagem_label.texto = PROBLEMAS_COM_CORES;
        // The box never shows checked while the mode is off.
        ajusta_caixa(false);
        return;
    }
    sessao.sistema.ModoTetraedro = true;
    ajusta_caixa(true);
    // A short or malformed file keeps the colours read so far, and says so.
    if (!le_cores_tetraedros(leitor, sessao.sistema.TabelaTetraedros)) {
        Mensagem_label.texto = PROBLEMAS_COM_CORES;
    }
    // The current entry's own colour and flag: the fields store into it, so showing another
    // entry's colour would copy that colour over it, and checking the box regardless would
    // enable an entry the user had disabled.
    mostra_tetraedro(sessao.sistema.TetraedroAtual);
}

void Janela::mostra_tetraedro(std::int32_t t) {
    // The fields store into the current entry as they change, so it must be t first.
    sessao.sistema.TetraedroAtual = t;
    const EntradaTetraedro mostrada = entrada(sessao.sistema.TabelaTetraedros, t);
    altera_texto(TetCor_red, formata_real(mostrada.cor.r));
    altera_texto(TetCor_green, formata_real(mostrada.cor.g));
    altera_texto(TetCor_blue, formata_real(mostrada.cor.b));
    marca(THabil, mostrada.habilitado);
    NumTet.texto = formata_inteiro(t);
}

void Janela::avanca_tetraedro(std::int32_t passo) {
    const std::int32_t t = sessao.sistema.TetraedroAtual + passo;
    if (t >= 1 && t <= NUM_TETRAEDROS) mostra_tetraedro(t);
}

void Janela::Button5Click() { avanca_tetraedro(-1); }
void Janela::Button6Click() { avanca_tetraedro(1); }
void Janela::Button15Click() { avanca_tetraedro(-10); }
void Janela::Button14Click() { avanca_tetraedro(10); }

void Janela::THabilClick() {
    entrada(sessao.sistema.TabelaTetraedros, sessao.sistema.TetraedroAtual).habilitado =
        THabil.marcada;
}

void Janela::Button7Click() {
    for (EntradaTetraedro& e : sessao.sistema.TabelaTetraedros) e.habilitado = false;
    marca(THabil, false);
}

void Janela::habilita_conjunto(int botao) {
    const auto indice = static_cast<std::size_t>(botao - PRIMEIRO_BOTAO);
    assert(indice < CONJUNTOS.size());
    const Conjunto& conjunto = CONJUNTOS[indice];
    for (const Metade& metade : {conjunto.primeira, conjunto.segunda}) {
        for (int posicao : *metade.padrao) {
            entrada(sessao.sistema.TabelaTetraedros, numero_tetraedro(metade.grupo, posicao))
                .habilitado = true;
        }
    }
    // The first entry is in the set, so showing it checks THabil.
    mostra_tetraedro(numero_tetraedro(conjunto.primeira.grupo, conjunto.primeira.padrao->front()));
}

void Janela::Button8Click() { habilita_conjunto(8); }
void Janela::Button9Click() { habilita_conjunto(9); }
void Janela::Button10Click() { habilita_conjunto(10); }
void Janela::Button11Click() { habilita_conjunto(11); }
void Janela::Button12Click() { habilita_conjunto(12); }
void Janela::Button13Click() { habilita_conjunto(13); }

void Janela::guarda_cor_tetraedro(const CampoTexto& campo, double Cor::*canal) {
    bool erro = false;
    const double valor = converte_real(campo.texto, erro);
    // Reported without stopping the user: every keystroke of an unfinished number lands here.
    if (erro) {
        plataforma_.relata_erro_de_digitacao(std::string(controle_de(campo).nome),
                                             "'" + campo.texto + "' não é um número válido.");
        return;
    }
    entrada(sessao.sistema.TabelaTetraedros, sessao.sistema.TetraedroAtual).cor.*canal = valor;
}

void Janela::TetCor_redChange() { guarda_cor_tetraedro(TetCor_red, &Cor::r); }
void Janela::TetCor_greenChange() { guarda_cor_tetraedro(TetCor_green, &Cor::g); }
void Janela::TetCor_blueChange() { guarda_cor_tetraedro(TetCor_blue, &Cor::b); }

} // namespace quindra
