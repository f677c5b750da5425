// Loading the texture and saving the frame.
#include "app/janela.hpp"
#include "imagens/imagem_arquivo.hpp"

namespace quindra {

void Janela::Button2Click() {
    // A cancelled dialog loads nothing: not the dialog's previous file, which may well be an
    // object file.
    const auto arquivo = plataforma_.escolhe_arquivo_para_abrir(DialogoTextura);
    if (!arquivo) return;
    std::string erro;
    auto imagem = carrega_imagem(*arquivo, erro);
    if (!imagem) {
        plataforma_.relata_erro(erro);
        return;
    }
    sistema.Textura = std::move(*imagem);
    Label56.habilitado = true;
}

void Janela::Button3Click() {
    const auto arquivo = plataforma_.escolhe_arquivo_para_salvar(SavePictureDialog1);
    if (!arquivo) return;
    std::string erro;
    if (!salva_tela(*sistema.Tela, *arquivo, erro)) plataforma_.relata_erro(erro);
}

} // namespace quindra
