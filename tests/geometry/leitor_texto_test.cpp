#include "geometry/leitor_texto.hpp"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "apoio/pasta_temporaria.hpp"
#include "geometry/numero_texto.hpp"

namespace quindra {
namespace {

using teste::PastaTemporaria;

TEST(LeitorTexto, QualquerCaractereAte32Separa) {
    PastaTemporaria pasta;
    LeitorTexto leitor(pasta.escreve("a.txt", std::string("1\t\r\n2\x01\x1f 3.5\f-4e1 ")));
    int a, b;
    double c, d;
    ASSERT_TRUE(leitor.le_inteiro(a) && leitor.le_inteiro(b) && leitor.le_real(c) &&
                leitor.le_real(d));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3.5);
    EXPECT_EQ(d, -40);
    EXPECT_FALSE(leitor.fim()); // a blank is left
}

TEST(LeitorTexto, NumeroPedidoNoFimLeZeroSemErro) {
    PastaTemporaria pasta;
    LeitorTexto leitor(pasta.escreve("a.txt", "7\n"));
    int a = 0, b = 99;
    EXPECT_TRUE(leitor.le_inteiro(a));
    EXPECT_FALSE(leitor.fim());
    EXPECT_TRUE(leitor.le_inteiro(b));
    EXPECT_EQ(b, 0);
    EXPECT_TRUE(leitor.fim());
    EXPECT_FALSE(leitor.falhou());
}

TEST(LeitorTexto, Codigo26TerminaOArquivo) {
    PastaTemporaria pasta;
    LeitorTexto leitor(pasta.escreve("a.txt", std::string("5 6\x1a 7 8")));
    int a, b, c;
    EXPECT_TRUE(leitor.le_inteiro(a) && leitor.le_inteiro(b));
    EXPECT_TRUE(leitor.fim());
    EXPECT_TRUE(leitor.le_inteiro(c));
    EXPECT_EQ(c, 0);
}

TEST(LeitorTexto, FalhaPermaneceAteOFim) {
    PastaTemporaria pasta;
    LeitorTexto leitor(pasta.escreve("a.txt", "1.5 2 3"));
    int a = 9, b = 9;
    EXPECT_FALSE(leitor.le_inteiro(a));
    EXPECT_EQ(a, 0);
    EXPECT_FALSE(leitor.le_inteiro(b)); // "2" is there, but the file has already failed
    EXPECT_TRUE(leitor.falhou());
}

TEST(LeitorTexto, TokensLongosDemaisFalham) {
    PastaTemporaria pasta;
    const std::string inteiro_32 = std::string(31, '0') + "7";
    const std::string real_64 = "1." + std::string(62, '0');
    const std::string conteudo = inteiro_32 + " " + real_64 + " " + std::string(33, '1');
    LeitorTexto leitor(pasta.escreve("a.txt", conteudo));
    int a, c;
    double b;
    EXPECT_TRUE(leitor.le_inteiro(a));
    EXPECT_EQ(a, 7);
    EXPECT_TRUE(leitor.le_real(b));
    EXPECT_EQ(b, 1.0);
    EXPECT_FALSE(leitor.le_inteiro(c));

    LeitorTexto real_longo(pasta.escreve("b.txt", std::string(65, '2')));
    double d;
    EXPECT_FALSE(real_longo.le_real(d));
}

TEST(LeitorTexto, SoAbreArquivosComuns) {
    PastaTemporaria pasta;
    EXPECT_FALSE(LeitorTexto(pasta.caminho() / "falta.txt").aberto());
    EXPECT_FALSE(LeitorTexto(pasta.caminho()).aberto());
    EXPECT_FALSE(LeitorTexto("/dev/zero").aberto());
    // a FIFO with no writer is refused at once instead of waiting for one
    const auto fifo = pasta.caminho() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    alarm(10); // a hang becomes a failure
    EXPECT_EQ(LeitorTexto(fifo).abertura(), Abertura::ilegivel);
    alarm(0);
    EXPECT_EQ(LeitorTexto(pasta.caminho()).abertura(), Abertura::ilegivel);
    EXPECT_EQ(LeitorTexto(pasta.caminho() / "falta.txt").abertura(), Abertura::ausente);
    EXPECT_EQ(LeitorTexto(pasta.caminho() / "falta" / "a.txt").abertura(), Abertura::ausente);
    EXPECT_EQ(LeitorTexto(pasta.escreve("a.txt", "")).abertura(), Abertura::aberto);
}

// Every read of a script, as text: "i7", "r-0.5", "F" for a failed read, "$" for the end
// after separators, "." for the bare end of the text.
std::string percorre(LeitorTexto& leitor, std::string_view roteiro) {
    std::string visto;
    for (char passo : roteiro) {
        int inteiro = 0;
        double real = 0;
        switch (passo) {
        case 'i':
            visto += leitor.le_inteiro(inteiro) ? "i" + std::to_string(inteiro) : "F";
            break;
        case 'r':
            visto += leitor.le_real(real) ? "r" + formata_real(real) : "F";
            break;
        case '$':
            visto += leitor.fim_apos_separadores() ? "$" : "-";
            break;
        default:
            visto += leitor.fim() ? "." : "-";
            break;
        }
        visto += ' ';
    }
    return visto;
}

// The same bytes read the same from a file and from memory.
TEST(LeitorTexto, ArquivoEMemoriaLeemIgual) {
    const struct {
        std::string conteudo;
        std::string_view roteiro;
        std::string esperado;
    } casos[] = {
        {"7\r\n", "i.$.i.", "i7 - $ . i0 . "},
        {"7", "i.$", "i7 . $ "},
        {" 1 2.5\t", "$ir$r.", "- i1 r2.5 $ r0 . "},
        {"1\x1a 2", "i$i", "i1 $ i0 "},
        {"", "$.r", "$ . r0 "},
        {"x 3", "ii$", "F F - "}, // a failure sticks, though a number is left
        {std::string(5, '\0') + "-4e1", "$r$", "- r-40 $ "},
    };
    PastaTemporaria pasta;
    for (const auto& caso : casos) {
        LeitorTexto arquivo(pasta.escreve("a.txt", caso.conteudo));
        LeitorTexto memoria = LeitorTexto::em_memoria(caso.conteudo);
        EXPECT_EQ(memoria.tamanho(), caso.conteudo.size());
        EXPECT_EQ(percorre(arquivo, caso.roteiro), caso.esperado) << caso.roteiro;
        EXPECT_EQ(percorre(memoria, caso.roteiro), caso.esperado) << caso.roteiro;
    }
}

TEST(LeitorTexto, TokenQueAtravessaBlocosDeLeitura) {
    PastaTemporaria pasta;
    std::string conteudo(262141, ' '); // the number straddles the first block's end
    conteudo += "123456 -0.5";
    LeitorTexto leitor(pasta.escreve("a.txt", conteudo));
    int a;
    double b;
    ASSERT_TRUE(leitor.le_inteiro(a) && leitor.le_real(b));
    EXPECT_EQ(a, 123456);
    EXPECT_EQ(b, -0.5);
    EXPECT_TRUE(leitor.fim());
}

} // namespace
} // namespace quindra
