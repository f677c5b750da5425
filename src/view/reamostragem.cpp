#include "view/reamostragem.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quindra {

namespace {

// How much of an old pixel along one axis falls in a new one.
struct Cobertura {
    int origem;
    double parte;
};

// For each of para new pixels along an axis, the old pixels of the de it covers. The parts are
// in old pixels, whole for a whole factor, so that sums of whole values stay exact.
std::vector<std::vector<Cobertura>> coberturas(int de, int para) {
    const double escala = static_cast<double>(de) / para;
    std::vector<std::vector<Cobertura>> todas(static_cast<std::size_t>(para));
    for (int i = 0; i < para; ++i) {
        const double inicio = i * escala, fim = std::min((i + 1) * escala, double(de));
        for (int j = static_cast<int>(inicio); j < de && j < fim; ++j) {
            const double parte = std::min(fim, j + 1.0) - std::max(inicio, double(j));
            if (parte > 0) todas[static_cast<std::size_t>(i)].push_back({j, parte});
        }
    }
    return todas;
}

} // namespace

Bitmap reamostra(const Bitmap& imagem, int largura, int altura) {
    largura = std::max(largura, 1);
    altura = std::max(altura, 1);
    if (largura == imagem.largura() && altura == imagem.altura()) return imagem;
    if (imagem.largura() < 1 || imagem.altura() < 1) return Bitmap(largura, altura);
    const auto colunas = coberturas(imagem.largura(), largura);
    const auto linhas = coberturas(imagem.altura(), altura);
    const double area = static_cast<double>(imagem.largura()) / largura *
                        (static_cast<double>(imagem.altura()) / altura);

    // Across first: each old row summed into the new columns.
    const auto largura_nova = static_cast<std::size_t>(largura);
    std::vector<double> somas(static_cast<std::size_t>(imagem.altura()) * largura_nova * 3);
    const auto& rgb = imagem.rgb();
    for (int y = 0; y < imagem.altura(); ++y) {
        const std::size_t linha = static_cast<std::size_t>(y) * imagem.largura() * 3;
        for (std::size_t x = 0; x < largura_nova; ++x) {
            double* soma = &somas[(static_cast<std::size_t>(y) * largura_nova + x) * 3];
            for (const Cobertura& c : colunas[x]) {
                const std::uint8_t* p = &rgb[linha + static_cast<std::size_t>(c.origem) * 3];
                for (int canal = 0; canal < 3; ++canal) soma[canal] += c.parte * p[canal];
            }
        }
    }
    // Then down, and the mean.
    std::vector<std::uint8_t> saida(largura_nova * static_cast<std::size_t>(altura) * 3);
    for (std::size_t y = 0; y < static_cast<std::size_t>(altura); ++y) {
        for (std::size_t x = 0; x < largura_nova; ++x) {
            double total[3] = {};
            for (const Cobertura& c : linhas[y]) {
                const double* soma =
                    &somas[(static_cast<std::size_t>(c.origem) * largura_nova + x) * 3];
                for (int canal = 0; canal < 3; ++canal) total[canal] += c.parte * soma[canal];
            }
            for (int canal = 0; canal < 3; ++canal) {
                saida[(y * largura_nova + x) * 3 + canal] = static_cast<std::uint8_t>(
                    std::clamp(std::lround(total[canal] / area), 0L, 255L));
            }
        }
    }
    return Bitmap(largura, altura, std::move(saida));
}

Bitmap recorta(const Bitmap& imagem, int x, int y, int largura, int altura) {
    largura = std::max(largura, 0);
    altura = std::max(altura, 0);
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(largura) * altura * 3);
    for (int dy = 0; dy < altura; ++dy) {
        for (int dx = 0; dx < largura; ++dx) {
            const CorPixel p = imagem.pixel(x + dx, y + dy);
            rgb.insert(rgb.end(), {p.r, p.g, p.b});
        }
    }
    return Bitmap(largura, altura, std::move(rgb));
}

} // namespace quindra
