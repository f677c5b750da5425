#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "apoio/pasta_temporaria.hpp"
#include "imagens/imagem_arquivo.hpp"

namespace quindra {
namespace {

using teste::PastaTemporaria;

const std::string AMOSTRAS = QUINDRA_AMOSTRAS;

// Runs quindra-render inside the folder with the given arguments, after the shell words of
// antes, its standard output sent where those of saida say; its status and stderr.
struct Execucao {
    int status;
    std::string erro;
};

Execucao executa(const PastaTemporaria& pasta, const std::string& argumentos,
                 const std::string& saida = "> /dev/null", const std::string& antes = "") {
    const auto saida_erro = pasta.caminho() / "stderr.txt";
    const std::string comando = "cd '" + pasta.caminho().string() + "' && " + antes + "'" +
                                QUINDRA_RENDER + "' " + argumentos + " 2> '" + saida_erro.string() +
                                "' " + saida;
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
        int status;
    };
    const Caso casos[] = {
        {"falta.txt", "Erro na Abertura do Arquivo\n", 1},
        {"'" + AMOSTRAS + "/cubo.txt' -a 6", "Não há textura carregada.\n", 1},
        {"'" + AMOSTRAS + "/cubo.txt' -a 9",
         "Algoritmo inválido: use um número de 0 a 8 ou \"todos\".\n", 2},
    };
    for (const auto& c : casos) {
        const auto r = executa(pasta, c.argumentos);
        EXPECT_EQ(r.status, c.status) << c.argumentos;
        EXPECT_EQ(r.erro, c.mensagem);
    }
    const auto textura_ruim =
        executa(pasta, "'" + AMOSTRAS + "/cubo.txt' --textura '" + AMOSTRAS + "/cubo.txt'");
    EXPECT_EQ(textura_ruim.status, 1);
    EXPECT_FALSE(textura_ruim.erro.empty());
    EXPECT_EQ(executa(pasta, "--nada").status, 2);
}

// A command line that cannot be carried out as typed is refused before anything is drawn,
// in Portuguese, with status 2.
TEST(QuindraRender, ArgumentosRuinsSaoRecusados) {
    PastaTemporaria pasta;
    pasta.escreve("arquivo", "");
    const std::string cubo = "'" + AMOSTRAS + "/cubo.txt' ";
    const std::string algoritmo_invalido =
        "Algoritmo inválido: use um número de 0 a 8 ou \"todos\".";
    const struct {
        std::string argumentos, mensagem;
    } casos[] = {
        {"", "Falta o argumento OBJETO. Use --help."},
        {cubo + "--nada", "Argumento não esperado: \"--nada\". Use --help."},
        {cubo + "a b", "Argumentos não esperados: \"a\" \"b\". Use --help."},
        {cubo + "-a", "A opção -a pede um valor. Use --help."},
        {cubo + "-a 1 -a 2", "A opção -a pede um valor. Use --help."},
        {cubo + "--faces 1", "A opção --faces pede 2 valores. Use --help."},
        {cubo + "--tempo=sim", "A opção --tempo não leva valor. Use --help."},
        {cubo + "-a 05", algoritmo_invalido},
        {cubo + "-a -0", algoritmo_invalido},
        {cubo + "-a ' 5'", algoritmo_invalido},
        {cubo + "-a Todos", algoritmo_invalido},
        {cubo + "--faces a 2", "--faces: \"a\" não é um número inteiro."},
        {cubo + "--faces 1 2.0", "--faces: \"2.0\" não é um número inteiro."},
        {cubo + "--dir falta", "--dir: a pasta \"falta\" não existe."},
        {cubo + "--dir arquivo", "--dir: \"arquivo\" não é uma pasta."},
    };
    for (const auto& caso : casos) {
        const auto r = executa(pasta, "-o saida.bmp " + caso.argumentos);
        EXPECT_EQ(r.status, 2) << caso.argumentos;
        EXPECT_EQ(r.erro, caso.mensagem + "\n") << caso.argumentos;
        EXPECT_FALSE(std::filesystem::exists(pasta.caminho() / "saida.bmp")) << caso.argumentos;
    }
}

// A configuration file that is there but cannot be read is a warning; one that reads wrong
// stops the drawing, since its values are not what the user meant. Missing ones say nothing.
TEST(QuindraRender, ConfiguracaoIlegivelAvisaEMalformadaRecusa) {
    PastaTemporaria pasta;
    std::filesystem::create_directory(pasta.caminho() / "camera.txt");
    const std::string comando = "'" + AMOSTRAS + "/cubo.txt' --dir . -o saida.bmp";
    const auto ilegivel = executa(pasta, comando);
    EXPECT_EQ(ilegivel.status, 0);
    EXPECT_EQ(ilegivel.erro, "Aviso: ./camera.txt não pôde ser lido; valem os valores iniciais.\n");
    EXPECT_TRUE(imagem_valida(pasta.caminho() / "saida.bmp"));

    std::filesystem::remove(pasta.caminho() / "saida.bmp");
    pasta.escreve("objeto.txt", "255 255 0 255 255 0 255 255 255 255 255 255 0,5 0.5 1");
    const auto malformado = executa(pasta, comando);
    EXPECT_EQ(malformado.status, 2);
    EXPECT_EQ(malformado.erro, "Aviso: ./camera.txt não pôde ser lido; valem os valores iniciais.\n"
                               "Arquivo de configuração com erro: ./objeto.txt.\n");
    EXPECT_FALSE(std::filesystem::exists(pasta.caminho() / "saida.bmp"));
    EXPECT_EQ(teste::conteudo(pasta.caminho() / "objeto.txt"),
              "255 255 0 255 255 0 255 255 255 255 255 255 0,5 0.5 1"); // nothing written
}

// With every algorithm, a failure names the algorithm it belongs to and the others still draw.
TEST(QuindraRender, TodosNomeiaOAlgoritmoQueFalha) {
    PastaTemporaria pasta;
    const auto r = executa(pasta, "'" + AMOSTRAS + "/cubo.txt' -a todos -o quadro.bmp");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.erro, "Phong Shading com Textura Projetada: Não há textura carregada.\n");
    EXPECT_FALSE(std::filesystem::exists(pasta.caminho() / "quadro6.bmp"));
    EXPECT_TRUE(imagem_valida(pasta.caminho() / "quadro8.bmp"));
}

// -o /dev/stdout sends the image down a pipe or into the file the shell opened; a file size
// limit makes the save fail like a full disk, with the message and status 1, leaving nothing.
TEST(QuindraRender, SaidaPadraoELimiteDeTamanho) {
    PastaTemporaria pasta;
    const std::string cubo = "'" + AMOSTRAS + "/cubo.txt' -a 0 -o /dev/stdout";
    EXPECT_EQ(executa(pasta, cubo, "| cat > canal.bmp").status, 0);
    EXPECT_EQ(executa(pasta, cubo, "> arquivo.bmp").status, 0);
    for (const char* saida : {"canal.bmp", "arquivo.bmp"})
        EXPECT_TRUE(imagem_valida(pasta.caminho() / saida)) << saida;

    PastaTemporaria limitada;
    const auto r = executa(limitada, "'" + AMOSTRAS + "/cubo.txt' -o grande.bmp", "> /dev/null",
                           "ulimit -f 8 && ");
    EXPECT_EQ(r.status, 1) << r.erro; // 153 when the signal kills it
    EXPECT_NE(r.erro.find("grande.bmp"), std::string::npos) << r.erro;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(limitada.caminho()), {}), 1)
        << "only stderr.txt is left";
}

} // namespace
} // namespace quindra
