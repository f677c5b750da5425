#include "view/tela.hpp"

#include "imagens/imagem_arquivo.hpp"

namespace quindra {

Bitmap& cria_tela(std::optional<Bitmap>& tela, std::optional<Bitmap>& textura) {
    if (!tela) {
        tela.emplace(LADO_TELA, LADO_TELA);
        // a texture already loaded survives a frame created anew
        if (!textura) textura.emplace(0, 0);
    }
    limpa_tela(*tela, PRETO);
    return *tela;
}

void limpa_tela(Bitmap& tela, CorPixel fundo) {
    tela.define_pincel(fundo);
    tela.retangulo(1, 1, LADO_TELA, LADO_TELA);
}

bool salva_tela(const Bitmap& tela, const std::filesystem::path& arquivo, std::string& erro) {
    // A name the user ended in ".png" gets PNG data; any other name a 24-bit BMP.
    return salva_imagem(tela, arquivo, erro);
}

void libera_tela(std::optional<Bitmap>& tela) { tela.reset(); }

} // namespace quindra
