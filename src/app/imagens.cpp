// Loading the texture and saving the picture on show.
#include "app/janela.hpp"

namespace quindra {

void Janela::Button2Click() {
    // A cancelled dialog loads nothing: not the dialog's previous file, which may well be an
    // object file.
    const auto arquivo = plataforma_.escolhe_arquivo_para_abrir(DialogoTextura);
    if (!arquivo) return;
    if (const auto erro = sessao.carrega_textura(*arquivo)) {
        plataforma_.relata_erro(*erro);
        return;
    }
    Label56.habilitado = true;
}

void Janela::Button3Click() {
    const auto arquivo = plataforma_.escolhe_arquivo_para_salvar(SavePictureDialog1);
    if (!arquivo) return;
    // The sheet of every algorithm is saved at full resolution, three frames a row.
    const auto erro = folha_ ? sessao.salva_folha(*arquivo) : sessao.salva_quadro(*arquivo);
    if (erro) plataforma_.relata_erro(*erro);
}

} // namespace quindra
