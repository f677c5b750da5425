#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "apoio/pasta_temporaria.hpp"
#include "apoio/plataforma_falsa.hpp"
#include "app/janela.hpp"

namespace quindra {
namespace {

namespace fs = std::filesystem;
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

std::string le(const fs::path& arquivo) {
    std::ifstream entrada(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), {}};
}

std::ptrdiff_t quantos_arquivos(const PastaTemporaria& pasta) {
    return std::distance(fs::directory_iterator(pasta.caminho()), {});
}

TEST(Configuracao, PastaVaziaRecebeOsPadroes) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    Janela janela(plataforma, pasta.caminho());
    EXPECT_EQ(le(pasta.caminho() / "camera.txt"), CAMERA_PADRAO);
    EXPECT_EQ(le(pasta.caminho() / "cena.txt"), CENA_PADRAO);
    EXPECT_EQ(le(pasta.caminho() / "objeto.txt"), OBJETO_PADRAO);
    EXPECT_EQ(quantos_arquivos(pasta), 3); // no backup, no temporary file left
    EXPECT_EQ(textos(janela.sistema.ListaDeFontes), "255 255 255 0 0 0");
    EXPECT_EQ(textos(janela, CAMERA), "0 0 -1 0 1 0 0 0 200 1 1 1"); // the window's, not the file's

    PastaTemporaria so_le;
    Janela leitora(plataforma, so_le.caminho(), Persistencia::so_le);
    leitora.FormDestroy();
    EXPECT_EQ(quantos_arquivos(so_le), 0);
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
        {"camera.txt", "1 2 3", CAMERA, "1 2 3 0 0 0 0 0 0 0 0 0", "255 255 255 0 0 0", false},
        {"camera.txt", "5 5 5 0 1 0 x", CAMERA, "0 0 -1 0 1 0 0 0 200 1 1 1", "255 255 255 0 0 0",
         true},
        {"objeto.txt", "1 2 3\n4 5 6\n7 8 9\n10 11 12\n13\n14\n15", OBJETO,
         "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", "255 255 255 0 0 0", false},
        {"objeto.txt", "9 9 9 9,5", OBJETO, "255 255 0 255 255 0 255 255 255 255 255 255 0.5 0.5 1",
         "255 255 255 0 0 0", true},
        {"cena.txt", "1 2 3\r\n0.250\r\n3\r\n1 1 1 \r\n-1 -1 -1 \r\n2 2 2 \r\n-2 -2 -2 \r\n", CENA,
         "1 2 3 0.25 1 1 1 -1 -1 -1", "1 1 1 -1 -1 -1 2 2 2 -2 -2 -2 0 0 0 0 0 0", false},
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
        EXPECT_EQ(textos(janela.sistema.ListaDeFontes), caso.fontes) << caso.conteudo;
        const std::string padrao = caso.campos == CAMERA ? CAMERA_PADRAO
                                   : caso.campos == CENA ? CENA_PADRAO
                                                         : OBJETO_PADRAO;
        EXPECT_EQ(le(arquivo), caso.substituido ? padrao : caso.conteudo);
        EXPECT_EQ(le(arquivo.string() + ".bak"), caso.substituido ? caso.conteudo : "");
    }
}

TEST(Configuracao, ContagemEnormeDeFontesNaoCriaBilhoesDelas) {
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    pasta.escreve("cena.txt", "1 2 3 0.25 2000000000 1 1 1 -1 -1 -1");
    Janela janela(plataforma, pasta.caminho());
    const TextosDasFontes& fontes = janela.sistema.ListaDeFontes;
    ASSERT_LT(fontes.size(), 6000u);
    EXPECT_EQ(textos({fontes.begin(), fontes.begin() + 6}), "1 1 1 -1 -1 -1");
    EXPECT_EQ(std::count(fontes.begin() + 6, fontes.end(), "0"), std::ssize(fontes) - 6);
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
    EXPECT_EQ(le(pasta.caminho() / "camera.txt"),
              "0 0 -1\r\n0 1 0\r\n1.50 0 200\r\n1\r\n1\r\nabc\r\n");
    EXPECT_EQ(le(pasta.caminho() / "cena.txt"),
              "1 2 3\r\n0.25\r\n3\r\n1 1 1 \r\n-1 -1 -1 \r\n77 2 2 \r\n-2 -2 -2 \r\n"
              "3 3 3 \r\n-3 -3 -3 \r\n");
    EXPECT_EQ(le(pasta.caminho() / "objeto.txt"),
              "255 255 0\r\n255 255 0\r\n255 255 255\r\n255 255 255\r\n0,5\r\n0.5\r\n1\r\n");
    EXPECT_EQ(janela.Mensagem_label.texto, " ");
}

TEST(Configuracao, FalhaAoGravarAvisaEPoupaOsArquivosSeguintes) {
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
            EXPECT_EQ(le(pasta.caminho() / nomes[i]) == antigos[i], i > diretorio) << nomes[i];
        }
        EXPECT_EQ(quantos_arquivos(pasta), 3);
    }
}

} // namespace
} // namespace quindra
