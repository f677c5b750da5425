// The rotation commands of the camera page, and the buttons that fill the centre and light
// position fields.
#include "app/janela.hpp"

namespace quindra {

std::optional<Ponto> Janela::le_centro_rotacao() {
    std::string falha;
    std::string_view recusado;
    const auto centro =
        le_centro(Centrox_edit.texto, Centroy_edit.texto, Centroz_edit.texto, falha, &recusado);
    if (!centro) recusa(falha, recusado);
    return centro;
}

void Janela::gira_pelo_angulo(int eixo, int sentido) {
    Mensagem_label.texto = sessao.gira(*this, eixo, sentido);
}

void Janela::EfetuarRot_buttonClick() { gira_pelo_angulo(Eixos_de_rotacao_radio.selecionado, 1); }

void Janela::aproxima_camera(double fracao) {
    const auto centro = le_centro_rotacao();
    if (!centro || !aceita(sessao.le_camera(*this))) return;
    if (const auto falha = sessao.aproxima(*centro, fracao, *this)) Mensagem_label.texto = *falha;
}

void Janela::EfetuarRotDes_buttonClick() {
    EfetuarRot_buttonClick();
    if (mensagem_de_sucesso(Mensagem_label.texto)) Desenhar_buttonClick();
}

void Janela::CarregarCtr_buttonClick() { sessao.carrega_centro(*this); }

void Janela::EnquadrarObjeto_buttonClick() {
    if (const auto falha = sessao.enquadra(*this)) {
        Mensagem_label.texto = *falha;
        return;
    }
    Desenhar_buttonClick();
}

void Janela::CarregarFoco_buttonClick() {
    Centrox_edit.texto = Cx_edit.texto;
    Centroy_edit.texto = Cy_edit.texto;
    Centroz_edit.texto = Cz_edit.texto;
}

void Janela::Button1Click() {
    // The position fields are only validated here; the camera supplies the values.
    std::string falha;
    std::string_view recusado;
    if (!le_centro(Cx_edit.texto, Cy_edit.texto, Cz_edit.texto, falha, &recusado)) {
        recusa(falha, recusado);
        return;
    }
    // Before any draw or rotation there is no camera yet: build it from the fields first.
    std::optional<Camera>& camera_atual = sessao.sistema.CameraAtual;
    if (!camera_atual) {
        const std::string mensagem = sessao.le_camera(*this);
        if (!mensagem_de_sucesso(mensagem)) {
            Mensagem_label.texto = mensagem;
            return;
        }
    }
    const Camera& camera = *camera_atual;
    escreve_coordenadas(Centrox_edit, Centroy_edit, Centroz_edit,
                        camera.C.x + camera.d * camera.N.x, camera.C.y + camera.d * camera.N.y,
                        camera.C.z + camera.d * camera.N.z);
}

void Janela::Button4Click() {
    Plx_edit.texto = Cx_edit.texto;
    Ply_edit.texto = Cy_edit.texto;
    Plz_edit.texto = Cz_edit.texto;
}

} // namespace quindra
