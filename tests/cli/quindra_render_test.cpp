#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "apoio/pasta_temporaria.hpp"
#include "view/imagem_arquivo.hpp"

namespace quindra {
namespace {

using teste::PastaTemporaria;

const std::string AMOSTRAS = QUINDRA_AMOSTRAS;

// Runs quindra-render inside the folder with the given arguments; its status and stderr.
struct Execucao {
    int status;
    std::string erro;
};

Execucao executa(const PastaTemporaria& pasta, const std::string& argumentos) {
    const auto saida_erro = pasta.caminho() / "stderr.txt";
    const std::string comando = "cd '" + pasta.caminho().string() + "' && '" QUINDRA_RENDER "' " +
                                argumentos + " 2> '" + saida_erro.string() + "' > /dev/null";
    const int bruto = std::system(comando.c_str());
    std::stringstream erro;
    erro << std::ifstream(saida_erro).rdbuf();
    return {WIFEXITED(bruto) ? WEXITSTATUS(bruto) : -1, erro.str()};
}

bool imagem_valida(const std::filesystem::path& arquivo) {
    std::string erro;
    const auto imagem = carrega_imagem(arquivo, erro);
    return imagem && imagem->largura() == 600 && imagem->altura() == 600;
}

TEST(QuindraRender, TodosOsAlgoritmosNumaPastaNova) {
    PastaTemporaria pasta;
    const auto r = executa(pasta, "'" + AMOSTRAS +
                                      "/esfera.txt' -a todos -o quadro.png "
                                      "--textura '" +
                                      AMOSTRAS + "/textura.bmp' --faces 1 100 --tempo");
    EXPECT_EQ(r.status, 0) << r.erro;
    for (int escolha = 0; escolha <= 8; ++escolha)
        EXPECT_TRUE(imagem_valida(pasta.caminho() / ("quadro" + std::to_string(escolha) + ".png")))
            << escolha;
    EXPECT_NE(r.erro.find("carga: "), std::string::npos);
    EXPECT_NE(r.erro.find("desenho: "), std::string::npos);
    // Nothing is written into the configuration folder.
    EXPECT_FALSE(std::filesystem::exists(pasta.caminho() / "camera.txt"));
}

TEST(QuindraRender, PadraoEhPhongEmQuindraBmp) {
    PastaTemporaria pasta;
    EXPECT_EQ(executa(pasta, "'" + AMOSTRAS + "/cubo.txt'").status, 0);
    EXPECT_TRUE(imagem_valida(pasta.caminho() / "quindra.bmp"));
}

TEST(QuindraRender, LeAConfiguracaoDaPasta) {
    PastaTemporaria pasta;
    pasta.escreve("camera.txt", "0 0 -1\n0 1 0\n0 0 200\n0\n1\n1\n");
    const auto r = executa(pasta, "'" + AMOSTRAS + "/cubo.txt' --dir .");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.erro, "d(dist. focal) em formato inválido.\n");
}

TEST(QuindraRender, FalhasSaemComStatus1EAMensagem) {
    PastaTemporaria pasta;
    struct Caso {
        std::string argumentos, mensagem;
    };
    const Caso casos[] = {
        {"falta.txt", "Erro na Abertura do Arquivo\n"},
        {"'" + AMOSTRAS + "/cubo.txt' -a 6", "Não há textura carregada.\n"},
        {"'" + AMOSTRAS + "/cubo.txt' -a 9", "Algoritmo inválido: use um número de 0 a 8 ou "
                                             "\"todos\".\n"},
    };
    for (const auto& c : casos) {
        const auto r = executa(pasta, c.argumentos);
        EXPECT_EQ(r.status, 1) << c.argumentos;
        EXPECT_EQ(r.erro, c.mensagem);
    }
    const auto textura_ruim =
        executa(pasta, "'" + AMOSTRAS + "/cubo.txt' --textura '" + AMOSTRAS + "/cubo.txt'");
    EXPECT_EQ(textura_ruim.status, 1);
    EXPECT_FALSE(textura_ruim.erro.empty());
    EXPECT_EQ(executa(pasta, "--nada").status, 1);
}

} // namespace
} // namespace quindra
