#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

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
using Campos = std::vector<CampoTexto Janela::*>;

const std::string CAMERA_PADRAO = "0 0 1\r\n0 1 0\r\n0 0 0\r\n1\r\n1\r\n1 \r\n";
const std::string CENA_PADRAO = "255 255 255\r\n0.5\r\n1\r\n255 255 255\r\n0 0 0\r\n";
const std::string OBJETO_PADRAO =
    "255 255 0\r\n255 255 0\r\n255 255 255\r\n255 255 255\r\n0.5\r\n0.5\r\n1\r\n";

// Each file's fields in file order.
const Campos CAMERA{&Janela::Nx_edit, &Janela::Ny_edit, &Janela::Nz_edit, &Janela::Vx_edit,
                    &Janela::Vy_edit, &Janela::Vz_edit, &Janela::Cx_edit, &Janela::Cy_edit,
                    &Janela::Cz_edit, &Janela::d_edit,  &Janela::hx_edit, &Janela::hy_edit};
const Campos CENA{&Janela::IaRed_edit,  &Janela::IaGreen_edit, &Janela::IaBlue_edit,
                  &Janela::Ka_edit,     &Janela::IlRed_edit,   &Janela::IlGreen_edit,
                  &Janela::IlBlue_edit, &Janela::Plx_edit,     &Janela::Ply_edit,
                  &Janela::Plz_edit};
const Campos OBJETO{&Janela::OdiRed_edit, &Janela::OdiGreen_edit, &Janela::OdiBlue_edit,
                    &Janela::OdeRed_edit, &Janela::OdeGreen_edit, &Janela::OdeBlue_edit,
                    &Janela::OsiRed_edit, &Janela::OsiGreen_edit, &Janela::OsiBlue_edit,
                    &Janela::OseRed_edit, &Janela::OseGreen_edit, &Janela::OseBlue_edit,
                    &Janela::Kd_edit,     &Janela::Ks_edit,       &Janela::rugosidade_edit};

std::string textos(const Janela& janela, const Campos& campos) {
    std::string juntos;
    for (auto campo : campos) juntos += (juntos.empty() ? "" : " ") + (janela.*campo).texto;
    return juntos;
}

std::string textos(const TextosDasFontes& fontes) {
    std::string juntos;
    for (const std::string& texto : fontes) juntos += (juntos.empty() ? "" : " ") + texto;
    return juntos;
}

std::ptrdiff_t quantos_arquivos(const PastaTemporaria& pasta) {
    return std::distance(fs::directory_iterator(pasta.caminho()), {});
}

TEST(Configuracao, PastaVaziaRecebeOsPadroes) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    Janela janela(plataforma, pasta.caminho());
    EXPECT_EQ(conteudo(pasta.caminho() / "camera.txt"), CAMERA_PADRAO);
    EXPECT_EQ(conteudo(pasta.caminho() / "cena.txt"), CENA_PADRAO);
    EXPECT_EQ(conteudo(pasta.caminho() / "objeto.txt"), OBJETO_PADRAO);
    EXPECT_EQ(quantos_arquivos(pasta), 3); // no backup, no temporary file left
    EXPECT_EQ(textos(janela.sessao.sistema.ListaDeFontes), "255 255 255 0 0 0");
    EXPECT_EQ(textos(janela, CAMERA), "0 0 -1 0 1 0 0 0 200 1 1 1"); // the window's, not the file's

    PastaTemporaria so_le;
    Janela leitora(plataforma, so_le.caminho(), Persistencia::so_le);
    leitora.FormDestroy();
    EXPECT_EQ(quantos_arquivos(so_le), 0);

    // Without persistence the files are neither read nor written.
    Janela sem_arquivos(plataforma, pasta.caminho(), Persistencia::nenhuma);
    EXPECT_EQ(textos(sem_arquivos, CAMERA), "0 0 -1 0 1 0 0 0 200 1 1 1");
    EXPECT_EQ(textos(sem_arquivos.sessao.sistema.ListaDeFontes), "255 255 255 0 0 0");
    sem_arquivos.Cx_edit.texto = "5";
    sem_arquivos.FormDestroy();
    EXPECT_EQ(conteudo(pasta.caminho() / "camera.txt"), CAMERA_PADRAO);
}

TEST(Configuracao, Leitura) {
    const std::string INICIAIS_CENA = "255 255 255 0.5 255 255 255 0 0 0";
    const struct {
        const char* nome;
        std::string conteudo;
        const Campos& campos;
        std::string esperados;
        std::string fontes;
        bool substituido; // by the default file, the old one kept as .bak
    } casos[] = {
        {"camera.txt", "0 0 -1.50\r\n0.0 1 0\r\n10 20 30\r\n2\r\n0.5\r\n1E3", CAMERA,
         "0 0 -1.5 0 1 0 10 20 30 2 0.5 1000", "255 255 255 0 0 0", false},
        // cut short: the zeros of what is missing are not the user's
        {"camera.txt", "1 2 3", CAMERA, "0 0 -1 0 1 0 0 0 200 1 1 1", "255 255 255 0 0 0", true},
        {"camera.txt", "5 5 5 0 1 0 x", CAMERA, "0 0 -1 0 1 0 0 0 200 1 1 1", "255 255 255 0 0 0",
         true},
        {"objeto.txt", "1 2 3\n4 5 6\n7 8 9\n10 11 12\n13\n14\n15", OBJETO,
         "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", "255 255 255 0 0 0", false},
        {"objeto.txt", "9 9 9 9,5", OBJETO, "255 255 0 255 255 0 255 255 255 255 255 255 0.5 0.5 1",
         "255 255 255 0 0 0", true},
        {"cena.txt", "1 2 3\r\n0.250\r\n3\r\n1 1 1 \r\n-1 -1 -1 \r\n2 2 2 \r\n-2 -2 -2 \r\n", CENA,
         "1 2 3 0.25 1 1 1 -1 -1 -1", "1 1 1 -1 -1 -1 2 2 2 -2 -2 -2", true},
        {"cena.txt", "1 2 3 0.25 2000000000 1 1 1 -1 -1 -1\r\n \r\n", CENA,
         "1 2 3 0.25 1 1 1 -1 -1 -1", "1 1 1 -1 -1 -1", true},
        {"cena.txt", "1 2 3 0.25", CENA, INICIAIS_CENA, "255 255 255 0 0 0", true},
        {"cena.txt", "1 2 3 0.25 0 1 1 1 -1 -1 -1 2 2 2 -2 -2 -2", CENA,
         "1 2 3 0.25 1 1 1 -1 -1 -1", "1 1 1 -1 -1 -1", false},
        {"cena.txt", "1 2 3 0.25 2 1 1 1 -1 -1 -1 2 x 2 -2 -2 -2", CENA,
         "1 2 3 0.25 1 1 1 -1 -1 -1", "1 1 1 -1 -1 -1", true},
        {"cena.txt", "1 2 3 0.25 2.0 1 1 1 -1 -1 -1", CENA, INICIAIS_CENA, "255 255 255 0 0 0",
         true},
        {"cena.txt", "1 2 3 0.25 2000000000 1 1 1 -1 -1 -1 2 2 2 -2 -2 -2 x", CENA,
         "1 2 3 0.25 1 1 1 -1 -1 -1", "1 1 1 -1 -1 -1 2 2 2 -2 -2 -2", true},
    };
    for (const auto& caso : casos) {
        PastaTemporaria pasta;
        PlataformaFalsa plataforma;
        const fs::path arquivo = pasta.escreve(caso.nome, caso.conteudo);
        Janela janela(plataforma, pasta.caminho());
        EXPECT_EQ(textos(janela, caso.campos), caso.esperados) << caso.conteudo;
        EXPECT_EQ(textos(janela.sessao.sistema.ListaDeFontes), caso.fontes) << caso.conteudo;
        const std::string padrao = caso.campos == CAMERA ? CAMERA_PADRAO
                                   : caso.campos == CENA ? CENA_PADRAO
                                                         : OBJETO_PADRAO;
        EXPECT_EQ(conteudo(arquivo), caso.substituido ? padrao : caso.conteudo);
        EXPECT_EQ(conteudo(arquivo.string() + ".bak"), caso.substituido ? caso.conteudo : "");
        const std::string nome = caso.nome;
        EXPECT_EQ(janela.Mensagem_label.texto,
                  caso.substituido ? nome + " com problemas: guardado como " + nome + ".bak."
                                   : " ");
        for (const ArquivoLido& lido : janela.configuracao_lida()) {
            const SituacaoArquivo esperada = lido.nome != caso.nome ? SituacaoArquivo::ausente
                                             : caso.substituido     ? SituacaoArquivo::malformado
                                                                    : SituacaoArquivo::lido;
            EXPECT_EQ(lido.situacao, esperada) << lido.nome << " " << caso.conteudo;
        }
    }
}

TEST(Configuracao, FecharGravaOsTextosComoEstaoEAFonteVisivel) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    pasta.escreve("cena.txt", "1 2 3 0.25 3 1 1 1 -1 -1 -1 2 2 2 -2 -2 -2 3 3 3 -3 -3 -3");
    Janela janela(plataforma, pasta.caminho());
    janela.Cx_edit.texto = "1.50";
    janela.hy_edit.texto = "abc";
    janela.Kd_edit.texto = "0,5";
    janela.FontePosterior_buttonClick();
    janela.IlRed_edit.texto = "77"; // typed on light 2, no command since
    janela.FormDestroy();
    EXPECT_EQ(conteudo(pasta.caminho() / "camera.txt"),
              "0 0 -1\r\n0 1 0\r\n1.50 0 200\r\n1\r\n1\r\nabc\r\n");
    EXPECT_EQ(conteudo(pasta.caminho() / "cena.txt"),
              "1 2 3\r\n0.25\r\n3\r\n1 1 1 \r\n-1 -1 -1 \r\n77 2 2 \r\n-2 -2 -2 \r\n"
              "3 3 3 \r\n-3 -3 -3 \r\n");
    EXPECT_EQ(conteudo(pasta.caminho() / "objeto.txt"),
              "255 255 0\r\n255 255 0\r\n255 255 255\r\n255 255 255\r\n0,5\r\n0.5\r\n1\r\n");
    EXPECT_EQ(janela.Mensagem_label.texto, " ");
}

TEST(Configuracao, FalhaAoGravarUmArquivoAvisaEGravaOsOutros) {
    const char* const nomes[] = {"camera.txt", "cena.txt", "objeto.txt"};
    const char* const antigos[] = {"0 0 -1 0 1 0 0 0 200 1 1 1", "255 255 255 0.5 1 1 1 1 0 0 0",
                                   "255 255 0 255 255 0 255 255 255 255 255 255 0.5 0.5 1"};
    for (std::size_t diretorio = 0; diretorio < 3; ++diretorio) {
        PastaTemporaria pasta;
        PlataformaFalsa plataforma;
        for (std::size_t i = 0; i < 3; ++i) {
            if (i == diretorio)
                fs::create_directory(pasta.caminho() / nomes[i]);
            else
                pasta.escreve(nomes[i], antigos[i]);
        }
        Janela janela(plataforma, pasta.caminho());
        janela.FormDestroy();
        EXPECT_EQ(janela.Mensagem_label.texto, "Erro ao se gravar arquivos de configuração.");
        for (std::size_t i = 0; i < 3; ++i) {
            if (i == diretorio) continue;
            // written files have line breaks, so an old one is easy to tell
            EXPECT_NE(conteudo(pasta.caminho() / nomes[i]), antigos[i]) << nomes[i];
        }
        EXPECT_TRUE(fs::is_directory(pasta.caminho() / nomes[diretorio]));
        EXPECT_EQ(quantos_arquivos(pasta), 3);
    }
}

// The largest double written with fifteen digits rounds past itself and would no longer read;
// the camera must come back from a close and a new start exactly as it was.
TEST(Configuracao, NumeroExtremoVoltaIgualNoInicioSeguinte) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    pasta.escreve("camera.txt", "0 0 -1\r\n0 1 0\r\n1.7976931348623157e308 -1.79769313486231e308 "
                                "200\r\n1\r\n1\r\n1\r\n");
    for (int inicio = 0; inicio < 2; ++inicio) {
        Janela janela(plataforma, pasta.caminho());
        EXPECT_EQ(janela.Cx_edit.texto, "1.7976931348623157E308");
        EXPECT_EQ(janela.Cy_edit.texto, "-1.79769313486231E308");
        janela.FormDestroy();
    }
    EXPECT_FALSE(fs::exists(pasta.caminho() / "camera.txt.bak"));
}

// Every start that meets an unreadable file keeps it; the oldest copies give way only past ten.
TEST(Configuracao, CopiasDeSegurancaSeAcumulam) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    const auto ruim = [](int n) { return "ruim " + std::to_string(n); };
    for (int n = 1; n <= 12; ++n) {
        pasta.escreve("camera.txt", ruim(n));
        Janela janela(plataforma, pasta.caminho());
        EXPECT_EQ(conteudo(pasta.caminho() / "camera.txt"), CAMERA_PADRAO);
    }
    EXPECT_EQ(conteudo(pasta.caminho() / "camera.txt.bak"), ruim(12));
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(conteudo(pasta.caminho() / ("camera.txt.bak." + std::to_string(i))),
                  ruim(12 - i));
    EXPECT_EQ(quantos_arquivos(pasta), 3 + 10);

    // A gap left by a copy the user removed is filled; nothing older moves. The same bad file
    // again, start after start, is kept once: the copies stay distinct versions.
    fs::remove(pasta.caminho() / "camera.txt.bak.4");
    for (int vez = 0; vez < 3; ++vez) {
        pasta.escreve("camera.txt", ruim(13));
        Janela janela(plataforma, pasta.caminho());
        EXPECT_EQ(janela.Mensagem_label.texto,
                  "camera.txt com problemas: guardado como camera.txt.bak.");
    }
    for (int i = 0; i <= 9; ++i) {
        const std::string sufixo = i == 0 ? "" : "." + std::to_string(i);
        EXPECT_EQ(conteudo(pasta.caminho() / ("camera.txt.bak" + sufixo)),
                  ruim(i <= 4 ? 13 - i : 12 - i))
            << i;
    }
}

// A file the user made read-only, or one this user may not read, is the user's to keep: it is
// neither backed up nor replaced at start, nor written at close, and the window says so.
TEST(Configuracao, ArquivosPreservados) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    const std::string camera = "0 0 -1\r\n0 1 0\r\n0 0 90\r\n1\r\n1\r\n1\r\n";
    const fs::path somente_leitura = pasta.escreve("camera.txt", camera);
    fs::permissions(somente_leitura,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::path ilegivel = pasta.escreve("objeto.txt", "1 2 3");
    fs::permissions(ilegivel, fs::perms::none);
    fs::permissions(pasta.caminho(), fs::perms::all); // "nobody" may write the folder
    {
        teste::SemPrivilegios sem_privilegios;
        Janela janela(plataforma, pasta.caminho());
        EXPECT_EQ(janela.Cz_edit.texto, "90");
        EXPECT_EQ(janela.Kd_edit.texto, "0.5"); // the window's own
        EXPECT_EQ(janela.Mensagem_label.texto,
                  "camera.txt é somente leitura: ele não será gravado ao fechar. Sem permissão "
                  "para ler objeto.txt: ele não será gravado ao fechar.");
        janela.Cz_edit.texto = "300";
        janela.Kd_edit.texto = "0.125";
        janela.Ka_edit.texto = "0.75";
        EXPECT_TRUE(janela.FormCloseQuery());
        janela.FormDestroy();
    }
    EXPECT_TRUE(plataforma.erros.empty());
    EXPECT_EQ(conteudo(somente_leitura), camera);
    EXPECT_EQ(fs::status(ilegivel).permissions(), fs::perms::none);
    EXPECT_EQ(conteudo(ilegivel), "1 2 3");
    EXPECT_NE(conteudo(pasta.caminho() / "cena.txt").find("\r\n0.75\r\n"), std::string::npos);
    EXPECT_EQ(quantos_arquivos(pasta), 3); // no backup
}

// A write killed midway leaves NAME.tmpDIGITS behind; the next start removes ours once they are
// old enough not to be another window's write in progress, and nothing else.
TEST(Configuracao, TemporariosEsquecidosSaoRemovidos) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    const auto velho = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* nome : {"camera.txt.tmp123", "cena.txt.tmp9", "objeto.txt.tmpx1",
                             "outro.txt.tmp1", "camera.txt.tmp"})
        fs::last_write_time(pasta.escreve(nome, "resto"), velho);
    pasta.escreve("objeto.txt.tmp77", "uma gravação em curso");
    Janela janela(plataforma, pasta.caminho());
    for (const char* nome : {"camera.txt.tmp123", "cena.txt.tmp9"})
        EXPECT_FALSE(fs::exists(pasta.caminho() / nome)) << nome;
    for (const char* nome :
         {"objeto.txt.tmpx1", "outro.txt.tmp1", "camera.txt.tmp", "objeto.txt.tmp77"})
        EXPECT_TRUE(fs::exists(pasta.caminho() / nome)) << nome;
}

} // namespace
} // namespace quindra
