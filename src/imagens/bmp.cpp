// BMP files: every flavour read by our own code, after checking the headers against the file's
// real length; 24-bit files written.
#include <algorithm>
#include <bit>
#include <initializer_list>

#include "imagens/bmp_rle.hpp"
#include "imagens/formatos_imagem.hpp"

namespace quindra::formatos {

namespace {

std::uint16_t le16(const std::uint8_t* b) { return static_cast<std::uint16_t>(b[0] | b[1] << 8); }

std::uint32_t le32(const std::uint8_t* b) {
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

/// Where the red, green and blue bits of a 16 or 32-bit pixel are.
struct Mascaras {
    std::uint32_t r = 0, g = 0, b = 0;
};

constexpr Mascaras RGB555{0x7C00, 0x03E0, 0x001F};
constexpr Mascaras XRGB8888{0xFF0000, 0x00FF00, 0x0000FF};

/// What the BMP headers say, once checked.
struct CabecalhoBmp {
    std::int64_t largura = 0, altura = 0;
    bool de_cima_para_baixo = false;
    int bits = 0;
    bool rle = false;
    std::size_t inicio_dados = 0, fim_dados = 0; // the pixel data, within the file
    std::vector<CorPixel> paleta;                // pixels of 8 bits or fewer
    Mascaras mascaras;                           // pixels of 16 or 32 bits
};

constexpr std::uint32_t SEM_COMPRESSAO = 0, RLE8 = 1, RLE4 = 2, CAMPOS_DE_BITS = 3;
constexpr std::size_t CABECALHO_ARQUIVO = 14, CABECALHO_OS2 = 12, CABECALHO_WINDOWS = 40;

bool combinacao_valida(std::uint32_t tamanho_info, int bits, std::uint32_t compressao) {
    const auto um_de = [bits](std::initializer_list<int> validos) {
        return std::find(validos.begin(), validos.end(), bits) != validos.end();
    };
    if (tamanho_info == CABECALHO_OS2) return um_de({1, 4, 8, 24});
    switch (compressao) {
    case SEM_COMPRESSAO:
        return um_de({1, 4, 8, 16, 24, 32});
    case RLE8:
        return bits == 8;
    case RLE4:
        return bits == 4;
    case CAMPOS_DE_BITS:
        return um_de({16, 32});
    default:
        return false;
    }
}

/// Palette entries: blue, green, red, and an unused byte except in OS/2 files.
std::vector<CorPixel> le_paleta(const std::uint8_t* inicio, std::size_t cores, std::size_t passo) {
    std::vector<CorPixel> paleta;
    for (const std::uint8_t* p = inicio; p < inicio + passo * cores; p += passo)
        paleta.push_back({p[2], p[1], p[0]});
    return paleta;
}

/// Reads and checks both headers against the file's real length, so that the decoders never
/// read past the end or allocate for a size nobody stored.
std::string confere_bmp(Bytes dados, CabecalhoBmp& c) {
    if (dados.size() < CABECALHO_ARQUIVO + 4) return std::string(TRUNCADO);
    const std::uint32_t tamanho_info = le32(&dados[CABECALHO_ARQUIVO]);
    // the header sizes in use; the others are rare variants
    if (tamanho_info != CABECALHO_OS2 && tamanho_info != CABECALHO_WINDOWS && tamanho_info != 56 &&
        tamanho_info != 108 && tamanho_info != 124)
        return "tipo de BMP não suportado";
    if (dados.size() < CABECALHO_ARQUIVO + tamanho_info) return std::string(TRUNCADO);

    const std::uint8_t* info = &dados[CABECALHO_ARQUIVO + 4];
    std::uint32_t compressao = SEM_COMPRESSAO, cores_usadas = 0, tamanho_dados = 0;
    if (tamanho_info == CABECALHO_OS2) {
        c.largura = le16(info), c.altura = le16(info + 2), c.bits = le16(info + 6);
    } else {
        c.largura = static_cast<std::int32_t>(le32(info));
        c.altura = static_cast<std::int32_t>(le32(info + 4));
        c.bits = le16(info + 10);
        compressao = le32(info + 12);
        tamanho_dados = le32(info + 16);
        cores_usadas = le32(info + 28);
    }
    // a negative height means the rows are stored top row first
    c.de_cima_para_baixo = c.altura < 0;
    c.altura = c.altura < 0 ? -c.altura : c.altura;
    if (auto motivo = confere_dimensoes(c.largura, c.altura); !motivo.empty()) return motivo;
    // the file stays in memory beside the pixels: a big image padded with junk costs both
    if (auto motivo = confere_memoria(dados.size(), c.largura, c.altura, 0); !motivo.empty())
        return motivo;
    if (!combinacao_valida(tamanho_info, c.bits, compressao)) return "tipo de BMP não suportado";
    c.rle = compressao == RLE8 || compressao == RLE4;

    // a 40-byte header with bit fields is followed by the three masks; longer ones hold them
    const std::size_t fim_info = CABECALHO_ARQUIVO + tamanho_info;
    const std::size_t fim_cabecalhos =
        fim_info + (compressao == CAMPOS_DE_BITS && tamanho_info == CABECALHO_WINDOWS ? 12 : 0);
    c.inicio_dados = le32(&dados[10]);
    if (c.inicio_dados < fim_cabecalhos) return std::string(CORROMPIDO);
    if (c.inicio_dados > dados.size()) return std::string(TRUNCADO);
    if (compressao == CAMPOS_DE_BITS) {
        const std::uint8_t* m = &dados[CABECALHO_ARQUIVO + CABECALHO_WINDOWS];
        c.mascaras = {le32(m), le32(m + 4), le32(m + 8)};
    } else {
        c.mascaras = c.bits == 16 ? RGB555 : XRGB8888;
    }

    if (c.bits <= 8) {
        const std::size_t bytes_cor = tamanho_info == CABECALHO_OS2 ? 3 : 4;
        const std::size_t cabem = (c.inicio_dados - fim_cabecalhos) / bytes_cor;
        if (cabem == 0) return std::string(CORROMPIDO);
        // no more colours than the file holds before the pixels, nor than indices can reach
        const std::size_t alcancaveis = std::size_t{1} << c.bits;
        const std::size_t declaradas = cores_usadas == 0 ? alcancaveis : std::size_t{cores_usadas};
        c.paleta = le_paleta(&dados[fim_cabecalhos], std::min({cabem, alcancaveis, declaradas}),
                             bytes_cor);
    }

    if (!c.rle) {
        // rows are padded to whole 32-bit words
        const auto bytes_linha = static_cast<std::size_t>((c.largura * c.bits + 31) / 32 * 4);
        c.fim_dados = c.inicio_dados + bytes_linha * static_cast<std::size_t>(c.altura);
        return c.fim_dados > dados.size() ? std::string(TRUNCADO) : std::string();
    }
    c.fim_dados = dados.size();
    if (tamanho_dados != 0) {
        if (tamanho_dados > dados.size() - c.inicio_dados) return std::string(TRUNCADO);
        c.fim_dados = c.inicio_dados + tamanho_dados;
    }
    return {};
}

/// One channel of a bit-field pixel, scaled to 0..255 with rounding whatever its width.
std::uint8_t canal(std::uint32_t pixel, std::uint32_t mascara) {
    if (mascara == 0) return 0;
    const int deslocamento = std::countr_zero(mascara);
    const std::uint64_t maximo = mascara >> deslocamento;
    const std::uint64_t valor = (pixel & mascara) >> deslocamento;
    return static_cast<std::uint8_t>((valor * 255 + maximo / 2) / maximo);
}

CorPixel pixel_de_campos(std::uint32_t pixel, const Mascaras& m) {
    return {canal(pixel, m.r), canal(pixel, m.g), canal(pixel, m.b)};
}

/// Pixel x of a stored row of the uncompressed flavours.
CorPixel le_pixel(const std::uint8_t* linha, std::int64_t x, const CabecalhoBmp& c) {
    switch (c.bits) {
    case 1:
    case 4:
    case 8: { // indices packed from the high bits down
        const std::int64_t bit = x * c.bits;
        const unsigned indice = linha[bit / 8] >> (8 - c.bits - bit % 8) & ((1u << c.bits) - 1);
        return indice < c.paleta.size() ? c.paleta[indice] : PRETO;
    }
    case 16:
        return pixel_de_campos(le16(linha + 2 * x), c.mascaras);
    case 24:
        return {linha[3 * x + 2], linha[3 * x + 1], linha[3 * x]};
    default:
        return pixel_de_campos(le32(linha + 4 * x), c.mascaras);
    }
}

void decodifica_sem_compressao(Bytes dados, const CabecalhoBmp& c, std::vector<std::uint8_t>& rgb) {
    const auto bytes_linha = static_cast<std::size_t>((c.largura * c.bits + 31) / 32 * 4);
    for (std::int64_t r = 0; r < c.altura; ++r) {
        const std::uint8_t* linha =
            &dados[c.inicio_dados + static_cast<std::size_t>(r) * bytes_linha];
        // rows are stored bottom-up unless the height was negative
        const std::int64_t y = c.de_cima_para_baixo ? r : c.altura - 1 - r;
        std::uint8_t* destino = rgb.data() + static_cast<std::size_t>(y * c.largura * 3);
        for (std::int64_t x = 0; x < c.largura; ++x, destino += 3) {
            const CorPixel cor = le_pixel(linha, x, c);
            destino[0] = cor.r, destino[1] = cor.g, destino[2] = cor.b;
        }
    }
}

void poe16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v)), b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void poe32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    poe16(b, v & 0xFFFF), poe16(b, v >> 16);
}

} // namespace

std::optional<Bitmap> decodifica_bmp(Bytes dados, std::string& motivo) {
    CabecalhoBmp c;
    if (motivo = confere_bmp(dados, c); !motivo.empty()) return std::nullopt;
    const int largura = static_cast<int>(c.largura), altura = static_cast<int>(c.altura);
    std::vector<std::uint8_t> rgb;
    if (!c.rle) {
        rgb = pixels_rgb(largura, altura);
        decodifica_sem_compressao(dados, c, rgb);
    } else if (!decodifica_rle(dados.subspan(c.inicio_dados, c.fim_dados - c.inicio_dados), c.bits,
                               largura, altura, c.de_cima_para_baixo, c.paleta, rgb)) {
        motivo = TRUNCADO;
        return std::nullopt;
    }
    return Bitmap(largura, altura, std::move(rgb));
}

std::vector<std::uint8_t> codifica_bmp(const Bitmap& imagem) {
    constexpr std::uint32_t CABECALHOS = CABECALHO_ARQUIVO + CABECALHO_WINDOWS;
    constexpr std::uint32_t PONTOS_POR_METRO = 2835; // 72 dots per inch
    const auto largura = static_cast<std::size_t>(imagem.largura());
    const auto altura = static_cast<std::size_t>(imagem.altura());
    const std::size_t bytes_linha = (largura * 3 + 3) / 4 * 4; // rows padded to 32-bit words
    const std::uint64_t tamanho = CABECALHOS + std::uint64_t{bytes_linha} * altura;
    if (tamanho > UINT32_MAX || largura > INT32_MAX || altura > INT32_MAX) return {};

    std::vector<std::uint8_t> b{'B', 'M'};
    b.reserve(static_cast<std::size_t>(tamanho));
    poe32(b, static_cast<std::uint32_t>(tamanho)), poe32(b, 0), poe32(b, CABECALHOS);
    poe32(b, CABECALHO_WINDOWS);
    poe32(b, static_cast<std::uint32_t>(largura)), poe32(b, static_cast<std::uint32_t>(altura));
    poe16(b, 1), poe16(b, 24), poe32(b, SEM_COMPRESSAO);
    poe32(b, static_cast<std::uint32_t>(tamanho - CABECALHOS));
    poe32(b, PONTOS_POR_METRO), poe32(b, PONTOS_POR_METRO), poe32(b, 0), poe32(b, 0);
    for (std::size_t r = altura; r-- > 0;) { // bottom row first
        const std::uint8_t* p = imagem.rgb().data() + r * largura * 3;
        for (std::size_t x = 0; x < largura; ++x, p += 3) b.insert(b.end(), {p[2], p[1], p[0]});
        b.resize(b.size() + bytes_linha - largura * 3, 0);
    }
    return b;
}

} // namespace quindra::formatos
