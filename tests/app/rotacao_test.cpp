#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.hpp"
#include "apoio/plataforma_falsa.hpp"
#include "app/janela.hpp"

namespace quindra {
namespace {

using teste::PastaTemporaria;
using teste::PlataformaFalsa;

// The window's initial camera: C = (0, 0, 200), N = (0, 0, -1), V = (0, 1, 0), so U = (1, 0, 0).
class Rotacao : public ::testing::Test {
protected:
    void gira(int eixo, const char* angulo, const char* cx, const char* cy, const char* cz) {
        janela.Eixos_de_rotacao_radio.selecionado = eixo;
        janela.Angulo_edit.texto = angulo;
        janela.Centrox_edit.texto = cx;
        janela.Centroy_edit.texto = cy;
        janela.Centroz_edit.texto = cz;
        janela.EfetuarRot_buttonClick();
    }
    static double numero(const CampoTexto& campo) {
        bool erro = true;
        const double valor = converte_real(campo.texto, erro);
        EXPECT_FALSE(erro) << campo.texto;
        return valor;
    }
    void espera(const CampoTexto& x, const CampoTexto& y, const CampoTexto& z, double ex, double ey,
                double ez, double tolerancia = 1e-9) {
        EXPECT_NEAR(numero(x), ex, tolerancia);
        EXPECT_NEAR(numero(y), ey, tolerancia);
        EXPECT_NEAR(numero(z), ez, tolerancia);
    }
    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    Janela janela{plataforma, pasta.caminho()};
};

TEST_F(Rotacao, EmTornoDaVerticalNoLugar) {
    gira(2, "90", "0", "0", "200");
    EXPECT_EQ(janela.Mensagem_label.texto, std::string(39, ' '));
    espera(janela.Nx_edit, janela.Ny_edit, janela.Nz_edit, 1, 0, 0);
    // The twelve-decimal pi leaves cos(90 degrees) at about 4e-13, not 0.
    EXPECT_NE(janela.Nz_edit.texto, "0");
    EXPECT_EQ(janela.Vx_edit.texto, "0");
    EXPECT_EQ(janela.Vy_edit.texto, "1");
    EXPECT_EQ(janela.Vz_edit.texto, "0");
    EXPECT_EQ(janela.Cz_edit.texto, "200");
}

TEST_F(Rotacao, EmTornoDaVerticalOrbitandoOCentro) {
    gira(2, "90", "0", "0", "0");
    espera(janela.Cx_edit, janela.Cy_edit, janela.Cz_edit, -200, 0, 0);
    espera(janela.Nx_edit, janela.Ny_edit, janela.Nz_edit, 1, 0, 0);
    EXPECT_EQ(janela.d_edit.texto, "1"); // d, hx and hy are not written
}

TEST_F(Rotacao, EmTornoDaHorizontalNoLugar) {
    gira(1, "90", "0", "0", "200");
    espera(janela.Nx_edit, janela.Ny_edit, janela.Nz_edit, 0, -1, 0); // N onto -V
    espera(janela.Vx_edit, janela.Vy_edit, janela.Vz_edit, 0, 0, -1); // V onto N
}

TEST_F(Rotacao, EmTornoDaMiraReapontaParaOCentro) {
    gira(0, "90", "0", "200", "200");
    espera(janela.Nx_edit, janela.Ny_edit, janela.Nz_edit, 0, 1, 0);
    espera(janela.Cx_edit, janela.Cy_edit, janela.Cz_edit, 0, 0, 200); // C stays
    // Aimed along y, V was rebuilt as (1, 0, 0) and U = N x V = (0, 0, -1); V turns to -U.
    espera(janela.Vx_edit, janela.Vy_edit, janela.Vz_edit, 0, 0, 1);
}

TEST_F(Rotacao, CamposInvalidos) {
    struct Caso {
        const char *x, *y, *z, *angulo, *mensagem;
    };
    const Caso casos[] = {
        {"a", "0", "0", "10", "Coord. x do Centro Rot. em formato inválido."},
        {"0", "", "0", "10", "Coord. y do Centro Rot. em formato inválido."},
        {"0", "0", "1,0", "10", "Coord. z do Centro Rot. em formato inválido."},
        {"0", "0", "0", "1,5", "Ângulo em formato inválido."},
    };
    for (const auto& c : casos) {
        gira(2, c.angulo, c.x, c.y, c.z);
        EXPECT_EQ(janela.Mensagem_label.texto, c.mensagem);
        EXPECT_EQ(janela.Nz_edit.texto, "-1");
        EXPECT_EQ(janela.Cz_edit.texto, "200");
    }
    // A centre whose distance from the camera overflows changes nothing.
    janela.Cx_edit.texto = "1e308";
    gira(2, "90", "-1e308", "0", "0");
    EXPECT_EQ(janela.Mensagem_label.texto, "Coord. x do Centro Rot. em formato inválido.");
    EXPECT_EQ(janela.Cx_edit.texto, "1e308");
    EXPECT_EQ(janela.Nx_edit.texto, "0");
    janela.Cx_edit.texto = "0";
    janela.Cy_edit.texto = "1e308";
    gira(1, "45", "0", "-1e308", "0");
    EXPECT_EQ(janela.Mensagem_label.texto, "Coord. y do Centro Rot. em formato inválido.");
    EXPECT_EQ(janela.Nz_edit.texto, "-1");
    janela.Cy_edit.texto = "0";

    janela.Vy_edit.texto = "?";
    gira(2, "10", "0", "0", "0");
    EXPECT_EQ(janela.Mensagem_label.texto, "V.y em formato inválido.");
    EXPECT_EQ(janela.Nz_edit.texto, "-1");
}

TEST_F(Rotacao, BotoesDoCentro) {
    janela.CarregarCtr_buttonClick(); // no object yet: nothing
    EXPECT_EQ(janela.Centrox_edit.texto, "0");

    janela.Cx_edit.texto = "1.50";
    janela.CarregarFoco_buttonClick(); // copied as it stands
    EXPECT_EQ(janela.Centrox_edit.texto, "1.50");
    janela.Button4Click();
    EXPECT_EQ(janela.Plx_edit.texto, "1.50");
    EXPECT_EQ(janela.Plz_edit.texto, "200");

    // "Carregar C + dN" before any camera exists builds it from the fields.
    janela.Cx_edit.texto = "0";
    janela.Button1Click();
    EXPECT_EQ(janela.Centrox_edit.texto, "0");
    EXPECT_EQ(janela.Centroz_edit.texto, "199");

    janela.Cy_edit.texto = "y";
    janela.Button1Click();
    EXPECT_EQ(janela.Mensagem_label.texto, "Coord. y do Centro Rot. em formato inválido.");
}

TEST_F(Rotacao, CentroDoObjeto) {
    plataforma.arquivos_para_abrir.push_back(
        pasta.escreve("o.txt", "3 1\n0 0 0\n3 0 0\n0 6 1.5\n1 2 3\n").string());
    janela.CarregarObj_buttonClick();
    janela.CarregarCtr_buttonClick();
    EXPECT_EQ(janela.Centrox_edit.texto, "1");
    EXPECT_EQ(janela.Centroy_edit.texto, "2");
    EXPECT_EQ(janela.Centroz_edit.texto, "0.5");
}

} // namespace
} // namespace quindra
