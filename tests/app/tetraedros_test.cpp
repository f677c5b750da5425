#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "apoio/pasta_temporaria.hpp"
#include "apoio/plataforma_falsa.hpp"
#include "app/janela.hpp"

namespace quindra {
namespace {

using Comando = void (Janela::*)();
const std::string PROBLEMAS = "Problemas com arquivo de cores.";
const std::string LIMPA(51, ' ');

struct Modo {
    teste::PastaTemporaria pasta;
    teste::PlataformaFalsa plataforma;
    Janela janela{plataforma, pasta.caminho(), Persistencia::so_le};

    void vai_para(int t) {
        while (janela.sessao.sistema.TetraedroAtual < t) janela.Button6Click();
    }
    const Cor& cor(int t) const { return janela.sessao.sistema.TabelaTetraedros[t - 1].cor; }
    // The enabled entries' numbers, separated by blanks.
    std::string habilitados() const {
        std::string numeros;
        for (int t = 1; t <= NUM_TETRAEDROS; ++t) {
            if (!janela.sessao.sistema.TabelaTetraedros[t - 1].habilitado) continue;
            numeros += (numeros.empty() ? "" : " ") + std::to_string(t);
        }
        return numeros;
    }
};

TEST(Tetraedros, Navegacao) {
    const struct {
        int de;
        Comando botao;
        int para;
    } casos[] = {
        {71, &Janela::Button14Click, 71}, {70, &Janela::Button14Click, 80},
        {10, &Janela::Button15Click, 10}, {11, &Janela::Button15Click, 1},
        {1, &Janela::Button5Click, 1},    {2, &Janela::Button5Click, 1},
        {80, &Janela::Button6Click, 80},  {79, &Janela::Button6Click, 80},
    };
    for (const auto& caso : casos) {
        Modo modo;
        // entry t other than 1 has red t; entry 1 keeps 128, as the field shows at start-up
        for (int t = 2; t <= NUM_TETRAEDROS; ++t) {
            modo.janela.sessao.sistema.TabelaTetraedros[t - 1].cor.r = t;
        }
        modo.vai_para(caso.de);
        (modo.janela.*caso.botao)();
        EXPECT_EQ(modo.janela.sessao.sistema.TetraedroAtual, caso.para) << caso.de;
        EXPECT_EQ(modo.janela.NumTet.texto, std::to_string(caso.para));
        EXPECT_EQ(modo.janela.TetCor_red.texto, caso.para == 1 ? "128" : std::to_string(caso.para));
    }
}

TEST(Tetraedros, ConjuntosPredefinidos) {
    const struct {
        Comando botao;
        std::string entradas;
    } casos[] = {
        {&Janela::Button8Click, "1 2 3 4 11 12 13 17 18 20 21 22 23 24 31 32 33 37 38 40"},
        {&Janela::Button9Click, "21 25 28 30 31 34 36 37 39 40 41 42 43 44 51 52 53 57 58 60"},
        {&Janela::Button10Click, "44 47 49 50 53 55 56 58 59 60 61 65 68 70 71 74 76 77 79 80"},
        {&Janela::Button11Click, "1 5 8 10 11 14 16 17 19 20 41 45 48 50 51 54 56 57 59 60"},
        {&Janela::Button12Click, "4 7 9 10 13 15 16 18 19 20 64 67 69 70 73 75 76 78 79 80"},
        {&Janela::Button13Click, "24 27 29 30 33 35 36 38 39 40 61 62 63 64 71 72 73 77 78 80"},
    };
    for (const auto& caso : casos) {
        Modo modo;
        modo.vai_para(50);
        modo.janela.Button7Click();
        (modo.janela.*caso.botao)();
        EXPECT_EQ(modo.habilitados(), caso.entradas);
        const std::string primeira = caso.entradas.substr(0, caso.entradas.find(' '));
        EXPECT_EQ(std::to_string(modo.janela.sessao.sistema.TetraedroAtual), primeira);
        EXPECT_EQ(modo.janela.NumTet.texto, primeira);
        EXPECT_TRUE(modo.janela.THabil.marcada);
    }
    Modo somados;
    somados.janela.Button7Click();
    somados.janela.Button8Click();
    somados.janela.Button11Click(); // entries 1, 11, 17 and 20 are in both sets
    EXPECT_EQ(std::ranges::count(somados.habilitados(), ' ') + 1, 36);
}

TEST(Tetraedros, DesabilitaTodosEHabilitado) {
    Modo modo;
    modo.vai_para(5);
    modo.janela.altera_texto(modo.janela.TetCor_red, "9");
    modo.janela.Button7Click();
    EXPECT_EQ(modo.habilitados(), "");
    EXPECT_FALSE(modo.janela.THabil.marcada);
    EXPECT_EQ(modo.janela.sessao.sistema.TetraedroAtual, 5);
    EXPECT_EQ(modo.janela.TetCor_red.texto, "9");
    modo.janela.clica(modo.janela.THabil);
    EXPECT_EQ(modo.habilitados(), "5");
}

// Records 1 to n of a colour file: record t is the colour (t, 0.5, 300).
std::string registros(int n) {
    std::string texto;
    for (int t = 1; t <= n; ++t)
        texto += std::to_string(t) + " " + std::to_string(t) + " 0.5 300\r\n";
    return texto;
}

TEST(Tetraedros, ArquivoDeCores) {
    const struct {
        std::optional<std::string> arquivo;
        bool ligado;
        const std::string& mensagem;
        int lidos;
    } casos[] = {
        {std::nullopt, false, PROBLEMAS, 0},
        {registros(80), true, LIMPA, 80},
        {registros(10) + "11 11", true, PROBLEMAS, 10},
        {registros(79) + "80 80 0.5", true, PROBLEMAS, 79},
        // the usual line break after the last number is no number
        {registros(79) + "80 80 0.5\r\n", true, PROBLEMAS, 79},
        {registros(80) + "\r\n \t\r\n", true, LIMPA, 80},
        {registros(4) + "5 5 x 300\r\n" + registros(80), true, PROBLEMAS, 4},
    };
    for (const auto& caso : casos) {
        Modo modo;
        if (caso.arquivo) modo.pasta.escreve("tetcores.txt", *caso.arquivo);
        modo.janela.clica(modo.janela.TModo);
        EXPECT_EQ(modo.janela.sessao.sistema.ModoTetraedro, caso.ligado) << caso.lidos;
        EXPECT_EQ(modo.janela.TModo.marcada, caso.ligado);
        EXPECT_EQ(modo.janela.Mensagem_label.texto, caso.mensagem);
        for (int t = 1; t <= NUM_TETRAEDROS; ++t) {
            const Cor esperada = t <= caso.lidos ? Cor(t, 0.5, 300) : Cor(128, 128, 128);
            EXPECT_EQ(modo.cor(t).r, esperada.r) << t;
            EXPECT_EQ(modo.cor(t).b, esperada.b) << t;
        }
    }
}

TEST(Tetraedros, LigaEDesligaOModo) {
    Modo modo;
    Janela& janela = modo.janela;
    modo.vai_para(5);
    janela.Button7Click();
    janela.clica(janela.TModo); // no file yet
    EXPECT_FALSE(janela.TModo.marcada);
    modo.pasta.escreve("tetcores.txt", registros(80));
    janela.clica(janela.TModo);
    ASSERT_TRUE(janela.sessao.sistema.ModoTetraedro);
    // the current entry shows its own colour, and entry 1's is not copied into it
    EXPECT_EQ(janela.TetCor_red.texto, "5");
    EXPECT_EQ(modo.cor(5).r, 5);
    EXPECT_EQ(janela.NumTet.texto, "5");
    // the flags survive: switching the mode on re-enables nothing
    EXPECT_EQ(modo.habilitados(), "");
    EXPECT_FALSE(janela.THabil.marcada);

    janela.altera_texto(janela.TetCor_red, "7");
    janela.Mensagem_label.texto = "x";
    janela.clica(janela.TModo);
    EXPECT_FALSE(janela.sessao.sistema.ModoTetraedro);
    EXPECT_FALSE(janela.TModo.marcada);
    EXPECT_EQ(janela.Mensagem_label.texto, LIMPA);
    EXPECT_EQ(modo.cor(5).r, 7);
    janela.clica(janela.TModo); // switching on again reloads every colour
    EXPECT_EQ(modo.cor(5).r, 5);
}

TEST(Tetraedros, CamposDeCor) {
    Modo modo;
    Janela& janela = modo.janela;
    modo.vai_para(3);
    janela.altera_texto(janela.TetCor_red, "300");
    janela.altera_texto(janela.TetCor_green, "");
    janela.altera_texto(janela.TetCor_blue, "abc");
    EXPECT_EQ(modo.cor(3).r, 300);
    EXPECT_EQ(modo.cor(3).g, 128);
    EXPECT_EQ(modo.cor(3).b, 128);
    EXPECT_EQ(modo.cor(1).r, 128);
    EXPECT_EQ(
        modo.plataforma.erros_de_digitacao,
        (std::vector<std::string>{"'' não é um número válido.", "'abc' não é um número válido."}));
    EXPECT_TRUE(modo.plataforma.erros.empty());
}

} // namespace
} // namespace quindra
