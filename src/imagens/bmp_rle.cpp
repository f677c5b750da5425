#include "imagens/bmp_rle.hpp"

#include <algorithm>
#include <cassert>

namespace quindra {

namespace {

// The escape codes that follow a zero count.
constexpr std::uint8_t FIM_DE_LINHA = 0, FIM_DE_IMAGEM = 1, DESLOCAMENTO = 2;

/// The two indices packed in a byte of RLE4, high nibble first.
std::uint8_t indice_rle4(std::uint8_t par, std::int64_t k) {
    return static_cast<std::uint8_t>(k % 2 == 0 ? par >> 4 : par & 0x0F);
}

class Decodificador {
public:
    Decodificador(int largura, int altura, bool de_cima_para_baixo,
                  std::span<const CorPixel> paleta, std::vector<std::uint8_t>& rgb)
        : largura_(largura), altura_(altura), de_cima_(de_cima_para_baixo), paleta_(paleta),
          rgb_(rgb) {
        const CorPixel fundo = paleta.empty() ? PRETO : paleta[0];
        rgb_.resize(static_cast<std::size_t>(largura) * static_cast<std::size_t>(altura) * 3);
        for (std::size_t i = 0; i < rgb_.size(); i += 3)
            rgb_[i] = fundo.r, rgb_[i + 1] = fundo.g, rgb_[i + 2] = fundo.b;
    }

    /// Paints n pixels from the current position; indice(k) gives the k-th one's palette index.
    template <class Indice> void pinta(std::int64_t n, Indice indice) {
        // only the part inside the row is walked, so a run past the edge costs nothing
        const std::int64_t visiveis =
            linha_ < altura_ ? std::clamp<std::int64_t>(largura_ - x_, 0, n) : 0;
        for (std::int64_t k = 0; k < visiveis; ++k) escreve(x_ + k, indice(k));
        x_ += n;
    }
    void proxima_linha() { x_ = 0, ++linha_; }
    void desloca(std::uint8_t dx, std::uint8_t dy) { x_ += dx, linha_ += dy; }
    bool linhas_completas() const { return linha_ >= altura_; }

private:
    void escreve(std::int64_t x, std::uint8_t indice) {
        // rows are stored bottom-up unless the height was negative
        const std::int64_t linha = de_cima_ ? linha_ : altura_ - 1 - linha_;
        assert(x >= 0 && x < largura_ && linha >= 0 && linha < altura_);
        const CorPixel cor = indice < paleta_.size() ? paleta_[indice] : PRETO;
        const auto inicio_linha = static_cast<std::size_t>(linha * largura_);
        const std::size_t i = (inicio_linha + static_cast<std::size_t>(x)) * 3;
        rgb_[i] = cor.r, rgb_[i + 1] = cor.g, rgb_[i + 2] = cor.b;
    }

    std::int64_t largura_, altura_;
    bool de_cima_;
    std::span<const CorPixel> paleta_;
    std::vector<std::uint8_t>& rgb_;
    std::int64_t x_ = 0, linha_ = 0;
};

} // namespace

bool decodifica_rle(std::span<const std::uint8_t> dados, int bits, int largura, int altura,
                    bool de_cima_para_baixo, std::span<const CorPixel> paleta,
                    std::vector<std::uint8_t>& rgb) {
    Decodificador d(largura, altura, de_cima_para_baixo, paleta, rgb);
    const bool rle8 = bits == 8;
    std::size_t i = 0;
    while (i + 2 <= dados.size()) {
        const std::uint8_t contagem = dados[i], valor = dados[i + 1];
        i += 2;
        if (contagem > 0) { // a run of one index (RLE4: two alternating indices)
            d.pinta(contagem, [&](std::int64_t k) { return rle8 ? valor : indice_rle4(valor, k); });
        } else if (valor == FIM_DE_LINHA) {
            d.proxima_linha();
        } else if (valor == FIM_DE_IMAGEM) {
            return true;
        } else if (valor == DESLOCAMENTO) {
            if (i + 2 > dados.size()) return false;
            d.desloca(dados[i], dados[i + 1]);
            i += 2;
        } else { // literal indices, padded to an even number of bytes
            const std::size_t bytes = rle8 ? valor : (valor + 1u) / 2;
            if (i + bytes > dados.size()) return false;
            const std::uint8_t* literais = dados.data() + i;
            d.pinta(valor, [&](std::int64_t k) {
                return rle8 ? literais[k] : indice_rle4(literais[k / 2], k);
            });
            i += bytes + bytes % 2;
        }
    }
    return d.linhas_completas();
}

} // namespace quindra
