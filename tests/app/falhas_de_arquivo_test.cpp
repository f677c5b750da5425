// The window against the outside world: links, permissions, read-only folders, FIFOs, files
// that vanish and a disk that fills up. None of them may hang, crash or lose a user's file.
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "apoio/limites_do_sistema.hpp"
#include "apoio/pasta_temporaria.hpp"
#include "apoio/plataforma_falsa.hpp"
#include "app/janela.hpp"

namespace quindra {
namespace {

namespace fs = std::filesystem;
using teste::conteudo;
using teste::PastaTemporaria;
using teste::PlataformaFalsa;

const std::string ERRO_AO_GRAVAR = "Erro ao se gravar arquivos de configuração.";
const std::string CAMERA = "0 0 -1\r\n0 1 0\r\n0 0 200\r\n1\r\n1\r\n2\r\n";

fs::perms permissoes(const fs::path& arquivo) { return fs::status(arquivo).permissions(); }

// Everything but the named files is a leftover (a temporary file, say).
bool so_estes(const fs::path& pasta, std::initializer_list<const char*> nomes) {
    std::size_t encontrados = 0;
    for (const auto& entrada : fs::directory_iterator(pasta)) {
        ++encontrados;
        if (std::find(nomes.begin(), nomes.end(), entrada.path().filename()) == nomes.end())
            return false;
    }
    return encontrados == nomes.size();
}

// Links are written through to the file they name, never replaced by a file of their own, and
// a file keeps the permissions its owner gave it.
TEST(FalhasDeArquivo, LigacoesEPermissoes) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    const fs::path real = pasta.caminho() / "real";
    fs::create_directory(real);
    const fs::path camera = pasta.escreve("camera.txt", CAMERA);
    fs::permissions(camera, fs::perms::owner_read | fs::perms::owner_write);
    const fs::path cena_real = pasta.escreve("real/cena.txt", "x"); // unreadable: replaced
    fs::permissions(cena_real,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/cena.txt", pasta.caminho() / "cena.txt");
    fs::create_symlink(real / "objeto.txt", pasta.caminho() / "objeto.txt"); // dangling
    {
        Janela janela(plataforma, pasta.caminho());
        EXPECT_EQ(janela.hy_edit.texto, "2");
        EXPECT_EQ(conteudo(real / "cena.txt.bak"), "x");
        janela.Ka_edit.texto = "0.75";
        janela.Kd_edit.texto = "0.25";
        janela.FormDestroy();
        EXPECT_EQ(janela.Mensagem_label.texto, " ");
    }
    EXPECT_EQ(conteudo(camera), CAMERA);
    EXPECT_EQ(permissoes(camera), fs::perms::owner_read | fs::perms::owner_write);
    for (const char* nome : {"cena.txt", "objeto.txt"})
        EXPECT_TRUE(fs::is_symlink(pasta.caminho() / nome)) << nome;
    EXPECT_EQ(conteudo(cena_real).substr(0, 18), "255 255 255\r\n0.75\r");
    EXPECT_EQ(permissoes(cena_real),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_NE(conteudo(real / "objeto.txt").find("\r\n0.25\r\n"), std::string::npos);
    EXPECT_TRUE(so_estes(real, {"cena.txt", "cena.txt.bak", "objeto.txt"}));

    // A loop of links is no file: it is reported, not broken.
    fs::remove(pasta.caminho() / "objeto.txt");
    fs::create_symlink("objeto.txt", pasta.caminho() / "objeto.txt");
    Janela janela(plataforma, pasta.caminho());
    janela.FormDestroy();
    EXPECT_EQ(janela.Mensagem_label.texto, ERRO_AO_GRAVAR);
    EXPECT_TRUE(fs::is_symlink(pasta.caminho() / "objeto.txt"));
}

// Nothing can be created or renamed in a read-only folder: the unreadable file stays, no
// default appears, and closing says the files could not be written.
TEST(FalhasDeArquivo, PastaSomenteLeitura) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    pasta.escreve("camera.txt", "ruim");
    pasta.escreve("cena.txt", "1 2 3 0.5 1 9 9 9 0 0 0");
    fs::permissions(pasta.caminho(), fs::perms::owner_read | fs::perms::owner_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
    {
        teste::SemPrivilegios sem_privilegios;
        Janela janela(plataforma, pasta.caminho());
        EXPECT_EQ(janela.Cz_edit.texto, "200");
        EXPECT_EQ(janela.IlRed_edit.texto, "9");
        janela.FormDestroy();
        EXPECT_EQ(janela.Mensagem_label.texto, ERRO_AO_GRAVAR);
    }
    fs::permissions(pasta.caminho(), fs::perms::owner_all);
    EXPECT_EQ(conteudo(pasta.caminho() / "camera.txt"), "ruim");
    EXPECT_EQ(conteudo(pasta.caminho() / "cena.txt"), "1 2 3 0.5 1 9 9 9 0 0 0");
    EXPECT_TRUE(so_estes(pasta.caminho(), {"camera.txt", "cena.txt"}));
}

// A FIFO where a file should be has no writer: reading it would wait for ever.
TEST(FalhasDeArquivo, FifoNaoTrava) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    for (const char* nome : {"camera.txt", "tetcores.txt", "objeto.obj"})
        ASSERT_EQ(mkfifo((pasta.caminho() / nome).c_str(), 0600), 0);
    alarm(20); // a hang becomes a failure
    Janela janela(plataforma, pasta.caminho());
    EXPECT_EQ(janela.configuracao_lida()[0].situacao, SituacaoArquivo::ilegivel);
    EXPECT_EQ(fs::status(pasta.caminho() / "camera.txt.bak").type(), fs::file_type::fifo);
    EXPECT_EQ(conteudo(pasta.caminho() / "camera.txt"),
              "0 0 1\r\n0 1 0\r\n0 0 0\r\n1\r\n1\r\n1 \r\n");
    janela.clica(janela.TModo);
    EXPECT_EQ(janela.Mensagem_label.texto, "Problemas com arquivo de cores.");
    EXPECT_FALSE(janela.sistema.ModoTetraedro);
    plataforma.arquivos_para_abrir.push_back((pasta.caminho() / "objeto.obj").string());
    janela.CarregarObj_buttonClick();
    EXPECT_EQ(janela.Mensagem_label.texto, "Erro na Abertura do Arquivo");
    alarm(0);
}

TEST(FalhasDeArquivo, ArquivosQueSomem) {
    PlataformaFalsa plataforma;
    auto pasta = std::make_unique<PastaTemporaria>();
    pasta->escreve("tetcores.txt", "1 10 20 30");
    Janela janela(plataforma, pasta->caminho());
    janela.clica(janela.TModo);
    EXPECT_TRUE(janela.sistema.ModoTetraedro);
    janela.clica(janela.TModo);
    // the colour file, then the whole working folder, go away during the run
    fs::remove(pasta->caminho() / "tetcores.txt");
    janela.clica(janela.TModo);
    EXPECT_EQ(janela.Mensagem_label.texto, "Problemas com arquivo de cores.");
    EXPECT_FALSE(janela.sistema.ModoTetraedro);
    EXPECT_EQ(janela.sistema.TabelaTetraedros[0].cor.r, 10); // the colours read before stay
    const fs::path caminho = pasta->caminho();
    pasta.reset();
    janela.FormDestroy();
    EXPECT_EQ(janela.Mensagem_label.texto, ERRO_AO_GRAVAR);
    EXPECT_FALSE(fs::exists(caminho));
}

// A file that does not fit is not written, and the old one stays whole; the smaller files are
// written all the same.
TEST(FalhasDeArquivo, DiscoCheio) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    const fs::path camera = pasta.escreve("camera.txt", CAMERA);
    Janela janela(plataforma, pasta.caminho());
    janela.hx_edit.texto = std::string(500, '7');
    janela.Ka_edit.texto = "0.125";
    {
        teste::DiscoCheio disco_cheio(200); // the default cena.txt and objeto.txt fit
        janela.FormDestroy();
    }
    EXPECT_EQ(janela.Mensagem_label.texto, ERRO_AO_GRAVAR);
    EXPECT_EQ(conteudo(camera), CAMERA);
    EXPECT_NE(conteudo(pasta.caminho() / "cena.txt").find("\r\n0.125\r\n"), std::string::npos);
    EXPECT_TRUE(so_estes(pasta.caminho(), {"camera.txt", "cena.txt", "objeto.txt"}));
}

} // namespace
} // namespace quindra
