#include "view/tela.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "apoio/pasta_temporaria.hpp"
#include "imagens/imagem_arquivo.hpp"

namespace quindra {
namespace {

/// Row 0 and column 0 keep their colour (fora); the clearing rectangle's outline, columns and
/// rows 1 and 599, takes the pen (borda); everything inside it is black.
void confere_moldura(const Bitmap& tela, CorPixel borda, CorPixel fora) {
    for (int y = 0; y < LADO_TELA; ++y)
        for (int x = 0; x < LADO_TELA; ++x) {
            const bool contorno = x == 1 || y == 1 || x == 599 || y == 599;
            const CorPixel esperada = x == 0 || y == 0 ? fora : contorno ? borda : PRETO;
            if (tela.pixel(x, y) != esperada) FAIL() << x << "," << y;
        }
}

TEST(Tela, CriadaPretaComLinhaEColunaZeroBrancasETexturaVazia) {
    std::optional<Bitmap> tela, textura;
    Bitmap& criada = cria_tela(tela, textura);
    EXPECT_EQ(&criada, &*tela);
    EXPECT_EQ(criada.largura(), 600);
    EXPECT_EQ(criada.altura(), 600);
    confere_moldura(criada, PRETO, BRANCO);
    ASSERT_TRUE(textura);
    EXPECT_EQ(textura->largura() + textura->altura(), 0);
}

TEST(Tela, CanetaAmarelaDeixaMolduraAmarelaEOEstadoPersiste) {
    std::optional<Bitmap> tela, textura;
    cria_tela(tela, textura);
    textura.emplace(2, 2); // a loaded texture
    tela->define_pixel(300, 300, AMARELO);
    tela->define_caneta(AMARELO);
    tela->move_para(10, 20);
    Bitmap& limpa = cria_tela(tela, textura);
    confere_moldura(limpa, AMARELO, BRANCO);
    EXPECT_EQ(limpa.posicao_caneta(), (PontoPixel{10, 20}));
    EXPECT_EQ(textura->largura(), 2);

    libera_tela(tela);
    EXPECT_FALSE(tela);
    cria_tela(tela, textura);
    EXPECT_EQ(tela->caneta(), PRETO);
    EXPECT_EQ(textura->largura(), 2); // a new frame keeps the texture
}

TEST(Tela, SalvaBmpDe24BitsOuPngPeloNome) {
    teste::PastaTemporaria pasta;
    std::optional<Bitmap> tela, textura;
    cria_tela(tela, textura).define_pixel(599, 0, AMARELO);
    std::string erro;
    for (const char* nome : {"quadro.bmp", "quadro.jpg", "quadro"}) {
        ASSERT_TRUE(salva_tela(*tela, pasta.caminho() / nome, erro)) << erro;
        std::ifstream entrada(pasta.caminho() / nome, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(entrada), {});
        // 54 bytes of headers, then 600 rows of 1800 bytes, already a multiple of 4
        ASSERT_EQ(bytes.size(), 54u + 600u * 1800u) << nome;
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(bytes[28], 24); // bits per pixel
        const auto lida = carrega_imagem(pasta.caminho() / nome, erro);
        ASSERT_TRUE(lida) << erro;
        EXPECT_EQ(lida->rgb(), tela->rgb()) << nome;
    }
    for (const char* nome : {"quadro.png", "QUADRO.PNG"}) {
        ASSERT_TRUE(salva_tela(*tela, pasta.caminho() / nome, erro)) << erro;
        std::ifstream entrada(pasta.caminho() / nome, std::ios::binary);
        std::string lida_assinatura(8, '\0');
        entrada.read(lida_assinatura.data(), 8);
        EXPECT_EQ(lida_assinatura, "\x89PNG\r\n\x1a\n") << nome;
        const auto lida = carrega_imagem(pasta.caminho() / nome, erro);
        ASSERT_TRUE(lida) << erro;
        EXPECT_EQ(lida->rgb(), tela->rgb()) << nome;
    }
    const auto sem_pasta = pasta.caminho() / "nao-existe" / "quadro.bmp";
    EXPECT_FALSE(salva_tela(*tela, sem_pasta, erro));
    EXPECT_EQ(erro, "Cannot create file " + sem_pasta.string() +
                        "\nNão foi possível criar o arquivo \"" + sem_pasta.string() + "\".");
}

} // namespace
} // namespace quindra
