#include "malhas/objeto.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <utility>
#include <vector>

#include "apoio/pasta_temporaria.hpp"

namespace quindra {
namespace {

using teste::PastaTemporaria;

// A tetrahedron: four points, four triangles, every line ended by a line break.
const std::string TETRAEDRO = "4 4\n"
                              "0 0 0\n"
                              "10 0 0\n"
                              "0 10 0\n"
                              "0 0 10\n"
                              "1 3 2\n"
                              "1 2 4\n"
                              "2 3 4\n"
                              "3 1 4\n";

class CarregaObjeto : public ::testing::Test {
protected:
    std::string carrega(const std::string& conteudo) {
        return carrega_objeto(malha, pasta.escreve("objeto.txt", conteudo));
    }
    PastaTemporaria pasta;
    Malha malha;
};

TEST_F(CarregaObjeto, ArquivoValidoInstalaMalhaECentro) {
    ASSERT_EQ(carrega(TETRAEDRO), std::string(45, ' '));
    EXPECT_EQ(malha.NumPontos(), 4);
    EXPECT_EQ(malha.NumTriangulos(), 4);
    ASSERT_EQ(malha.Pontos.size(), 4u);
    ASSERT_EQ(malha.Triangulos.size(), 4u);
    EXPECT_EQ(malha.Pontos[1].x, 10);
    EXPECT_EQ(malha.Pontos[1].xv, 0); // camera coordinates start at 0
    EXPECT_EQ(malha.Triangulos[0].vertice2, 3);
    ASSERT_TRUE(malha.CentroObjeto);
    EXPECT_DOUBLE_EQ(malha.CentroObjeto->x, 2.5);
    EXPECT_DOUBLE_EQ(malha.CentroObjeto->y, 2.5);
    EXPECT_DOUBLE_EQ(malha.CentroObjeto->z, 2.5);
}

TEST_F(CarregaObjeto, MensagensEPrecedencia) {
    struct Caso {
        std::string conteudo;
        const std::string& mensagem;
    };
    const Caso casos[] = {
        {"2 5\n", OBJETO_SEM_FACES},
        {"3 0\n", OBJETO_SEM_FACES},
        {"3 -1\n0 0 0\n1 0 0\n0 1 0\n", OBJETO_SEM_FACES},
        {"4 4", ARQUIVO_COM_PROBLEMAS}, // ends right after the second count
        {"4 x\n", ARQUIVO_COM_PROBLEMAS},
        {"", ARQUIVO_COM_PROBLEMAS},
        {"4 4\n", INCONSISTENCIAS_PONTOS}, // the first point reads as zeros at the end
        {"3 1\n0 0 0\n1,5 0 0\n0 1 0\n1 2 3\n", INCONSISTENCIAS_PONTOS},
        {"3 1\n0 0 0\n1 0 0\n0 1 0", INCONSISTENCIAS_PONTOS}, // ends right after a point
        {"3 1\n0 0 0\n1 0 0\n0 1 0\n0 1 2\n", INCONSISTENCIAS_TRIANGULOS},
        {"3 1\n0 0 0\n1 0 0\n0 1 0\n1 -2 3\n", INCONSISTENCIAS_TRIANGULOS},
        {"3 1\n0 0 0\n1 0 0\n0 1 0\n1 2 4\n", INCONSISTENCIAS_TRIANGULOS},
        {"3 2\n0 0 0\n1 0 0\n0 1 0\n1 2 3\n", INCONSISTENCIAS_TRIANGULOS},
        {"3 1\n0 0 0\n1 0 0\n0 1 0\n1 2 3.0\n", INCONSISTENCIAS_TRIANGULOS},
        // a count far beyond what the file holds fails promptly, with nothing reserved for it
        {"2000000000 1\n0 0 0\n1 0 0\n0 1 0\n1 2 3\n", INCONSISTENCIAS_PONTOS},
        {"3 2000000000\n0 0 0\n1 0 0\n0 1 0\n1 2 3\n", INCONSISTENCIAS_TRIANGULOS},
        {"2147483647 2147483647\n1 1 1\n", INCONSISTENCIAS_PONTOS},
        {"99999999999 1\n", ARQUIVO_COM_PROBLEMAS},
    };
    for (const auto& c : casos) EXPECT_EQ(carrega(c.conteudo), c.mensagem) << c.conteudo;
    EXPECT_EQ(carrega_objeto(malha, pasta.caminho() / "falta.txt"), ERRO_ABERTURA_ARQUIVO);
    EXPECT_EQ(malha.NumPontos(), 0);
}

TEST_F(CarregaObjeto, FimDoArquivoDepoisDoUltimoIndice) {
    std::string sem_quebra = TETRAEDRO;
    sem_quebra.pop_back();
    EXPECT_EQ(carrega(sem_quebra), MENSAGEM_SUCESSO_OBJETO);
    EXPECT_EQ(malha.NumTriangulos(), 4);
    EXPECT_EQ(malha.Triangulos[3].vertice3, 4);
    EXPECT_EQ(carrega(sem_quebra + "\x1a"), MENSAGEM_SUCESSO_OBJETO);
    EXPECT_EQ(carrega(TETRAEDRO + "5 6 7\ntexto qualquer\n"), MENSAGEM_SUCESSO_OBJETO);
}

TEST_F(CarregaObjeto, FalhaDeixaAMalhaAnterior) {
    ASSERT_EQ(carrega(TETRAEDRO), MENSAGEM_SUCESSO_OBJETO);
    const Ponto centro = *malha.CentroObjeto;
    const std::string falhas[] = {"3 1\n0 0 0\n1 0 0\n0 1 0\n1 2 9\n", "3 1\n0 0 0\n1 0 0\n",
                                  "1 1\n", "4 4"};
    for (const auto& falha : falhas) {
        EXPECT_NE(carrega(falha)[0], ' ');
        EXPECT_EQ(malha.NumPontos(), 4);
        EXPECT_EQ(malha.NumTriangulos(), 4);
        EXPECT_EQ(malha.Pontos.size(), 4u);
        EXPECT_EQ(malha.Triangulos.size(), 4u);
        EXPECT_EQ(malha.CentroObjeto->x, centro.x);
        EXPECT_EQ(malha.CentroObjeto->z, centro.z);
    }
}

TEST_F(CarregaObjeto, NovaCargaSubstituiTudo) {
    ASSERT_EQ(carrega(TETRAEDRO), MENSAGEM_SUCESSO_OBJETO);
    ASSERT_EQ(carrega("3 1\n0 0 0\n3 0 0\n0 3 0\n1 2 3\n"), MENSAGEM_SUCESSO_OBJETO);
    EXPECT_EQ(malha.NumPontos(), 3);
    EXPECT_EQ(malha.Pontos.size(), 3u);
    EXPECT_DOUBLE_EQ(malha.CentroObjeto->x, 1);
}

TEST_F(CarregaObjeto, NumeraTetraedrosDeQuatroEmQuatro) {
    std::string conteudo = "3 9\n0 0 0\n1 0 0\n0 1 0\n";
    for (int k = 0; k < 9; ++k) conteudo += "1 2 3\n";
    ASSERT_EQ(carrega(conteudo), MENSAGEM_SUCESSO_OBJETO);
    const int esperados[] = {1, 1, 1, 1, 2, 2, 2, 2, 3};
    for (int k = 0; k < 9; ++k) EXPECT_EQ(malha.Triangulos[k].tetraedro, esperados[k]);
}

TEST_F(CarregaObjeto, DilataZAoLer) {
    malha.FatorDilatacaoZ = 2;
    ASSERT_EQ(carrega("3 1\n0 0 1\n0 0 2\n0 0 3\n1 2 3\n"), MENSAGEM_SUCESSO_OBJETO);
    EXPECT_EQ(malha.Pontos[2].z, 6);
    EXPECT_DOUBLE_EQ(malha.CentroObjeto->z, 4);
}

TEST(Amostras, CarregamTodas) {
    for (const char* nome : {"cubo.txt", "tetraedro.txt", "esfera.txt", "tetraedros.txt"}) {
        Malha malha;
        EXPECT_EQ(carrega_objeto(malha, std::string(QUINDRA_AMOSTRAS) + "/" + nome),
                  MENSAGEM_SUCESSO_OBJETO)
            << nome;
    }
}

} // namespace
} // namespace quindra

namespace quindra {
namespace {

// A file of several hundred kilobytes is read in blocks on every core; wherever the blocks
// fall, the values must land in their places and the first failure in file order must decide
// the message, as when the numbers were read one after another.
class ObjetoGrande : public CarregaObjeto {
protected:
    static constexpr int PONTOS = 40000, TRIANGULOS = 40000;

    // Point i is (i / 2, -i, i / 4); triangle k joins points k + 1, k + 2, k + 3 (wrapping).
    static std::vector<std::string> numeros() {
        std::vector<std::string> n{std::to_string(PONTOS), std::to_string(TRIANGULOS)};
        for (int i = 0; i < PONTOS; ++i)
            for (double v : {i / 2.0, -1.0 * i, i / 4.0}) {
                char texto[32];
                n.emplace_back(texto, std::to_chars(texto, texto + sizeof texto, v).ptr);
            }
        for (int k = 0; k < TRIANGULOS; ++k)
            for (int j = 1; j <= 3; ++j) n.push_back(std::to_string((k + j - 1) % PONTOS + 1));
        return n;
    }
    static std::string junta(const std::vector<std::string>& n) {
        std::string texto;
        for (std::size_t i = 0; i < n.size(); ++i) texto += n[i] + (i % 3 == 1 ? "\n" : " ");
        return texto;
    }
};

TEST_F(ObjetoGrande, ValoresNoLugarECentroNaOrdemDoArquivo) {
    malha.FatorDilatacaoZ = 2;
    ASSERT_EQ(carrega(junta(numeros())), MENSAGEM_SUCESSO_OBJETO);
    ASSERT_EQ(malha.NumPontos(), PONTOS);
    ASSERT_EQ(malha.NumTriangulos(), TRIANGULOS);
    double cx = 0, cy = 0, cz = 0;
    for (int i = 0; i < PONTOS; ++i) {
        const Ponto& p = malha.Pontos[static_cast<std::size_t>(i)];
        ASSERT_TRUE(p.x == i / 2.0 && p.y == -i && p.z == i / 4.0 * 2) << i;
        cx += p.x, cy += p.y, cz += p.z;
    }
    EXPECT_EQ(malha.CentroObjeto->x, cx / PONTOS);
    EXPECT_EQ(malha.CentroObjeto->y, cy / PONTOS);
    EXPECT_EQ(malha.CentroObjeto->z, cz / PONTOS);
    for (int k = 0; k < TRIANGULOS; ++k) {
        const Triangulo& t = malha.Triangulos[static_cast<std::size_t>(k)];
        ASSERT_EQ(t.vertice1, k % PONTOS + 1);
        ASSERT_EQ(t.vertice2, (k + 1) % PONTOS + 1);
        ASSERT_EQ(t.vertice3, (k + 2) % PONTOS + 1);
        ASSERT_EQ(t.tetraedro, k / 4 + 1);
    }
}

TEST_F(ObjetoGrande, PrimeiraFalhaNaOrdemDoArquivoDecide) {
    const std::size_t primeiro_indice = 2 + 3 * PONTOS,
                      ultimo = primeiro_indice + 3 * TRIANGULOS - 1;
    const std::string real64 = "1." + std::string(62, '0'), real65 = real64 + "0";
    const struct {
        std::vector<std::pair<std::size_t, std::string>> trocas; // number position, new text
        std::string mensagem;
    } casos[] = {
        {{{2, "1,5"}}, INCONSISTENCIAS_PONTOS},
        {{{2 + 3 * (PONTOS / 2), "x"}}, INCONSISTENCIAS_PONTOS},
        {{{primeiro_indice - 1, "nan"}}, INCONSISTENCIAS_PONTOS},
        {{{primeiro_indice - 1, real65}}, INCONSISTENCIAS_PONTOS},
        {{{primeiro_indice - 1, real64}}, MENSAGEM_SUCESSO_OBJETO},
        {{{primeiro_indice, "0"}}, INCONSISTENCIAS_TRIANGULOS},
        {{{ultimo, std::to_string(PONTOS + 1)}}, INCONSISTENCIAS_TRIANGULOS},
        {{{ultimo, std::string(33, '1')}}, INCONSISTENCIAS_TRIANGULOS},
        // A failure among the triangles does not hide an earlier one among the points.
        {{{ultimo, "0"}, {primeiro_indice - 2, "?"}}, INCONSISTENCIAS_PONTOS},
        // Code 26 ends the file: among the triangles, or right after the last point.
        {{{primeiro_indice + 5, "\x1a"}}, INCONSISTENCIAS_TRIANGULOS},
        {{{primeiro_indice - 1, "7\x1a"}}, INCONSISTENCIAS_PONTOS},
        {{{ultimo + 1, "\x1a garbage"}}, MENSAGEM_SUCESSO_OBJETO},
    };
    for (const auto& caso : casos) {
        auto n = numeros();
        n.emplace_back(""); // room for text after the last index
        for (const auto& [posicao, texto] : caso.trocas) n[posicao] = texto;
        EXPECT_EQ(carrega(junta(n)), caso.mensagem) << caso.trocas.front().first;
    }
}

} // namespace
} // namespace quindra
