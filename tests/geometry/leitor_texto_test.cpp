#include "geometry/leitor_texto.hpp"

#include <gtest/gtest.h>
#include <string>

#include "apoio/pasta_temporaria.hpp"

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
