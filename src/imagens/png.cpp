// PNG files through libpng: read row by row into the final buffer, written as 8-bit RGB.
#include <csetjmp>
#include <cstring>
#include <new>

#include <png.h>

#include "imagens/formatos_imagem.hpp"
#include "imagens/imagem_arquivo.hpp"

namespace quindra::formatos {

namespace {

// libpng reports an error by jumping back to where the step began (see protegido): nothing is
// printed, and no exception crosses its C frames.
[[noreturn]] void interrompe(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignora_aviso(png_structp, png_const_charp) {}

/// Runs passo, a few libpng calls; false when libpng reported an error. The jump lands here,
/// so passo must own nothing that needs destroying.
template <class Passo> bool protegido(png_structp png, Passo passo) {
    if (setjmp(png_jmpbuf(png))) return false;
    passo();
    return true;
}

struct Leitura {
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, interrompe, ignora_aviso);
    png_infop info = png ? png_create_info_struct(png) : nullptr;

    Leitura() = default;
    Leitura(const Leitura&) = delete;
    Leitura& operator=(const Leitura&) = delete;
    ~Leitura() { png_destroy_read_struct(&png, &info, nullptr); }
};

struct Escrita {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, interrompe, ignora_aviso);
    png_infop info = png ? png_create_info_struct(png) : nullptr;

    Escrita() = default;
    Escrita(const Escrita&) = delete;
    Escrita& operator=(const Escrita&) = delete;
    ~Escrita() { png_destroy_write_struct(&png, &info); }
};

/// The file in memory, handed to libpng as it asks.
struct Origem {
    Bytes dados;
    std::size_t lidos = 0;
    bool acabou = false; // libpng asked for more than the file holds
};

void le(png_structp png, png_bytep destino, std::size_t n) {
    auto& origem = *static_cast<Origem*>(png_get_io_ptr(png));
    if (n > origem.dados.size() - origem.lidos) {
        origem.acabou = true;
        png_error(png, "fim dos dados");
    }
    std::memcpy(destino, origem.dados.data() + origem.lidos, n);
    origem.lidos += n;
}

void acrescenta(png_structp png, png_bytep dados, std::size_t n) {
    bool coube = true;
    try {
        auto& arquivo = *static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
        arquivo.insert(arquivo.end(), dados, dados + n);
    } catch (const std::bad_alloc&) {
        coube = false;
    }
    if (!coube) png_error(png, "memória insuficiente");
}

void nada_a_descarregar(png_structp) {}

std::uint32_t le32_big_endian(const std::uint8_t* b) {
    return static_cast<std::uint32_t>(b[0]) << 24 | static_cast<std::uint32_t>(b[1]) << 16 |
           static_cast<std::uint32_t>(b[2]) << 8 | static_cast<std::uint32_t>(b[3]);
}

/// The size from the first chunk, which must be IHDR, checked before libpng sees the file.
/// Interlaced or not, libpng writes each row (each pass's pixels of it) into the final buffer,
/// keeping of its own only the current and previous rows, of up to 8 bytes a pixel.
std::string confere_cabecalho(Bytes dados) {
    constexpr std::size_t ASSINATURA = 8, IHDR = 8 + 13; // chunk length and type, then data
    if (dados.size() < ASSINATURA + IHDR) return std::string(TRUNCADO);
    if (std::memcmp(&dados[ASSINATURA + 4], "IHDR", 4) != 0) return std::string(CORROMPIDO);
    const std::uint32_t largura = le32_big_endian(&dados[16]), altura = le32_big_endian(&dados[20]);
    if (std::string motivo = confere_dimensoes(largura, altura); !motivo.empty()) return motivo;
    return confere_memoria(dados.size(), largura, altura, std::int64_t{largura} * 2 * 8);
}

/// Reads only the chunks the pixels need (IHDR, PLTE, tRNS, IDAT, IEND), stepping over every
/// other one without keeping it: a few kilobytes of compressed text each inflating to megabytes
/// would otherwise all be held. None may be longer than MAXIMO_BLOCO, and no side longer than
/// MAXIMO_LADO_IMAGEM.
void so_os_blocos_da_imagem(png_structp png) {
    constexpr png_alloc_size_t MAXIMO_BLOCO = 8 << 20;
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_set_chunk_malloc_max(png, MAXIMO_BLOCO);
    png_set_user_limits(png, MAXIMO_LADO_IMAGEM, MAXIMO_LADO_IMAGEM);
}

/// Asks libpng for 8-bit RGB whatever the file holds: palettes and grey expanded, 16 bits
/// scaled down, alpha and transparency dropped. Returns the number of interlace passes.
int pede_rgb8(png_structp png, png_infop info) {
    const int tipo = png_get_color_type(png, info);
    if (tipo == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (!(tipo & PNG_COLOR_MASK_COLOR)) {
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
    }
    png_set_scale_16(png);
    png_set_strip_alpha(png);
    const int passagens = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return passagens;
}

} // namespace

std::optional<Bitmap> decodifica_png(Bytes dados, std::string& motivo) {
    if (motivo = confere_cabecalho(dados); !motivo.empty()) return std::nullopt;
    Leitura leitura;
    if (!leitura.info) {
        motivo = SEM_MEMORIA;
        return std::nullopt;
    }
    Origem origem{dados};
    const auto recusa = [&] {
        motivo = origem.acabou ? TRUNCADO : CORROMPIDO;
        return std::nullopt;
    };
    png_set_read_fn(leitura.png, &origem, le);
    so_os_blocos_da_imagem(leitura.png);
    png_uint_32 largura = 0, altura = 0;
    int passagens = 0;
    const bool leu_cabecalho = protegido(leitura.png, [&] {
        png_read_info(leitura.png, leitura.info);
        passagens = pede_rgb8(leitura.png, leitura.info);
        largura = png_get_image_width(leitura.png, leitura.info);
        altura = png_get_image_height(leitura.png, leitura.info);
    });
    // libpng read the header we checked; a row of any other shape would be our mistake
    if (!leu_cabecalho || png_get_rowbytes(leitura.png, leitura.info) != std::size_t{largura} * 3)
        return recusa();

    std::vector<std::uint8_t> rgb = pixels_rgb(largura, altura);
    const bool leu_pixels = protegido(leitura.png, [&] {
        for (int passagem = 0; passagem < passagens; ++passagem)
            for (png_uint_32 y = 0; y < altura; ++y)
                png_read_row(leitura.png, rgb.data() + std::size_t{y} * largura * 3, nullptr);
        // the chunks after the pixels, up to the end marker: a cut file is not whole
        png_read_end(leitura.png, nullptr);
    });
    if (!leu_pixels) return recusa();
    return Bitmap(static_cast<int>(largura), static_cast<int>(altura), std::move(rgb));
}

std::vector<std::uint8_t> codifica_png(const Bitmap& imagem) {
    Escrita escrita;
    if (!escrita.info) return {};
    std::vector<std::uint8_t> arquivo;
    png_set_write_fn(escrita.png, &arquivo, acrescenta, nada_a_descarregar);
    const auto largura = static_cast<png_uint_32>(imagem.largura());
    const auto altura = static_cast<png_uint_32>(imagem.altura());
    const bool codificou = protegido(escrita.png, [&] {
        png_set_IHDR(escrita.png, escrita.info, largura, altura, 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(escrita.png, escrita.info);
        for (png_uint_32 y = 0; y < altura; ++y)
            png_write_row(escrita.png, imagem.rgb().data() + std::size_t{y} * largura * 3);
        png_write_end(escrita.png, nullptr);
    });
    if (!codificou) arquivo.clear();
    return arquivo;
}

} // namespace quindra::formatos
