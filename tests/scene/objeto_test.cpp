#include "scene/objeto.hpp"

#include <gtest/gtest.h>
#include <string>

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
    malha.NormaisVertices.resize(4);
    malha.CoresVertices.resize(4);
    ASSERT_EQ(carrega("3 1\n0 0 0\n3 0 0\n0 3 0\n1 2 3\n"), MENSAGEM_SUCESSO_OBJETO);
    EXPECT_EQ(malha.NumPontos(), 3);
    EXPECT_EQ(malha.Pontos.size(), 3u);
    EXPECT_TRUE(malha.NormaisVertices.empty());
    EXPECT_TRUE(malha.CoresVertices.empty());
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
