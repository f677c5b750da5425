#include "app/janela.hpp"

#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.hpp"
#include "apoio/plataforma_falsa.hpp"
#include "imagens/imagem_arquivo.hpp"

namespace quindra {
namespace {

using teste::PastaTemporaria;
using teste::PlataformaFalsa;

const std::string TETRAEDRO = "4 4\n0 0 0\n50 0 0\n0 50 0\n0 0 50\n1 3 2\n1 2 4\n2 3 4\n3 1 4\n";

// A window on a fresh folder, with a tetrahedron file ready to load.
class JanelaTeste : public ::testing::Test {
protected:
    void carrega(const std::string& conteudo = TETRAEDRO) {
        plataforma.arquivos_para_abrir.push_back(
            pasta.escreve("objeto_teste.txt", conteudo).string());
        janela.CarregarObj_buttonClick();
    }
    void desenha(int escolha) {
        janela.Renderizadores_radio.selecionado = escolha;
        janela.Desenhar_buttonClick();
    }
    std::string mensagem() const { return janela.Mensagem_label.texto; }

    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    Janela janela{plataforma, pasta.caminho()};
};

TEST_F(JanelaTeste, EstadoInicial) {
    EXPECT_FALSE(janela.Desenhar_button.habilitado);
    EXPECT_EQ(janela.NomeDoArquivo_label.texto, "Nenhum objeto em uso.");
    EXPECT_EQ(janela.Mensagem_label.texto, " ");
    EXPECT_EQ(janela.Renderizadores_radio.itens[6], "Phong Shading com Textura Projetada ");
    EXPECT_EQ(janela.Imagem.pixel(0, 0), BRANCO);
    EXPECT_EQ(janela.Imagem.pixel(300, 300), PRETO);
    EXPECT_FALSE(janela.sessao.sistema.TexturaCarregada());
    EXPECT_FALSE(janela.Label56.habilitado);
}

TEST_F(JanelaTeste, CargaMostraArquivoEFacesEHabilitaDesenhar) {
    janela.sessao.sistema.malha.FatorDilatacaoZ = 5;
    carrega();
    EXPECT_EQ(mensagem(), std::string(45, ' '));
    EXPECT_TRUE(janela.Desenhar_button.habilitado);
    EXPECT_EQ(janela.Label58.texto, "4");
    EXPECT_EQ(janela.NomeDoArquivo_label.texto, (pasta.caminho() / "objeto_teste.txt").string());
    EXPECT_EQ(janela.sessao.sistema.malha.Pontos[3].z, 50); // loaded with the factor reset to 1
}

// "Mostrar Profundidade" swaps the frame for the depth buffer of a depth-buffered Draw, back and
// forth; after a Draw that keeps none the frame stays.
TEST_F(JanelaTeste, MostrarProfundidadeTrocaOQuadroPeloZBuffer) {
    carrega();
    desenha(5);
    const Bitmap quadro = janela.Imagem;
    janela.clica(janela.MostrarProfundidade_check);
    EXPECT_EQ(janela.Imagem.rgb(), janela.sessao.profundidade()->rgb());
    EXPECT_NE(janela.Imagem.rgb(), quadro.rgb());
    janela.clica(janela.MostrarProfundidade_check);
    EXPECT_EQ(janela.Imagem.rgb(), quadro.rgb());
    janela.clica(janela.MostrarProfundidade_check);
    desenha(4);
    EXPECT_EQ(janela.Imagem.rgb(), janela.sessao.profundidade()->rgb());
    desenha(2);
    EXPECT_FALSE(janela.sessao.profundidade());
    EXPECT_EQ(janela.Imagem.rgb(), janela.sessao.quadro().rgb());
}

// The order replayed: play paints none of the triangles at first and all of them by the end of
// its time, when it stops; the slider stops it and paints its count; a Draw paints everything
// and puts the slider back at the end. The ray tracer paints no triangles in turn.
TEST_F(JanelaTeste, ReproducaoDaOrdemDosTriangulos) {
    carrega();
    const Controle& escolhas = *Janela::controle("Renderizadores_radio");
    janela.usuario_seleciona(escolhas, 3);
    janela.Desenhar_buttonClick();
    const Bitmap normal = janela.Imagem;
    EXPECT_EQ(janela.Triangulos_label.texto, "Triângulos: 4 de 4");

    janela.usuario_clica(*Janela::controle("Reproduzir_button"));
    EXPECT_TRUE(janela.reproduzindo());
    EXPECT_EQ(janela.Reproduzir_button.legenda, "Parar");
    EXPECT_EQ(janela.Triangulos_label.texto, "Triângulos: 0 de 4");
    EXPECT_EQ(janela.Imagem.pixel(310, 290), PRETO);
    janela.usuario_reproduz(DURACAO_REPRODUCAO / 2);
    EXPECT_EQ(janela.Triangulos_slider.valor, 2);
    EXPECT_TRUE(janela.reproduzindo());
    janela.usuario_reproduz(DURACAO_REPRODUCAO * 2);
    EXPECT_EQ(janela.Triangulos_label.texto, "Triângulos: 4 de 4");
    EXPECT_EQ(janela.Imagem.rgb(), normal.rgb());
    EXPECT_FALSE(janela.reproduzindo());
    EXPECT_EQ(janela.Reproduzir_button.legenda, "Reproduzir");

    janela.usuario_clica(*Janela::controle("Reproduzir_button"));
    janela.usuario_desliza(*Janela::controle("Triangulos_slider"), 1);
    EXPECT_FALSE(janela.reproduzindo());
    EXPECT_EQ(janela.Triangulos_label.texto, "Triângulos: 1 de 4");
    EXPECT_NE(janela.Imagem.rgb(), normal.rgb());
    janela.Desenhar_buttonClick();
    EXPECT_EQ(janela.Triangulos_slider.valor, 4);
    EXPECT_EQ(janela.Imagem.rgb(), normal.rgb());

    janela.usuario_seleciona(escolhas, 7);
    EXPECT_FALSE(janela.Triangulos_slider.habilitado);
    EXPECT_FALSE(janela.Reproduzir_button.habilitado);
}

TEST_F(JanelaTeste, CargaFalhaMantemOObjetoAnterior) {
    carrega();
    carrega("3 1\n0 0 0\n");
    EXPECT_EQ(mensagem(), "Arquivo com inconsistências nos pontos.");
    EXPECT_EQ(janela.Label58.texto, "4");
    EXPECT_EQ(janela.sessao.sistema.malha.NumTriangulos(), 4);
}

// A standard format goes through the same command: its faces are counted, its name shown, and
// a bad one leaves the loaded object.
TEST_F(JanelaTeste, CargaDeOutroFormato) {
    const auto arquivo = pasta.escreve("quadrado.OFF", "OFF\n4 1 0\n0 0 0\n50 0 0\n50 50 0\n"
                                                       "0 50 0\n4 0 1 2 3\n");
    plataforma.arquivos_para_abrir.push_back(arquivo.string());
    janela.CarregarObj_buttonClick();
    EXPECT_EQ(mensagem(), std::string(45, ' '));
    EXPECT_EQ(janela.Label58.texto, "2");
    EXPECT_EQ(janela.NomeDoArquivo_label.texto, arquivo.string());
    plataforma.arquivos_para_abrir.push_back(pasta.escreve("ruim.stl", "solid x\n").string());
    janela.CarregarObj_buttonClick();
    EXPECT_EQ(mensagem(), "Arquivo com inconsistências nos triângulos.");
    EXPECT_EQ(janela.Label58.texto, "2");
}

TEST_F(JanelaTeste, DialogoCanceladoNaoCarregaNada) {
    carrega();
    const Bitmap antes = janela.Imagem;
    janela.Mensagem_label.texto = "x";
    janela.CarregarObj_buttonClick(); // cancelled
    janela.Button2Click();            // cancelled: no attempt to read the object as an image
    janela.Button3Click();            // cancelled
    EXPECT_EQ(mensagem(), "x");
    EXPECT_TRUE(plataforma.erros.empty());
    EXPECT_FALSE(janela.sessao.sistema.TexturaCarregada());
}

TEST_F(JanelaTeste, FatorDeDilatacaoInvalidoParaTudo) {
    carrega();
    janela.FatorDilZ.texto = "1,5";
    for (int escolha = 0; escolha <= 8; ++escolha) {
        janela.Mensagem_label.texto = " ";
        desenha(escolha);
        EXPECT_EQ(mensagem(), "Fator de Dilatação em formato inválido.") << escolha;
    }
}

TEST_F(JanelaTeste, RayTracingLeComoPhongEDesenha) {
    carrega();
    desenha(0);
    const Bitmap antes = janela.Imagem;
    janela.Kd_edit.texto = "x";
    desenha(7);
    EXPECT_EQ(mensagem(), "kd em formato inválido.");
    EXPECT_EQ(janela.Imagem.rgb(), antes.rgb());
    janela.Kd_edit.texto = "0.5";
    desenha(7);
    EXPECT_EQ(mensagem(), std::string(44, ' ')); // the light reader's success
    EXPECT_NE(janela.Imagem.rgb(), antes.rgb());
}

TEST_F(JanelaTeste, RayTracingCanceladoDeixaOQuadroAnterior) {
    carrega();
    desenha(5);
    const Bitmap antes = janela.Imagem;
    plataforma.cancela_desenhos = true;
    desenha(7);
    EXPECT_EQ(janela.Imagem.rgb(), antes.rgb());
    // Only the ray tracer counts rows for a progress display.
    EXPECT_EQ(plataforma.linhas_dos_desenhos, (std::vector<int>{0, LINHAS_TRACADAS}));
    plataforma.cancela_desenhos = false;
    desenha(7);
    EXPECT_NE(janela.Imagem.rgb(), antes.rgb());
}

// The ray tracer keeps its structure between draws: a new object, or a new Z dilation, must
// still be drawn as a window that never drew anything else would draw it.
TEST_F(JanelaTeste, RayTracingSegueOObjetoEAFatorZ) {
    const std::string outro =
        "4 4\n-40 -20 0\n30 -10 10\n0 40 -20\n10 0 60\n1 3 2\n1 2 4\n2 3 4\n3 1 4\n";
    const auto quadro_novo = [&](const std::string& objeto, const std::string& fator) {
        PastaTemporaria outra_pasta;
        PlataformaFalsa outra_plataforma;
        Janela nova(outra_plataforma, outra_pasta.caminho());
        outra_plataforma.arquivos_para_abrir.push_back(
            outra_pasta.escreve("objeto.txt", objeto).string());
        nova.CarregarObj_buttonClick();
        nova.FatorDilZ.texto = fator;
        nova.Renderizadores_radio.selecionado = 7;
        nova.Desenhar_buttonClick();
        return nova.Imagem.rgb();
    };
    carrega();
    desenha(7);
    EXPECT_EQ(janela.Imagem.rgb(), quadro_novo(TETRAEDRO, "1.0"));
    carrega(outro); // as many points and triangles as before
    desenha(7);
    EXPECT_EQ(janela.Imagem.rgb(), quadro_novo(outro, "1.0"));
    janela.FatorDilZ.texto = "1.8";
    desenha(7);
    EXPECT_EQ(janela.Imagem.rgb(), quadro_novo(outro, "1.8"));
    EXPECT_NE(janela.Imagem.rgb(), quadro_novo(outro, "1.0"));
}

TEST_F(JanelaTeste, DesenharDepoisDeFecharNaoDesenhaNada) {
    carrega();
    desenha(5);
    const Bitmap antes = janela.Imagem;
    janela.FormDestroy(); // frees the frame and the mesh
    for (int escolha = 0; escolha <= 8; ++escolha) desenha(escolha);
    EXPECT_EQ(janela.Imagem.rgb(), antes.rgb());
}

TEST_F(JanelaTeste, CampoRuimMostraSuaMensagemEDeixaAImagem) {
    carrega();
    desenha(0);
    const Bitmap antes = janela.Imagem;
    janela.Nz_edit.texto = "abc";
    desenha(1);
    EXPECT_EQ(mensagem(), "N.z em formato inválido.");
    EXPECT_EQ(janela.Imagem.rgb(), antes.rgb());

    janela.Nz_edit.texto = "-1";
    janela.Kd_edit.texto = "2";
    desenha(2);
    EXPECT_EQ(mensagem(), "kd em formato inválido.");
    EXPECT_EQ(janela.Imagem.rgb(), antes.rgb());
    EXPECT_TRUE(janela.sessao.sistema.CameraAtual); // the camera read before the failure stays
}

TEST_F(JanelaTeste, ArameELinhasEscondidasETetraedroSoLeemACamera) {
    carrega();
    janela.Kd_edit.texto = "x";
    janela.IaRed_edit.texto = "x";
    janela.IlRed_edit.texto = "x";
    for (int escolha : {0, 1, 8}) {
        janela.Imagem = Bitmap(LADO_TELA, LADO_TELA);
        desenha(escolha);
        EXPECT_EQ(mensagem(), std::string(39, ' ')) << escolha;
        EXPECT_EQ(janela.Imagem.pixel(300, 300), AMARELO) << escolha; // a vertex at the centre
    }
}

TEST_F(JanelaTeste, SombreamentoComCameraRuimNaoLeOMaterial) {
    carrega();
    janela.d_edit.texto = "0";
    janela.Kd_edit.texto = "x";
    for (int escolha = 2; escolha <= 5; ++escolha) {
        desenha(escolha);
        EXPECT_EQ(mensagem(), "d(dist. focal) em formato inválido.") << escolha;
    }
}

TEST_F(JanelaTeste, LuzVisivelEhGuardadaMesmoQuandoAsFontesFalham) {
    carrega();
    janela.IlGreen_edit.texto = "300";
    desenha(2);
    EXPECT_EQ(mensagem(), "Cor da Fonte 1 com erro (green).");
    EXPECT_EQ(janela.sessao.sistema.ListaDeFontes[1], "300");
}

TEST_F(JanelaTeste, TexturaAusenteAntesDeQualquerCampo) {
    carrega();
    janela.Nx_edit.texto = "x";
    desenha(6);
    EXPECT_EQ(mensagem(), "Não há textura carregada.");
}

TEST_F(JanelaTeste, FaixaDeFacesPadrao) {
    carrega();
    plataforma.arquivos_para_abrir.push_back(std::string(QUINDRA_AMOSTRAS) + "/textura.bmp");
    janela.Button2Click();
    ASSERT_TRUE(janela.sessao.sistema.TexturaCarregada());
    EXPECT_TRUE(janela.Label56.habilitado);

    janela.tFacei_edit.texto = "abc";
    janela.tFacef_edit.texto = "";
    desenha(6);
    EXPECT_EQ(mensagem(), std::string(44, ' '));
    EXPECT_EQ(janela.sessao.sistema.faixa_textura.PrimeiraFaceTextura, 1);
    EXPECT_EQ(janela.sessao.sistema.faixa_textura.UltimaFaceTextura, 4);

    janela.tFacei_edit.texto = "3";
    janela.tFacef_edit.texto = "2";
    desenha(6);
    EXPECT_EQ(janela.sessao.sistema.faixa_textura.PrimeiraFaceTextura, 3);
    EXPECT_EQ(janela.sessao.sistema.faixa_textura.UltimaFaceTextura, 2);
}

TEST_F(JanelaTeste, TexturaInvalidaRelataErroEMantemAAnterior) {
    plataforma.arquivos_para_abrir.push_back(std::string(QUINDRA_AMOSTRAS) + "/textura.bmp");
    janela.Button2Click();
    plataforma.arquivos_para_abrir.push_back(std::string(QUINDRA_AMOSTRAS) + "/cubo.txt");
    janela.Button2Click();
    ASSERT_EQ(plataforma.erros.size(), 1u);
    EXPECT_TRUE(janela.sessao.sistema.TexturaCarregada());
    EXPECT_EQ(janela.sessao.sistema.Textura->largura(), 64);
}

TEST_F(JanelaTeste, SalvaAImagemDesenhada) {
    carrega();
    desenha(0);
    const auto arquivo = pasta.caminho() / "quadro.bmp";
    plataforma.arquivos_para_salvar.push_back(arquivo.string());
    janela.Button3Click();
    std::string erro;
    const auto lida = carrega_imagem(arquivo, erro);
    ASSERT_TRUE(lida) << erro;
    EXPECT_EQ(lida->rgb(), janela.Imagem.rgb());

    plataforma.arquivos_para_salvar.push_back((pasta.caminho() / "nao/existe.bmp").string());
    janela.Button3Click();
    EXPECT_EQ(plataforma.erros.size(), 1u);
}

TEST_F(JanelaTeste, DesenharSemObjetoNaoFazNada) {
    const Bitmap antes = janela.Imagem;
    janela.EfetuarRotDes_buttonClick();
    EXPECT_EQ(mensagem(), std::string(39, ' '));
    EXPECT_EQ(janela.Imagem.rgb(), antes.rgb());
}

} // namespace
} // namespace quindra
