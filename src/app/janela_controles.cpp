// Every control of the window by name, with its click command where it has one. Field change
// handlers and check box handlers run from altera_texto and marca, as for the program's own
// changes.
#include <algorithm>
#include <array>

#include "app/janela.hpp"

namespace quindra {

namespace {

using J = Janela;

const auto CONTROLES = std::to_array<Controle>({
    // outside the pages
    {"Imagem", &J::Imagem},
    {"Desenhar_button", &J::Desenhar_button, &J::Desenhar_buttonClick},
    {"CarregarObj_button", &J::CarregarObj_button, &J::CarregarObj_buttonClick},
    {"Button2", &J::Button2, &J::Button2Click},
    {"Button3", &J::Button3, &J::Button3Click},
    {"Objetoemuso_label", &J::Objetoemuso_label},
    {"NomeDoArquivo_label", &J::NomeDoArquivo_label},
    {"Mensagem_label", &J::Mensagem_label},
    {"Label57", &J::Label57},
    {"Label58", &J::Label58},
    {"Label56", &J::Label56},
    {"Label59", &J::Label59},
    {"tFacei_edit", &J::tFacei_edit},
    {"Label60", &J::Label60},
    {"tFacef_edit", &J::tFacef_edit},
    {"Label62", &J::Label62},
    {"NumTet", &J::NumTet},
    {"TetCor_red", &J::TetCor_red},
    {"TetCor_green", &J::TetCor_green},
    {"TetCor_blue", &J::TetCor_blue},
    {"Button15", &J::Button15, &J::Button15Click},
    {"Button5", &J::Button5, &J::Button5Click},
    {"Button6", &J::Button6, &J::Button6Click},
    {"Button14", &J::Button14, &J::Button14Click},
    {"THabil", &J::THabil},
    {"TModo", &J::TModo},
    {"Button7", &J::Button7, &J::Button7Click},
    {"Button8", &J::Button8, &J::Button8Click},
    {"Button9", &J::Button9, &J::Button9Click},
    {"Button10", &J::Button10, &J::Button10Click},
    {"Button11", &J::Button11, &J::Button11Click},
    {"Button12", &J::Button12, &J::Button12Click},
    {"Button13", &J::Button13, &J::Button13Click},
    {"Paginas", &J::Paginas},
    {"ParametrosCam_tabsheet", &J::ParametrosCam_tabsheet},
    {"TabSheet2", &J::TabSheet2},
    {"TabSheet3", &J::TabSheet3},
    {"TabSheet4", &J::TabSheet4},
    // "Parâmetros da Câmera"
    {"PosicaoFoco_label", &J::PosicaoFoco_label},
    {"Cx_edit", &J::Cx_edit},
    {"Cy_edit", &J::Cy_edit},
    {"Cz_edit", &J::Cz_edit},
    {"DirecaoMira_label", &J::DirecaoMira_label},
    {"Nx_edit", &J::Nx_edit},
    {"Ny_edit", &J::Ny_edit},
    {"Nz_edit", &J::Nz_edit},
    {"DirecaoVertical_label", &J::DirecaoVertical_label},
    {"Vx_edit", &J::Vx_edit},
    {"Vy_edit", &J::Vy_edit},
    {"Vz_edit", &J::Vz_edit},
    {"DistanciaFocal_label", &J::DistanciaFocal_label},
    {"d_edit", &J::d_edit},
    {"Aproximacao_label", &J::Aproximacao_label},
    {"hx_edit", &J::hx_edit},
    {"hy_edit", &J::hy_edit},
    {"RotacaoCamera_label", &J::RotacaoCamera_label},
    {"CentroRotacao_label", &J::CentroRotacao_label},
    {"Centrox_edit", &J::Centrox_edit},
    {"Centroy_edit", &J::Centroy_edit},
    {"Centroz_edit", &J::Centroz_edit},
    {"CarregarCtr_button", &J::CarregarCtr_button, &J::CarregarCtr_buttonClick},
    {"EnquadrarObjeto_button", &J::EnquadrarObjeto_button, &J::EnquadrarObjeto_buttonClick},
    {"CarregarFoco_button", &J::CarregarFoco_button, &J::CarregarFoco_buttonClick},
    {"Button1", &J::Button1, &J::Button1Click},
    {"Eixos_de_rotacao_radio", &J::Eixos_de_rotacao_radio},
    {"Angulo_label", &J::Angulo_label},
    {"Angulo_edit", &J::Angulo_edit},
    {"EfetuarRot_button", &J::EfetuarRot_button, &J::EfetuarRot_buttonClick},
    {"EfetuarRotDes_button", &J::EfetuarRotDes_button, &J::EfetuarRotDes_buttonClick},
    // "Parâmetros da Cena"
    {"Vermelho_label", &J::Vermelho_label},
    {"Verde_label", &J::Verde_label},
    {"Azul_label", &J::Azul_label},
    {"Ia_label", &J::Ia_label},
    {"IaRed_edit", &J::IaRed_edit},
    {"IaGreen_edit", &J::IaGreen_edit},
    {"IaBlue_edit", &J::IaBlue_edit},
    {"Ka_label", &J::Ka_label},
    {"Ka_edit", &J::Ka_edit},
    {"FontesDeLuz_groupbox", &J::FontesDeLuz_groupbox},
    {"Il_label", &J::Il_label},
    {"IlRed_edit", &J::IlRed_edit},
    {"IlGreen_edit", &J::IlGreen_edit},
    {"IlBlue_edit", &J::IlBlue_edit},
    {"Pl_label", &J::Pl_label},
    {"Plx_edit", &J::Plx_edit},
    {"Ply_edit", &J::Ply_edit},
    {"Plz_edit", &J::Plz_edit},
    {"Button4", &J::Button4, &J::Button4Click},
    {"EdicaoFontes_label", &J::EdicaoFontes_label},
    {"FontePrevia_button", &J::FontePrevia_button, &J::FontePrevia_buttonClick},
    {"RemoverFonte_button", &J::RemoverFonte_button, &J::RemoverFonte_buttonClick},
    {"AdicionarFonte_button", &J::AdicionarFonte_button, &J::AdicionarFonte_buttonClick},
    {"FontePosterior_button", &J::FontePosterior_button, &J::FontePosterior_buttonClick},
    // "Atributos do Objeto"
    {"Od1_label", &J::Od1_label},
    {"OdiRed_edit", &J::OdiRed_edit},
    {"OdiGreen_edit", &J::OdiGreen_edit},
    {"OdiBlue_edit", &J::OdiBlue_edit},
    {"Os1_label", &J::Os1_label},
    {"OsiRed_edit", &J::OsiRed_edit},
    {"OsiGreen_edit", &J::OsiGreen_edit},
    {"OsiBlue_edit", &J::OsiBlue_edit},
    {"Od2_label", &J::Od2_label},
    {"OdeRed_edit", &J::OdeRed_edit},
    {"OdeGreen_edit", &J::OdeGreen_edit},
    {"OdeBlue_edit", &J::OdeBlue_edit},
    {"Os2_label", &J::Os2_label},
    {"OseRed_edit", &J::OseRed_edit},
    {"OseGreen_edit", &J::OseGreen_edit},
    {"OseBlue_edit", &J::OseBlue_edit},
    {"Kd_label", &J::Kd_label},
    {"Kd_edit", &J::Kd_edit},
    {"Ks_label", &J::Ks_label},
    {"Ks_edit", &J::Ks_edit},
    {"Rugosidade_label", &J::Rugosidade_label},
    {"rugosidade_edit", &J::rugosidade_edit},
    {"FatorDilZ_label", &J::FatorDilZ_label},
    {"FatorDilZ", &J::FatorDilZ},
    // "Algoritmos"
    {"Renderizadores_radio", &J::Renderizadores_radio},
    {"MostrarProfundidade_check", &J::MostrarProfundidade_check},
    {"CompararAlgoritmos_button", &J::CompararAlgoritmos_button,
     &J::CompararAlgoritmos_buttonClick},
    // beneath the image
    {"Triangulos_label", &J::Triangulos_label},
    {"Triangulos_slider", &J::Triangulos_slider},
    {"Reproduzir_button", &J::Reproduzir_button, &J::Reproduzir_buttonClick},
});

} // namespace

std::span<const Controle> Janela::controles() { return CONTROLES; }

const Controle* Janela::controle(std::string_view nome) {
    const auto achado = std::ranges::find(CONTROLES, nome, &Controle::nome);
    return achado == CONTROLES.end() ? nullptr : &*achado;
}

} // namespace quindra
