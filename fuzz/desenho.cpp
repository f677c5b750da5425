// A whole Draw (or a rotation and Draw) through the window, with the window's fields typed
// from the input, a small mesh, and now and then a texture and tetrahedron mode. Whatever
// was typed, the command answers with a message or a frame, never a crash, and a rotation
// only writes numbers that read back.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "app/controle.hpp"
#include "app/janela.hpp"
#include "exige.hpp"
#include "geometry/instrumental_basico.hpp"
#include "geometry/numero_texto.hpp"
#include "malhas/objeto.hpp"

using namespace quindra;
using fuzz::exige;

namespace {

// The window never asks for a file here.
class PlataformaVazia : public Plataforma {
public:
    std::optional<std::string> escolhe_arquivo_para_abrir(const DialogoArquivo&) override {
        return std::nullopt;
    }
    std::optional<std::string> escolhe_arquivo_para_salvar(const DialogoArquivo&) override {
        return std::nullopt;
    }
    void relata_erro(const std::string&) override {}
    void relata_erro_de_digitacao(const std::string&, const std::string&) override {}
};

// Texts the readers treat specially: bounds, extremes, the wrong decimal separator.
constexpr std::array<const char*, 24> TEXTOS_NOTAVEIS{"0",          "1",
                                                      "-1",         "0.5",
                                                      "255",        "256",
                                                      "255.01",     "1e-9",
                                                      "1e9",        "1e300",
                                                      "-1e300",     "1e-300",
                                                      "200",        "-200",
                                                      " 7 ",        "1,5",
                                                      "",           "inf",
                                                      "nan",        "0x10",
                                                      "4.9E-324",   "1.7976931348623157E308",
                                                      "2147483648", "-0"};

std::string texto(FuzzedDataProvider& dados, const std::string& atual) {
    switch (dados.ConsumeIntegralInRange(0, 3)) {
    case 2:
        return dados.PickValueInArray(TEXTOS_NOTAVEIS);
    case 3:
        return dados.ConsumeRandomLengthString(24);
    default:
        return atual; // mostly the window's own values, so that drawing is reached
    }
}

double coordenada(FuzzedDataProvider& dados) {
    if (dados.ConsumeBool()) return dados.ConsumeFloatingPointInRange(-50.0, 50.0);
    bool erro = false;
    const double valor = converte_real(dados.PickValueInArray(TEXTOS_NOTAVEIS), erro);
    return erro ? 0.0 : valor;
}

// A small object file: 3 to 8 points, 1 to 12 triangles, through the loader as a file would.
void carrega_malha(FuzzedDataProvider& dados, Janela& janela) {
    const int pontos = dados.ConsumeIntegralInRange(3, 8);
    const int triangulos = dados.ConsumeIntegralInRange(1, 12);
    std::string arquivo = formata_inteiro(pontos) + " " + formata_inteiro(triangulos) + "\n";
    for (int i = 0; i < 3 * pontos; ++i) arquivo += formata_real(coordenada(dados)) + " ";
    for (int i = 0; i < 3 * triangulos; ++i)
        arquivo += formata_inteiro(dados.ConsumeIntegralInRange(1, pontos)) + " ";
    LeitorTexto leitor = LeitorTexto::em_memoria(arquivo);
    janela.sessao.sistema.malha.FatorDilatacaoZ = 1.0;
    exige(carrega_objeto(janela.sessao.sistema.malha, leitor) == MENSAGEM_SUCESSO_OBJETO,
          "a well-formed object loads");
}

void digita_campos(FuzzedDataProvider& dados, Janela& janela) {
    for (const Controle& controle : Janela::controles()) {
        if (!controle.e<CampoTexto>()) continue;
        CampoTexto& campo = janela.*std::get<CampoTexto Janela::*>(controle.membro);
        campo.texto = texto(dados, campo.texto);
    }
    // More lights, typed straight into the list as the light editor would store them.
    for (int luz = dados.ConsumeIntegralInRange(0, 3); luz > 0; --luz)
        for (std::size_t campo = 0; campo < CAMPOS_POR_FONTE; ++campo)
            janela.sessao.sistema.ListaDeFontes.push_back(texto(dados, "100"));
}

// A tiny texture of arbitrary pixels.
void poe_textura(FuzzedDataProvider& dados, Janela& janela) {
    const int largura = dados.ConsumeIntegralInRange(1, 4);
    const int altura = dados.ConsumeIntegralInRange(1, 4);
    auto pixels = dados.ConsumeBytes<std::uint8_t>(static_cast<std::size_t>(largura * altura * 3));
    pixels.resize(static_cast<std::size_t>(largura * altura * 3));
    janela.sessao.sistema.Textura.emplace(largura, altura, std::move(pixels));
}

void poe_modo_tetraedro(FuzzedDataProvider& dados, Janela& janela) {
    janela.sessao.sistema.ModoTetraedro = true;
    for (EntradaTetraedro& entrada : janela.sessao.sistema.TabelaTetraedros) {
        entrada.habilitado = dados.ConsumeBool();
        entrada.cor = Cor(coordenada(dados), coordenada(dados), coordenada(dados));
    }
}

bool campo_numerico(const CampoTexto& campo) {
    bool erro = false;
    converte_real(campo.texto, erro);
    return !erro;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t tamanho) {
    FuzzedDataProvider dados(bytes, tamanho);
    PlataformaVazia plataforma;
    Janela janela(plataforma, {}, Persistencia::nenhuma);
    carrega_malha(dados, janela);
    digita_campos(dados, janela);
    if (dados.ConsumeBool()) poe_textura(dados, janela);
    if (dados.ConsumeBool()) poe_modo_tetraedro(dados, janela);
    janela.Renderizadores_radio.selecionado = dados.ConsumeIntegralInRange(-1, 9);
    janela.Eixos_de_rotacao_radio.selecionado = dados.ConsumeIntegralInRange(0, 2);

    if (dados.ConsumeBool()) {
        janela.EfetuarRotDes_buttonClick();
        if (mensagem_de_sucesso(janela.Mensagem_label.texto)) {
            for (const CampoTexto* campo : {&janela.Cx_edit, &janela.Cy_edit, &janela.Cz_edit,
                                            &janela.Nx_edit, &janela.Ny_edit, &janela.Nz_edit,
                                            &janela.Vx_edit, &janela.Vy_edit, &janela.Vz_edit})
                exige(campo_numerico(*campo), "a rotation writes numbers that read back");
        }
    } else {
        janela.Desenhar_buttonClick();
    }
    exige(janela.Imagem.largura() == 600 && janela.Imagem.altura() == 600, "the frame is whole");
    return 0;
}
