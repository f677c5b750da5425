#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "apoio/pasta_temporaria.hpp"
#include "apoio/plataforma_falsa.hpp"
#include "app/janela.hpp"
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
    const auto giro_invalido = [](const std::string& quadros) {
        return "--giro: \"" + quadros + "\" não é um número inteiro de 1 a 100000.";
    };
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
        {cubo + "--giro", "A opção --giro pede um valor. Use --help."},
        {cubo + "--giro 0", giro_invalido("0")},
        {cubo + "--giro -1", giro_invalido("-1")},
        {cubo + "--giro 2.5", giro_invalido("2.5")},
        {cubo + "--giro 1e3", giro_invalido("1e3")},
        {cubo + "--giro x", giro_invalido("x")},
        {cubo + "--giro 100001", giro_invalido("100001")},
        {cubo + "--giro 4294967297", giro_invalido("4294967297")},
        {cubo + "-a todos --giro 3", "--giro desenha com um só algoritmo: não vale com -a todos."},
        {cubo + "--ate -1", "--ate: \"-1\" não é um número inteiro de 0 em diante."},
        {cubo + "--ate 2.5", "--ate: \"2.5\" não é um número inteiro de 0 em diante."},
        {cubo + "--ate +3", "--ate: \"+3\" não é um número inteiro de 0 em diante."},
        {cubo + "-a 7 --ate 3", "--ate vale para os algoritmos de 0 a 6."},
        {cubo + "-a todos --ate 3", "--ate vale para os algoritmos de 0 a 6."},
        {cubo + "-a 2 --profundidade z.bmp", "--profundidade vale só para os algoritmos de 4 a 7."},
        {cubo + "-a 5 --grade folha.png", "--grade pede -a todos."},
    };
    for (const auto& caso : casos) {
        const auto r = executa(pasta, "-o saida.bmp " + caso.argumentos);
        EXPECT_EQ(r.status, 2) << caso.argumentos;
        EXPECT_EQ(r.erro, caso.mensagem + "\n") << caso.argumentos;
        for (const char* saida : {"saida.bmp", "saida0001.bmp"})
            EXPECT_FALSE(std::filesystem::exists(pasta.caminho() / saida)) << caso.argumentos;
    }
}

// The depth buffer beside the frame, and the frame of the first K triangles: none of them leaves
// the cleared frame and an empty depth buffer (all black); all of them, the usual frame.
TEST(QuindraRender, ProfundidadeEPrimeirosTriangulos) {
    PastaTemporaria pasta;
    const std::string toro = "'" + AMOSTRAS + "/toro.txt' -a 4 ";
    ASSERT_EQ(executa(pasta, toro + "-o nada.bmp --profundidade znada.bmp --ate 0").status, 0);
    ASSERT_EQ(executa(pasta, toro + "-o todos.bmp --profundidade z.bmp --ate 99999").status, 0);
    ASSERT_EQ(executa(pasta, toro + "-o normal.bmp").status, 0);
    std::string erro;
    const auto carrega = [&](const char* nome) {
        return *carrega_imagem(pasta.caminho() / nome, erro);
    };
    const Bitmap nada = carrega("nada.bmp"), znada = carrega("znada.bmp");
    const Bitmap todos = carrega("todos.bmp"), z = carrega("z.bmp"), normal = carrega("normal.bmp");
    EXPECT_EQ(nada.pixel(300, 250), BRANCO);
    EXPECT_EQ(znada.rgb(), std::vector<std::uint8_t>(nada.rgb().size(), 0));
    EXPECT_EQ(todos.rgb(), normal.rgb());
    EXPECT_EQ(z.pixel(5, 5), PRETO);
    EXPECT_EQ(z.pixel(300, 300), PRETO); // the hole of the torus
    EXPECT_NE(z.pixel(300, 250), PRETO);
}

// The file manager's preview: one square PNG of the asked side for each mesh format, the object
// framed so that it fills the middle of the picture; a file that is no mesh leaves no picture,
// and bad arguments are refused before anything is read.
TEST(QuindraRender, MiniaturaDeCadaFormato) {
    PastaTemporaria pasta;
    const std::string pontos = "0 0 0\n500 0 0\n0 500 0\n0 0 500\n";
    const struct {
        const char* nome;
        std::string conteudo;
    } malhas[] = {
        {"t.txt", "4 4\n" + pontos + "1 3 2\n1 2 4\n2 3 4\n3 1 4\n"},
        {"t.off", "OFF\n4 4 0\n" + pontos + "3 0 2 1\n3 0 1 3\n3 1 2 3\n3 2 0 3\n"},
        {"t.obj", "v 0 0 0\nv 500 0 0\nv 0 500 0\nv 0 0 500\nf 1 3 2\nf 1 2 4\nf 2 3 4\n"
                  "f 3 1 4\n"},
        {"t.ply", "ply\nformat ascii 1.0\nelement vertex 4\nproperty float x\nproperty float y\n"
                  "property float z\nelement face 4\nproperty list uchar int vertex_indices\n"
                  "end_header\n" +
                      pontos + "3 0 2 1\n3 0 1 3\n3 1 2 3\n3 2 0 3\n"},
        {"t.stl", "solid t\nfacet normal 0 0 1\nouter loop\nvertex 0 0 0\nvertex 500 0 0\n"
                  "vertex 0 500 0\nendloop\nendfacet\nendsolid t\n"},
    };
    std::string erro;
    for (const auto& malha : malhas) {
        pasta.escreve(malha.nome, malha.conteudo);
        const auto r = executa(pasta, std::string("--miniatura 128 ") + malha.nome + " m.png");
        ASSERT_EQ(r.status, 0) << malha.nome << r.erro;
        const auto imagem = carrega_imagem(pasta.caminho() / "m.png", erro);
        ASSERT_TRUE(imagem) << erro;
        EXPECT_EQ(imagem->largura(), 128);
        EXPECT_EQ(imagem->altura(), 128);
        EXPECT_NE(imagem->pixel(64, 64), PRETO) << malha.nome;
        std::filesystem::remove(pasta.caminho() / "m.png");
    }
    const auto gltf = std::string(QUINDRA_DADOS_TESTE) + "/../fuzz/gltf/triangulo.glb";
    EXPECT_EQ(executa(pasta, "--miniatura 64 '" + gltf + "' g.png").status, 0);
    EXPECT_TRUE(carrega_imagem(pasta.caminho() / "g.png", erro)) << erro;

    pasta.escreve("ruim.stl", "solid x\n");
    const auto ruim = executa(pasta, "--miniatura 128 ruim.stl r.png");
    EXPECT_EQ(ruim.status, 1);
    EXPECT_EQ(ruim.erro, "Arquivo com inconsistências nos triângulos.\n");
    EXPECT_FALSE(std::filesystem::exists(pasta.caminho() / "r.png"));

    const std::pair<std::string, std::string> recusas[] = {
        {"--miniatura 15 t.txt r.png", "--miniatura: \"15\" não é um número inteiro de 16 a 1024."},
        {"--miniatura 1025 t.txt r.png",
         "--miniatura: \"1025\" não é um número inteiro de 16 a 1024."},
        {"--miniatura x t.txt r.png", "--miniatura: \"x\" não é um número inteiro de 16 a 1024."},
        {"--miniatura 64 t.txt", "A opção --miniatura pede 3 valores. Use --help."},
        {"-a 2 --miniatura 64 t.txt r.png", "--miniatura não se combina com -a."},
        {"t.txt --miniatura 64 t.txt r.png", "--miniatura não se combina com OBJETO."},
        {"", "Falta o argumento OBJETO. Use --help."},
    };
    for (const auto& [argumentos, mensagem] : recusas) {
        const auto r = executa(pasta, argumentos);
        EXPECT_EQ(r.status, 2) << argumentos;
        EXPECT_EQ(r.erro, mensagem + "\n") << argumentos;
        EXPECT_FALSE(std::filesystem::exists(pasta.caminho() / "r.png")) << argumentos;
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

    // The sheet is written all the same, the message in the failed choice's cell; the frames
    // are not.
    const auto grade = executa(pasta, "'" + AMOSTRAS + "/cubo.txt' -a todos --grade folha.png");
    EXPECT_EQ(grade.status, 1);
    EXPECT_EQ(grade.erro, r.erro);
    std::string erro;
    const auto folha = carrega_imagem(pasta.caminho() / "folha.png", erro);
    ASSERT_TRUE(folha) << erro;
    EXPECT_EQ(folha->largura(), 1800);
    EXPECT_GT(folha->altura(), 1800);
    EXPECT_FALSE(std::filesystem::exists(pasta.caminho() / "quindra0.bmp"));
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

// Frame k of --giro n is the window's frame after k - 1 clicks of "Efetuar Rotação + Desenhar"
// about the vertical axis, with the centre of "Carregar Centro do Objeto" and 360/n degrees typed
// as the angle; one frame is a plain Draw.
TEST(QuindraRender, GiroDaOsQuadrosDaJanela) {
    PastaTemporaria pasta;
    for (const char* nome : {"camera.txt", "cena.txt", "objeto.txt"})
        std::filesystem::copy_file(std::filesystem::path(AMOSTRAS) / "configuracao" / nome,
                                   pasta.caminho() / nome);
    const struct {
        std::string objeto;
        int escolha, quadros;
        std::string angulo;
    } casos[] = {
        {"toro", 4, 4, "90"},
        {"tetraedros", 5, 5, "72"},
        {"tetraedro", 0, 4, "90"},
        {"cubo", 2, 1, "360"},
    };
    for (const auto& caso : casos) {
        const std::string objeto = AMOSTRAS + "/" + caso.objeto + ".txt";
        const auto r = executa(pasta, "'" + objeto + "' --dir . -o giro.png -a " +
                                          std::to_string(caso.escolha) + " --giro " +
                                          std::to_string(caso.quadros));
        ASSERT_EQ(r.status, 0) << r.erro;

        teste::PlataformaFalsa plataforma;
        Janela janela(plataforma, pasta.caminho(), Persistencia::so_le);
        janela.carrega_objeto_de(objeto);
        janela.CarregarCtr_buttonClick();
        janela.Eixos_de_rotacao_radio.selecionado = EIXO_VERTICAL;
        janela.Angulo_edit.texto = caso.angulo;
        janela.Renderizadores_radio.selecionado = caso.escolha;
        janela.Desenhar_buttonClick();
        std::vector<std::uint8_t> anterior;
        for (int k = 1; k <= caso.quadros; ++k) {
            if (k > 1) janela.EfetuarRotDes_buttonClick();
            ASSERT_TRUE(mensagem_de_sucesso(janela.Mensagem_label.texto));
            const auto arquivo = pasta.caminho() / ("giro000" + std::to_string(k) + ".png");
            std::string erro;
            const auto quadro = carrega_imagem(arquivo, erro);
            ASSERT_TRUE(quadro) << erro;
            EXPECT_EQ(quadro->rgb(), janela.Imagem.rgb()) << caso.objeto << " " << k;
            EXPECT_NE(quadro->rgb(), anterior) << caso.objeto << " " << k << " did not turn";
            anterior = quadro->rgb();
            std::filesystem::remove(arquivo);
        }
        // Nothing beyond the last frame.
        for (const auto& entrada : std::filesystem::directory_iterator(pasta.caminho()))
            EXPECT_FALSE(entrada.path().filename().string().starts_with("giro")) << entrada.path();
    }
}

} // namespace
} // namespace quindra
