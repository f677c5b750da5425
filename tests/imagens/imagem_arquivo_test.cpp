#include "imagens/imagem_arquivo.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "apoio/jpeg_teste.hpp"
#include "apoio/pasta_temporaria.hpp"
#include "imagens/formatos_imagem.hpp"

namespace quindra {
namespace {

// Colours every BMP flavour holds exactly: each channel 0 or 255.
constexpr CorPixel CORES[] = {{0, 0, 0},   {255, 255, 255}, {255, 0, 0},   {0, 255, 0},
                              {0, 0, 255}, {255, 255, 0},   {0, 255, 255}, {255, 0, 255}};

Bitmap imagem_teste(int largura, int altura, int cores) {
    Bitmap imagem(largura, altura);
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x) imagem.define_pixel(x, y, CORES[(x + 2 * y) % cores]);
    return imagem;
}

// ---- a small BMP writer, one flavour at a time ----

constexpr std::uint32_t RGB = 0, RLE8 = 1, RLE4 = 2, CAMPOS_DE_BITS = 3;

struct Sabor {
    int bits;
    std::uint32_t compressao = RGB; // 16 bits: RGB is 5-5-5, CAMPOS_DE_BITS here is 5-6-5
    bool de_cima = false;           // negative height: top row stored first
    std::uint32_t cabecalho = 40;   // 12 (OS/2), 40 (Windows 3) or 124 (V5)
};

void poe16(std::string& b, std::uint32_t v) { b += {char(v & 0xFF), char(v >> 8 & 0xFF)}; }
void poe32(std::string& b, std::uint32_t v) { poe16(b, v & 0xFFFF), poe16(b, v >> 16); }

std::string linha_de_pixels(const Bitmap& imagem, int y, const Sabor& s,
                            const std::vector<CorPixel>& paleta) {
    const auto indice = [&](int x) {
        const CorPixel c = imagem.pixel(x, y);
        return unsigned(std::find(paleta.begin(), paleta.end(), c) - paleta.begin());
    };
    std::string linha;
    unsigned acumulado = 0, bits_acumulados = 0;
    for (int x = 0; x < imagem.largura(); ++x) {
        const CorPixel c = imagem.pixel(x, y);
        if (s.compressao == RLE8 || s.compressao == RLE4) { // runs of one index
            int n = 1;
            while (x + n < imagem.largura() && n < 255 && imagem.pixel(x + n, y) == c) ++n;
            linha += {char(n), char(s.bits == 8 ? indice(x) : indice(x) * 0x11)};
            x += n - 1;
        } else if (s.bits <= 8) { // indices packed from the high bits down
            acumulado = acumulado << s.bits | indice(x);
            if ((bits_acumulados += unsigned(s.bits)) == 8)
                linha += char(acumulado), acumulado = bits_acumulados = 0;
        } else if (s.bits == 16) {
            const unsigned verde = s.compressao == CAMPOS_DE_BITS ? 6 : 5;
            poe16(linha, (c.r >> 3u) << (5 + verde) | (c.g >> (8 - verde)) << 5 | c.b >> 3u);
        } else {
            linha += {char(c.b), char(c.g), char(c.r)};
            if (s.bits == 32) linha += '\0'; // not alpha
        }
    }
    if (bits_acumulados > 0) linha += char(acumulado << (8 - bits_acumulados));
    if (s.compressao == RLE8 || s.compressao == RLE4) return linha + std::string(2, '\0');
    linha.resize((linha.size() + 3) / 4 * 4, '\0'); // rows padded to 32-bit words
    return linha;
}

std::string escreve_bmp(const Bitmap& imagem, const Sabor& s) {
    std::vector<CorPixel> paleta;
    for (int y = 0; s.bits <= 8 && y < imagem.altura(); ++y)
        for (int x = 0; x < imagem.largura(); ++x)
            if (std::find(paleta.begin(), paleta.end(), imagem.pixel(x, y)) == paleta.end())
                paleta.push_back(imagem.pixel(x, y));
    std::string dados;
    for (int r = 0; r < imagem.altura(); ++r)
        dados += linha_de_pixels(imagem, s.de_cima ? r : imagem.altura() - 1 - r, s, paleta);
    if (s.compressao == RLE8 || s.compressao == RLE4) dados += std::string("\0\1", 2);

    std::string info, cores;
    poe32(info, s.cabecalho);
    if (s.cabecalho == 12) {
        poe16(info, unsigned(imagem.largura())), poe16(info, unsigned(imagem.altura()));
    } else {
        poe32(info, unsigned(imagem.largura()));
        poe32(info, unsigned(s.de_cima ? -imagem.altura() : imagem.altura()));
    }
    poe16(info, 1), poe16(info, unsigned(s.bits));
    if (s.cabecalho != 12) {
        poe32(info, s.compressao), poe32(info, unsigned(dados.size()));
        poe32(info, 2835), poe32(info, 2835); // 72 dots per inch
        poe32(info, unsigned(paleta.size())), poe32(info, 0);
    }
    if (s.compressao == CAMPOS_DE_BITS) poe32(info, 0xF800), poe32(info, 0x07E0), poe32(info, 0x1F);
    if (s.cabecalho == 124) {
        info.resize(56, '\0');   // the masks end inside the header
        poe32(info, 0x73524742); // "sRGB"
        info.resize(124, '\0');  // end points, gammas, intent, profile: unused
    }
    for (const CorPixel& c : paleta) {
        cores += {char(c.b), char(c.g), char(c.r)};
        if (s.cabecalho != 12) cores += '\0';
    }
    const auto inicio = unsigned(14 + info.size() + cores.size());
    std::string arquivo = "BM";
    poe32(arquivo, inicio + unsigned(dados.size())), poe32(arquivo, 0), poe32(arquivo, inicio);
    return arquivo + info + cores + dados;
}

// ---- tests ----

class ArquivoImagem : public ::testing::Test {
protected:
    std::filesystem::path escreve(const std::string& bytes, const std::string& nome = "i.bmp") {
        return pasta.escreve(nome, bytes);
    }
    std::string le(const std::string& nome) {
        std::ifstream entrada(pasta.caminho() / nome, std::ios::binary);
        return {std::istreambuf_iterator<char>(entrada), {}};
    }
    std::string invalido(const std::string& nome, const std::string& motivo) {
        return "Bitmap image is not valid\nO arquivo \"" + (pasta.caminho() / nome).string() +
               "\" não é uma imagem válida: " + motivo + ".";
    }
    teste::PastaTemporaria pasta;
    std::string erro;
};

TEST_F(ArquivoImagem, CadaSaborDeBmpIdaEVolta) {
    std::vector<Sabor> sabores;
    for (const Sabor& s : {Sabor{1}, Sabor{4}, Sabor{8}, Sabor{4, RLE4}, Sabor{8, RLE8}, Sabor{16},
                           Sabor{16, CAMPOS_DE_BITS}, Sabor{24}, Sabor{32}}) {
        sabores.push_back(s);
        sabores.push_back({s.bits, s.compressao, true});
    }
    sabores.insert(sabores.end(), {{8, RGB, false, 124},
                                   {16, RGB, false, 124},
                                   {16, CAMPOS_DE_BITS, false, 124},
                                   {32, RGB, false, 124},
                                   {1, RGB, false, 12},
                                   {8, RGB, false, 12},
                                   {24, RGB, false, 12}});
    for (const Sabor& s : sabores)
        for (int largura : {1, 2, 3, 5, 9}) { // every remainder of the row padding
            const Bitmap imagem = imagem_teste(largura, 3, s.bits == 1 ? 2 : 8);
            const std::string nome = std::to_string(s.bits) + " bits, compressão " +
                                     std::to_string(s.compressao) + ", cabeçalho " +
                                     std::to_string(s.cabecalho) + (s.de_cima ? ", de cima" : "") +
                                     ", largura " + std::to_string(largura);
            const std::string bmp = escreve_bmp(imagem, s);
            const auto lida = carrega_imagem(escreve(bmp), erro);
            ASSERT_TRUE(lida) << nome << ": " << erro;
            EXPECT_EQ(lida->largura(), largura);
            EXPECT_EQ(lida->rgb(), imagem.rgb()) << nome;

            // one byte short of what the headers promise
            EXPECT_FALSE(carrega_imagem(escreve(bmp.substr(0, bmp.size() - 1)), erro)) << nome;
            EXPECT_EQ(erro, invalido("i.bmp", "arquivo truncado")) << nome;
        }
}

TEST_F(ArquivoImagem, CabecalhosAbsurdosSaoRecusadosSemDecodificar) {
    const std::string base = escreve_bmp(imagem_teste(1, 1, 1), {24});      // 58 bytes
    const std::string rle8 = escreve_bmp(imagem_teste(1, 1, 1), {8, RLE8}); // 64 bytes
    struct Remendo {
        std::size_t posicao;
        std::int64_t valor;
        std::size_t bytes = 4;
    };
    const auto com = [&](std::initializer_list<Remendo> remendos, const std::string& de = {}) {
        std::string b = de.empty() ? base : de;
        for (const Remendo& r : remendos) {
            std::string v;
            poe32(v, static_cast<std::uint32_t>(r.valor));
            b.replace(r.posicao, r.bytes, v.substr(0, r.bytes));
        }
        return b;
    };
    constexpr std::size_t INICIO = 10, CABECALHO = 14, LARGURA = 18, ALTURA = 22, BITS = 28,
                          COMPRESSAO = 30;
    const auto grande_demais = [](const std::string& lados) {
        return "imagem grande demais: " + lados +
               " pixels; o limite é de 40 megapixels e de 65500 pixels por lado";
    };
    const std::pair<std::string, std::string> casos[] = {
        {com({{LARGURA, 20000}, {ALTURA, 20000}}), grande_demais("20000 x 20000")},
        {com({{ALTURA, -2147483648LL}}), grande_demais("1 x 2147483648")},
        {com({{LARGURA, 8000}, {ALTURA, -5000}}), "arquivo truncado"}, // exactly the budget
        {com({{LARGURA, 8001}, {ALTURA, -5000}}), grande_demais("8001 x 5000")},
        {com({{LARGURA, 65501}, {ALTURA, 1}}), grande_demais("65501 x 1")},
        // the run-length flavours cost nothing to claim any size with
        {com({{LARGURA, 8192}, {ALTURA, 8192}}, rle8), grande_demais("8192 x 8192")},
        {com({{LARGURA, 0}}), "largura ou altura inválida"},
        {com({{ALTURA, 0}}), "largura ou altura inválida"},
        {com({{LARGURA, -5}}), "largura ou altura inválida"},
        {com({{BITS, 12, 2}}), "tipo de BMP não suportado"},
        {com({{COMPRESSAO, RLE8}}), "tipo de BMP não suportado"}, // RLE8 of 24-bit pixels
        {com({{CABECALHO, 64}}), "tipo de BMP não suportado"},
        {com({{INICIO, 20}}), "dados corrompidos"}, // pixels said to start inside the header
        {com({{INICIO, 5000}}), "arquivo truncado"},
        {base.substr(0, 20), "arquivo truncado"},
        {"Isto não é uma imagem.", "formato desconhecido (aceitos: BMP, PNG e JPEG)"},
        {"", "formato desconhecido (aceitos: BMP, PNG e JPEG)"},
    };
    const auto inicio = std::chrono::steady_clock::now();
    for (const auto& [bytes, motivo] : casos) {
        EXPECT_FALSE(carrega_imagem(escreve(bytes), erro)) << motivo;
        EXPECT_EQ(erro, invalido("i.bmp", motivo));
    }
    // nothing was decoded: a 20000 x 20000 decode alone takes seconds
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(1));

    // exactly the budget is decoded, from 64 bytes: pixels no run reaches take palette colour 0
    const auto no_limite =
        carrega_imagem(escreve(com({{LARGURA, 8000}, {ALTURA, 5000}}, rle8)), erro);
    ASSERT_TRUE(no_limite) << erro;
    EXPECT_EQ(no_limite->rgb().size(), std::size_t{8000} * 5000 * 3);
    EXPECT_EQ(no_limite->pixel(7999, 0), CORES[0]);
}

TEST_F(ArquivoImagem, ArquivoQueNaoAbre) {
    for (const std::filesystem::path& arquivo :
         {pasta.caminho() / "nao-existe.bmp", pasta.caminho(), std::filesystem::path()}) {
        EXPECT_FALSE(carrega_imagem(arquivo, erro));
        EXPECT_EQ(erro, "Cannot open file " + arquivo.string() +
                            "\nNão foi possível abrir o arquivo \"" + arquivo.string() + "\".");
    }
}

TEST_F(ArquivoImagem, PngQuandoONomeTerminaEmPng) {
    const Bitmap imagem = imagem_teste(7, 5, 8);
    for (const auto& [nome, assinatura] : {std::pair{"a.png", "\x89PNG"},
                                           {"b.PnG", "\x89PNG"},
                                           {"c.bmp", "BM"},
                                           {"d", "BM"},
                                           {"e.png.bmp", "BM"}}) {
        ASSERT_TRUE(salva_imagem(imagem, pasta.caminho() / nome, erro)) << erro;
        EXPECT_EQ(le(nome).substr(0, std::string(assinatura).size()), assinatura) << nome;
        const auto lida = carrega_imagem(pasta.caminho() / nome, erro);
        ASSERT_TRUE(lida) << erro;
        EXPECT_EQ(lida->rgb(), imagem.rgb()) << nome;
    }
    EXPECT_FALSE(salva_imagem(Bitmap(0, 0), pasta.caminho() / "vazia.png", erro));
}

TEST_F(ArquivoImagem, PngDefeituosoERecusado) {
    ASSERT_TRUE(salva_imagem(Bitmap(40, 30), pasta.caminho() / "a.png", erro)) << erro;
    const std::string png = le("a.png");
    const auto com_lados = [&](std::uint32_t largura, std::uint32_t altura) {
        std::string b = png; // IHDR holds width and height big-endian from byte 16
        for (std::size_t k = 0; k < 4; ++k) {
            b[16 + k] = char(largura >> (24 - 8 * k));
            b[20 + k] = char(altura >> (24 - 8 * k));
        }
        return b;
    };
    const std::pair<std::string, std::string> casos[] = {
        {com_lados(100000, 100000), "imagem grande demais: 100000 x 100000 pixels; o limite é de "
                                    "40 megapixels e de 65500 pixels por lado"},
        {com_lados(0, 30), "largura ou altura inválida"},
        {png.substr(0, png.size() / 2), "arquivo truncado"},
        {png.substr(0, png.size() - 12), "arquivo truncado"}, // no end chunk
        {png.substr(0, 8) + std::string(40, 'x'), "dados corrompidos"},
    };
    for (const auto& [bytes, motivo] : casos) {
        EXPECT_FALSE(carrega_imagem(escreve(bytes, "i.png"), erro)) << motivo;
        EXPECT_EQ(erro, invalido("i.png", motivo));
    }
}

TEST_F(ArquivoImagem, JpegLidoERecusadoQuandoCortadoOuEnorme) {
    using teste::EspacoJpeg;
    const auto plana = [](EspacoJpeg espaco, const std::string& amostra) {
        std::string amostras;
        for (int i = 0; i < 16 * 8; ++i) amostras += amostra;
        return teste::codifica_jpeg(16, 8, espaco, amostras);
    };
    // CMYK is stored inverted, Adobe's way: 255 means no ink, so red = C * K / 255
    const std::string rgb = "\x5A\xA0\xDC", cmyk("\xFF\x80\x00\xC8", 4);
    const struct {
        std::string nome;
        std::string jpeg;
        CorPixel cor;
    } espacos[] = {{"rgb", plana(EspacoJpeg::Rgb, rgb), {90, 160, 220}},
                   {"cinza", plana(EspacoJpeg::Cinza, "\x4D"), {77, 77, 77}},
                   {"cmyk", plana(EspacoJpeg::Cmyk, cmyk), {200, 100, 0}},
                   {"ycck", plana(EspacoJpeg::Ycck, cmyk), {200, 100, 0}}};
    for (const auto& [nome, jpeg, cor] : espacos) {
        const auto lida = carrega_imagem(escreve(jpeg, "foto.bmp"), erro); // the name is ignored
        ASSERT_TRUE(lida) << nome << ": " << erro;
        ASSERT_EQ(lida->largura(), 16);
        ASSERT_EQ(lida->altura(), 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x) { // a flat colour survives the lossy coding closely
                const CorPixel p = lida->pixel(x, y);
                EXPECT_LE(std::abs(p.r - cor.r) + std::abs(p.g - cor.g) + std::abs(p.b - cor.b), 9)
                    << nome;
            }
    }

    const std::string& jpeg = espacos[0].jpeg;
    EXPECT_FALSE(carrega_imagem(escreve(jpeg.substr(0, jpeg.size() * 2 / 3), "c.jpg"), erro));
    EXPECT_EQ(erro, invalido("c.jpg", "arquivo truncado"));
    // the frame header (0xFF 0xC0, length, precision) holds height and width
    const std::size_t quadro = jpeg.find("\xFF\xC0");
    ASSERT_NE(quadro, std::string::npos);
    std::string enorme = jpeg;
    EXPECT_FALSE(carrega_imagem(escreve(enorme.replace(quadro + 5, 4, 4, '\xFF'), "e.jpg"), erro));
    EXPECT_EQ(erro, invalido("e.jpg", "imagem grande demais: 65535 x 65535 pixels; o limite é "
                                      "de 40 megapixels e de 65500 pixels por lado"));
    // 6000 x 6000 within the pixel budget, from far too few bytes to code it
    std::string oco = jpeg;
    EXPECT_FALSE(carrega_imagem(
        escreve(oco.replace(quadro + 5, 4, std::string("\x17\x70\x17\x70", 4)), "o.jpg"), erro));
    EXPECT_EQ(erro, invalido("o.jpg", "arquivo truncado"));
}

TEST_F(ArquivoImagem, CamposDeBitsEscalamCadaCanalAte255) {
    // a channel of n bits holding v reads as 255 * v / (2^n - 1), rounded
    const struct {
        std::string nome;
        std::uint32_t r, g, b, pixel;
        CorPixel esperada;
    } casos[] = {
        // 512 of 1023 is 127.6, and 1 of 1023 is 0.25
        {"10-10-10", 0x3FF00000, 0xFFC00, 0x3FF, 512u << 20 | 1023u << 10 | 1, {128, 255, 0}},
        {"azul nos bits altos", 0x000000FF, 0x0000FF00, 0xFF000000, 0x40003020, {32, 48, 64}},
        {"um bit e máscara vazia", 0x80000000, 0x00000000, 0x00000001, 0x80000001, {255, 0, 255}},
    };
    for (const auto& caso : casos) {
        std::string bmp = "BM";
        poe32(bmp, 14 + 40 + 12 + 4), poe32(bmp, 0), poe32(bmp, 14 + 40 + 12);
        poe32(bmp, 40), poe32(bmp, 1), poe32(bmp, 1), poe16(bmp, 1), poe16(bmp, 32);
        poe32(bmp, CAMPOS_DE_BITS), poe32(bmp, 4), poe32(bmp, 0), poe32(bmp, 0), poe32(bmp, 0),
            poe32(bmp, 0);
        poe32(bmp, caso.r), poe32(bmp, caso.g), poe32(bmp, caso.b), poe32(bmp, caso.pixel);
        const auto lida = carrega_imagem(escreve(bmp), erro);
        ASSERT_TRUE(lida) << caso.nome << ": " << erro;
        EXPECT_EQ(lida->pixel(0, 0), caso.esperada) << caso.nome;
    }
}

TEST_F(ArquivoImagem, DiscoCheioDeixaOArquivoAntigoIntacto) {
    Bitmap ruido(64, 64); // noise, so that even the PNG is well over the limit below
    std::uint32_t semente = 12345;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            semente = semente * 1103515245u + 12345u;
            ruido.define_pixel(x, y,
                               {std::uint8_t(semente >> 24), std::uint8_t(semente >> 16),
                                std::uint8_t(semente >> 8)});
        }
    for (const std::string nome : {"quadro.bmp", "quadro.png"}) {
        const auto arquivo = escreve("a imagem de antes", nome);
        // a cap on the size of the files this process writes plays the full disk
        const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit antes{};
        getrlimit(RLIMIT_FSIZE, &antes);
        const rlimit cheio{4096, antes.rlim_max};
        setrlimit(RLIMIT_FSIZE, &cheio);
        EXPECT_FALSE(salva_imagem(ruido, arquivo, erro)) << nome;
        setrlimit(RLIMIT_FSIZE, &antes);
        std::signal(SIGXFSZ, sinal);

        EXPECT_EQ(erro, "Cannot create file " + arquivo.string() +
                            "\nNão foi possível criar o arquivo \"" + arquivo.string() + "\".");
        EXPECT_EQ(le(nome), "a imagem de antes");
        // no temporary file is left beside it
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.caminho()), {}), 1);

        // with room again, the same call replaces the file whole
        ASSERT_TRUE(salva_imagem(ruido, arquivo, erro)) << erro;
        const auto lida = carrega_imagem(arquivo, erro);
        ASSERT_TRUE(lida) << erro;
        EXPECT_EQ(lida->rgb(), ruido.rgb()) << nome;
        std::filesystem::remove(arquivo);
    }
}

TEST(MemoriaDaImagem, OArquivoOsPixelsEOQueODecodificadorGuardaContam) {
    constexpr auto RESTO = MAXIMO_MEMORIA_IMAGEM - 6000 * 6000 * 3; // beside 6000 x 6000 RGB
    const std::string alem = "imagem grande demais: decodificar 6000 x 6000 pixels exigiria 257 "
                             "MB de memória; o limite é de 256 MB";
    const struct {
        std::string nome;
        std::size_t arquivo;
        std::int64_t decodificador;
        std::string motivo;
    } casos[] = {
        {"no limite", 0, RESTO, ""},
        {"um byte além", 1, RESTO, alem}, // rounded up to whole megabytes
        // held in memory while the image is decoded, it counts as much as the decoder's buffers
        {"o arquivo", RESTO + 1, 0, alem},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(formatos::confere_memoria(caso.arquivo, 6000, 6000, caso.decodificador),
                  caso.motivo)
            << caso.nome;
}

} // namespace
} // namespace quindra
