#include "view/imagem_arquivo.hpp"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>
#include <new>
#include <span>
#include <string_view>
#include <vector>

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include "view/bmp_rle.hpp"

namespace quindra {

namespace {

using Bytes = std::vector<std::uint8_t>;

// Why a file is not a usable image; an empty reason means it passed.
constexpr std::string_view FORMATO_DESCONHECIDO = "formato desconhecido (aceitos: BMP, PNG e JPEG)";
constexpr std::string_view DIMENSOES_INVALIDAS = "largura ou altura inválida";
constexpr std::string_view GRANDE_DEMAIS = "imagem grande demais";
constexpr std::string_view ARQUIVO_GRANDE_DEMAIS = "arquivo grande demais";
constexpr std::string_view TRUNCADO = "arquivo truncado";
constexpr std::string_view BMP_NAO_SUPORTADO = "tipo de BMP não suportado";
constexpr std::string_view CORROMPIDO = "dados corrompidos";
constexpr std::string_view SEM_MEMORIA = "memória insuficiente";

std::string entre_aspas(const std::filesystem::path& arquivo) {
    return "\"" + arquivo.string() + "\"";
}

std::string nao_abre(const std::filesystem::path& arquivo) {
    return "Não foi possível abrir o arquivo " + entre_aspas(arquivo) + ".";
}

std::string invalido(const std::filesystem::path& arquivo, std::string_view motivo) {
    return "O arquivo " + entre_aspas(arquivo) +
           " não é uma imagem válida: " + std::string(motivo) + ".";
}

std::uint16_t le16(const Bytes& b, std::size_t i) {
    return static_cast<std::uint16_t>(b[i] | b[i + 1] << 8);
}

std::uint32_t le32(const Bytes& b, std::size_t i) {
    return static_cast<std::uint32_t>(b[i]) | static_cast<std::uint32_t>(b[i + 1]) << 8 |
           static_cast<std::uint32_t>(b[i + 2]) << 16 | static_cast<std::uint32_t>(b[i + 3]) << 24;
}

std::uint32_t le32_big_endian(const Bytes& b, std::size_t i) {
    return static_cast<std::uint32_t>(b[i]) << 24 | static_cast<std::uint32_t>(b[i + 1]) << 16 |
           static_cast<std::uint32_t>(b[i + 2]) << 8 | static_cast<std::uint32_t>(b[i + 3]);
}

bool comeca_com(const Bytes& dados, std::string_view assinatura) {
    return dados.size() >= assinatura.size() &&
           std::memcmp(dados.data(), assinatura.data(), assinatura.size()) == 0;
}

std::string_view confere_dimensoes(std::int64_t largura, std::int64_t altura) {
    if (largura <= 0 || altura <= 0) return DIMENSOES_INVALIDAS;
    // both sides are below 2^32 here, so the product cannot overflow
    if (largura * altura > MAXIMO_PIXELS_IMAGEM) return GRANDE_DEMAIS;
    return {};
}

/// What the BMP headers say, once checked.
struct CabecalhoBmp {
    std::int64_t largura = 0, altura = 0;
    bool de_cima_para_baixo = false;
    int bits = 0;
    bool rle = false;
    std::size_t inicio_dados = 0, fim_dados = 0; // the pixel data, within the file
    std::vector<CorPixel> paleta;                // read only for the RLE flavours
};

constexpr std::uint32_t SEM_COMPRESSAO = 0, RLE8 = 1, RLE4 = 2, CAMPOS_DE_BITS = 3;
constexpr std::size_t CABECALHO_ARQUIVO = 14, CABECALHO_OS2 = 12;

std::string_view confere_bits(std::uint32_t tamanho_info, int bits, std::uint32_t compressao) {
    const auto um_de = [bits](std::initializer_list<int> validos) {
        return std::find(validos.begin(), validos.end(), bits) != validos.end();
    };
    bool valido = false;
    if (tamanho_info == CABECALHO_OS2)
        valido = um_de({1, 4, 8, 24});
    else if (compressao == SEM_COMPRESSAO)
        valido = um_de({1, 4, 8, 16, 24, 32});
    else if (compressao == RLE8)
        valido = bits == 8;
    else if (compressao == RLE4)
        valido = bits == 4;
    else if (compressao == CAMPOS_DE_BITS)
        valido = um_de({16, 32});
    return valido ? std::string_view{} : BMP_NAO_SUPORTADO;
}

/// Palette entries of 4 bytes: blue, green, red, unused.
std::vector<CorPixel> le_paleta(const Bytes& dados, std::size_t inicio, std::size_t cores) {
    std::vector<CorPixel> paleta;
    for (std::size_t p = inicio; p < inicio + 4 * cores; p += 4)
        paleta.push_back({dados[p + 2], dados[p + 1], dados[p]});
    return paleta;
}

/// Reads and checks both BMP headers against the file's real length, so that no decoder ever
/// reads past the end (stb would quietly read zeros) or allocates for a size nobody stored.
std::string_view confere_bmp(const Bytes& dados, CabecalhoBmp& c) {
    if (dados.size() < CABECALHO_ARQUIVO + 4) return TRUNCADO;
    const std::uint32_t tamanho_info = le32(dados, CABECALHO_ARQUIVO);
    // the header sizes stb knows; the others are rare variants
    if (tamanho_info != CABECALHO_OS2 && tamanho_info != 40 && tamanho_info != 56 &&
        tamanho_info != 108 && tamanho_info != 124)
        return BMP_NAO_SUPORTADO;
    if (dados.size() < CABECALHO_ARQUIVO + tamanho_info) return TRUNCADO;

    const std::size_t i = CABECALHO_ARQUIVO + 4;
    std::uint32_t compressao = SEM_COMPRESSAO, cores_usadas = 0, tamanho_dados = 0;
    if (tamanho_info == CABECALHO_OS2) {
        c.largura = le16(dados, i), c.altura = le16(dados, i + 2), c.bits = le16(dados, i + 6);
    } else {
        c.largura = static_cast<std::int32_t>(le32(dados, i));
        c.altura = static_cast<std::int32_t>(le32(dados, i + 4));
        c.bits = le16(dados, i + 10);
        compressao = le32(dados, i + 12);
        tamanho_dados = le32(dados, i + 16);
        cores_usadas = le32(dados, i + 28);
    }
    // a negative height means the rows are stored top row first
    c.de_cima_para_baixo = c.altura < 0;
    c.altura = c.altura < 0 ? -c.altura : c.altura;
    if (auto motivo = confere_dimensoes(c.largura, c.altura); !motivo.empty()) return motivo;
    if (auto motivo = confere_bits(tamanho_info, c.bits, compressao); !motivo.empty())
        return motivo;
    c.rle = compressao == RLE8 || compressao == RLE4;

    // stb reads three colour masks after a 40 or 56-byte header with bit fields
    const bool mascaras_fora = compressao == CAMPOS_DE_BITS && tamanho_info <= 56;
    const std::size_t fim_cabecalhos = CABECALHO_ARQUIVO + tamanho_info + (mascaras_fora ? 12 : 0);
    c.inicio_dados = le32(dados, 10);
    if (c.inicio_dados < fim_cabecalhos) return CORROMPIDO;
    if (c.inicio_dados > dados.size()) return TRUNCADO;
    const std::size_t bytes_cor = tamanho_info == CABECALHO_OS2 ? 3 : 4;
    const std::size_t cores_na_paleta = (c.inicio_dados - fim_cabecalhos) / bytes_cor;
    if (c.bits <= 8 && cores_na_paleta == 0) return CORROMPIDO;

    if (!c.rle) {
        // rows are padded to whole 32-bit words
        const auto bytes_linha = static_cast<std::size_t>((c.largura * c.bits + 31) / 32 * 4);
        c.fim_dados = c.inicio_dados + bytes_linha * static_cast<std::size_t>(c.altura);
        return c.fim_dados > dados.size() ? TRUNCADO : std::string_view{};
    }
    c.fim_dados = dados.size();
    if (tamanho_dados != 0) {
        if (tamanho_dados > dados.size() - c.inicio_dados) return TRUNCADO;
        c.fim_dados = c.inicio_dados + tamanho_dados;
    }
    // no more colours than the file holds before the pixels, nor than the indices can reach
    const std::size_t maximo = std::size_t{1} << c.bits;
    const std::size_t declaradas = cores_usadas == 0 ? maximo : std::size_t{cores_usadas};
    c.paleta = le_paleta(dados, fim_cabecalhos, std::min({cores_na_paleta, maximo, declaradas}));
    return {};
}

/// stb's JPEG reader pads a cut file with zeros. The scan data never holds 0xFF followed by a
/// marker code, so a complete file has an end-of-image marker after its last start-of-scan.
bool jpeg_completo(const Bytes& dados) {
    std::size_t ultima_varredura = dados.size();
    for (std::size_t i = 0; i + 1 < dados.size(); ++i)
        if (dados[i] == 0xFF && dados[i + 1] == 0xDA) ultima_varredura = i;
    for (std::size_t i = ultima_varredura + 2; i + 1 < dados.size(); ++i)
        if (dados[i] == 0xFF && dados[i + 1] == 0xD9) return true;
    return false;
}

bool tipo_de_bloco(const Bytes& dados, std::size_t bloco, std::string_view tipo) {
    return std::equal(tipo.begin(), tipo.end(),
                      dados.begin() + static_cast<std::ptrdiff_t>(bloco) + 4);
}

/// The size from the first chunk, which must be IHDR; then every chunk whole up to IEND, so
/// that a cut file is told from a damaged one.
std::string_view confere_png(const Bytes& dados) {
    constexpr std::size_t ASSINATURA = 8, IHDR = 8 + 13; // chunk head and data
    if (dados.size() < ASSINATURA + IHDR) return TRUNCADO;
    if (!tipo_de_bloco(dados, ASSINATURA, "IHDR")) return CORROMPIDO;
    const auto motivo = confere_dimensoes(le32_big_endian(dados, 16), le32_big_endian(dados, 20));
    if (!motivo.empty()) return motivo;
    for (std::size_t bloco = ASSINATURA; bloco + 8 <= dados.size();) {
        if (tipo_de_bloco(dados, bloco, "IEND")) return {};
        bloco += 12 + std::size_t{le32_big_endian(dados, bloco)}; // length, type, data, CRC
    }
    return TRUNCADO;
}

std::string_view confere_jpeg(const Bytes& dados) {
    int largura = 0, altura = 0, canais = 0;
    if (!stbi_info_from_memory(dados.data(), static_cast<int>(dados.size()), &largura, &altura,
                               &canais))
        return CORROMPIDO;
    if (auto motivo = confere_dimensoes(largura, altura); !motivo.empty()) return motivo;
    // Every 8 x 8 block of the image takes at least one bit of coded data; a few hundred bytes
    // claiming 8192 x 8192 would otherwise be decoded, at length, from nothing.
    const std::size_t blocos =
        static_cast<std::size_t>((largura + 7) / 8) * static_cast<std::size_t>((altura + 7) / 8);
    if (dados.size() * 8 < blocos) return TRUNCADO;
    return jpeg_completo(dados) ? std::string_view{} : TRUNCADO;
}

std::optional<Bitmap> decodifica_stb(const Bytes& dados) {
    int largura = 0, altura = 0, canais = 0;
    // three channels: the fourth byte of a 32-bit BMP is not alpha
    const std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(dados.data(), static_cast<int>(dados.size()), &largura, &altura,
                              &canais, 3),
        stbi_image_free);
    if (!pixels) return std::nullopt;
    const std::size_t tamanho =
        static_cast<std::size_t>(largura) * static_cast<std::size_t>(altura) * 3;
    return Bitmap(largura, altura, Bytes(pixels.get(), pixels.get() + tamanho));
}

enum class Leitura { Lido, NaoAbre, GrandeDemais };

Leitura le_arquivo(const std::filesystem::path& arquivo, Bytes& dados) {
    std::error_code erro;
    const std::uintmax_t tamanho = std::filesystem::file_size(arquivo, erro);
    if (erro) return Leitura::NaoAbre; // missing, a folder, or unreadable
    if (tamanho > MAXIMO_BYTES_IMAGEM) return Leitura::GrandeDemais;
    std::ifstream entrada(arquivo, std::ios::binary);
    dados.resize(static_cast<std::size_t>(tamanho));
    entrada.read(reinterpret_cast<char*>(dados.data()), static_cast<std::streamsize>(tamanho));
    return entrada && entrada.gcount() == static_cast<std::streamsize>(tamanho) ? Leitura::Lido
                                                                                : Leitura::NaoAbre;
}

/// Decodes file bytes already read; an empty reason on success.
std::string_view decodifica(const Bytes& dados, std::optional<Bitmap>& imagem) {
    if (comeca_com(dados, "BM")) {
        CabecalhoBmp c;
        if (auto motivo = confere_bmp(dados, c); !motivo.empty()) return motivo;
        if (!c.rle) {
            imagem = decodifica_stb(dados);
        } else {
            Bytes rgb;
            const std::span<const std::uint8_t> pixels(dados.data() + c.inicio_dados,
                                                       dados.data() + c.fim_dados);
            if (!decodifica_rle(pixels, c.bits, static_cast<int>(c.largura),
                                static_cast<int>(c.altura), c.de_cima_para_baixo, c.paleta, rgb))
                return TRUNCADO;
            imagem.emplace(static_cast<int>(c.largura), static_cast<int>(c.altura), std::move(rgb));
        }
    } else if (comeca_com(dados, "\x89PNG\r\n\x1a\n")) {
        if (auto motivo = confere_png(dados); !motivo.empty()) return motivo;
        imagem = decodifica_stb(dados);
    } else if (comeca_com(dados, "\xFF\xD8\xFF")) {
        if (auto motivo = confere_jpeg(dados); !motivo.empty()) return motivo;
        imagem = decodifica_stb(dados);
    } else {
        return FORMATO_DESCONHECIDO;
    }
    return imagem ? std::string_view{} : CORROMPIDO;
}

void acumula(void* contexto, void* dados, int tamanho) {
    const auto* inicio = static_cast<const std::uint8_t*>(dados);
    auto* destino = static_cast<Bytes*>(contexto);
    destino->insert(destino->end(), inicio, inicio + tamanho);
}

enum class Formato { Bmp, Png };

bool salva(const Bitmap& imagem, const std::filesystem::path& arquivo, Formato formato,
           std::string& erro) {
    if (imagem.largura() == 0 || imagem.altura() == 0) {
        erro = "A imagem está vazia e não pode ser salva em " + entre_aspas(arquivo) + ".";
        return false;
    }
    Bytes codificada;
    const int largura = imagem.largura(), altura = imagem.altura();
    const bool codificou =
        formato == Formato::Png
            ? stbi_write_png_to_func(acumula, &codificada, largura, altura, 3, imagem.rgb().data(),
                                     largura * 3)
            : stbi_write_bmp_to_func(acumula, &codificada, largura, altura, 3, imagem.rgb().data());
    if (!codificou) {
        erro = "Não foi possível codificar a imagem para " + entre_aspas(arquivo) + ".";
        return false;
    }
    std::ofstream saida(arquivo, std::ios::binary | std::ios::trunc);
    saida.write(reinterpret_cast<const char*>(codificada.data()),
                static_cast<std::streamsize>(codificada.size()));
    saida.close();
    if (!saida) {
        erro = "Não foi possível criar o arquivo " + entre_aspas(arquivo) + ".";
        return false;
    }
    return true;
}

bool termina_em_png(const std::filesystem::path& arquivo) {
    std::string extensao = arquivo.extension().string();
    std::transform(extensao.begin(), extensao.end(), extensao.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extensao == ".png";
}

} // namespace

std::optional<Bitmap> carrega_imagem(const std::filesystem::path& arquivo, std::string& erro) {
    try {
        Bytes dados;
        switch (le_arquivo(arquivo, dados)) {
        case Leitura::NaoAbre:
            erro = nao_abre(arquivo);
            return std::nullopt;
        case Leitura::GrandeDemais:
            erro = invalido(arquivo, ARQUIVO_GRANDE_DEMAIS);
            return std::nullopt;
        case Leitura::Lido:
            break;
        }
        std::optional<Bitmap> imagem;
        if (auto motivo = decodifica(dados, imagem); !motivo.empty()) {
            erro = invalido(arquivo, motivo);
            return std::nullopt;
        }
        return imagem;
    } catch (const std::bad_alloc&) {
        erro = invalido(arquivo, SEM_MEMORIA);
        return std::nullopt;
    }
}

bool salva_imagem(const Bitmap& imagem, const std::filesystem::path& arquivo, std::string& erro) {
    return salva(imagem, arquivo, termina_em_png(arquivo) ? Formato::Png : Formato::Bmp, erro);
}

bool salva_bmp(const Bitmap& imagem, const std::filesystem::path& arquivo, std::string& erro) {
    return salva(imagem, arquivo, Formato::Bmp, erro);
}

} // namespace quindra
