// The window against the outside world: links, permissions, read-only folders, FIFOs, files
// that vanish and a disk that fills up. None of them may hang, crash or lose a user's file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

#include "apoio/limites_do_sistema.hpp"
#include "apoio/pasta_temporaria.hpp"
#include "apoio/plataforma_falsa.hpp"
#include "app/janela.hpp"
#include "imagens/imagem_arquivo.hpp"

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
        EXPECT_EQ(janela.Mensagem_label.texto,
                  "cena.txt com problemas: guardado como cena.txt.bak.");
        janela.FormDestroy();
        EXPECT_TRUE(plataforma.erros.empty());
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
    // Only a regular file is moved aside and replaced.
    EXPECT_EQ(fs::status(pasta.caminho() / "camera.txt").type(), fs::file_type::fifo);
    EXPECT_FALSE(fs::exists(pasta.caminho() / "camera.txt.bak"));
    janela.clica(janela.TModo);
    EXPECT_EQ(janela.Mensagem_label.texto, "Problemas com arquivo de cores.");
    EXPECT_FALSE(janela.sessao.sistema.ModoTetraedro);
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
    EXPECT_TRUE(janela.sessao.sistema.ModoTetraedro);
    janela.clica(janela.TModo);
    // the colour file, then the whole working folder, go away during the run
    fs::remove(pasta->caminho() / "tetcores.txt");
    janela.clica(janela.TModo);
    EXPECT_EQ(janela.Mensagem_label.texto, "Problemas com arquivo de cores.");
    EXPECT_FALSE(janela.sessao.sistema.ModoTetraedro);
    EXPECT_EQ(janela.sessao.sistema.TabelaTetraedros[0].cor.r, 10); // the colours read before stay
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

// Everything written into a FIFO until lido(). The FIFO is opened at once, so that a writer
// that will not wait for a reader finds one, and held open for writing too, so that the reader
// sees no end before the writer under test has come and gone.
class LeitorDeFifo {
public:
    explicit LeitorDeFifo(const fs::path& fifo)
        : descritor_(::open(fifo.c_str(), O_RDONLY | O_NONBLOCK)),
          guarda_(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK)) {
        ::fcntl(descritor_, F_SETFL, 0);
        leitor_ = std::thread([this] {
            char bloco[4096];
            for (ssize_t n; (n = ::read(descritor_, bloco, sizeof bloco)) > 0;)
                lido_.append(bloco, static_cast<std::size_t>(n));
        });
    }
    ~LeitorDeFifo() { ::close(descritor_); }
    std::string lido() {
        ::close(guarda_);
        leitor_.join();
        return lido_;
    }

private:
    int descritor_, guarda_;
    std::thread leitor_;
    std::string lido_;
};

// A device, a FIFO or a socket in a file's place is written where it is, never replaced by a
// regular file nor moved aside: not an image's destination, not a configuration file reached
// through a link. A FIFO nobody reads refuses at once.
TEST(FalhasDeArquivo, DispositivosNuncaSaoSubstituidos) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    const Bitmap imagem(2, 2);
    std::string erro;
    alarm(20); // a hang becomes a failure
    const fs::path fifo = pasta.caminho() / "imagem.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    {
        LeitorDeFifo leitor(fifo);
        ASSERT_TRUE(salva_imagem(imagem, fifo, erro)) << erro;
        EXPECT_EQ(leitor.lido().substr(0, 2), "BM");
    }
    EXPECT_FALSE(salva_imagem(imagem, fifo, erro)); // nobody reads it now
    EXPECT_NE(erro.find(fifo.string()), std::string::npos) << erro;
    EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);

    // Our own null device, where the system allows making one: written, never replaced.
    const fs::path nulo = pasta.caminho() / "nulo";
    if (mknod(nulo.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) {
        EXPECT_TRUE(salva_imagem(imagem, nulo, erro)) << erro;
        fs::create_symlink(nulo, pasta.caminho() / "camera.txt");
        {
            Janela janela(plataforma, pasta.caminho());
            EXPECT_EQ(janela.configuracao_lida()[0].situacao, SituacaoArquivo::ilegivel);
            EXPECT_TRUE(janela.FormCloseQuery());
        }
        EXPECT_EQ(fs::status(nulo).type(), fs::file_type::character);
        EXPECT_FALSE(fs::exists(pasta.caminho() / "nulo.bak"));
        EXPECT_TRUE(plataforma.perguntas.empty());
    }
    alarm(0);
    EXPECT_TRUE(so_estes(
        pasta.caminho(),
        fs::exists(nulo) ? std::initializer_list<const char*>{"imagem.fifo", "nulo", "camera.txt",
                                                              "cena.txt", "objeto.txt"}
                         : std::initializer_list<const char*>{"imagem.fifo"}));
}

// Closing with a write that fails asks what to do: try again (and again), stay open with every
// value kept, or close without writing.
TEST(FalhasDeArquivo, FecharComFalhaPerguntaOQueFazer) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    const fs::path camera = pasta.escreve("camera.txt", CAMERA);
    Janela janela(plataforma, pasta.caminho());
    janela.Ka_edit.texto = "0.125";
    const auto gravados = [&] { return conteudo(pasta.caminho() / "cena.txt"); };
    const std::string antes = gravados();
    fs::permissions(pasta.caminho(), fs::perms::owner_read | fs::perms::owner_exec);
    {
        teste::SemPrivilegios sem_privilegios;
        using enum RespostaFalhaAoGravar;
        plataforma.respostas_a_falha = {tentar_de_novo, continuar_aberta};
        EXPECT_FALSE(janela.FormCloseQuery());
        EXPECT_EQ(plataforma.perguntas, std::vector<std::string>(2, ERRO_AO_GRAVAR));
        EXPECT_FALSE(janela.fechada());

        PlataformaFalsa outra;
        Janela sem_gravar(outra, pasta.caminho());
        outra.respostas_a_falha = {fechar_sem_gravar};
        sem_gravar.Ka_edit.texto = "0.5";
        EXPECT_TRUE(sem_gravar.FormCloseQuery());
        sem_gravar.FormDestroy(); // settled: no second try, no report
        EXPECT_EQ(outra.perguntas.size(), 1u);
        EXPECT_TRUE(outra.erros.empty());
    }
    fs::permissions(pasta.caminho(), fs::perms::owner_all);
    EXPECT_EQ(gravados(), antes);
    // The folder writable again, trying once more writes everything.
    EXPECT_TRUE(janela.FormCloseQuery());
    EXPECT_NE(gravados().find("\r\n0.125\r\n"), std::string::npos);
    EXPECT_EQ(conteudo(camera), CAMERA);
}

} // namespace
} // namespace quindra
