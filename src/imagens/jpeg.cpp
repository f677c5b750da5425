// JPEG files through libjpeg-turbo, decoded row by row into the final buffer.
#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h uses FILE without including it

#include <jerror.h>
#include <jpeglib.h>

#include "imagens/formatos_imagem.hpp"
#include "imagens/imagem_arquivo.hpp"

namespace quindra::formatos {

namespace {

// libjpeg refuses a longer side itself, so its refusal always means ours.
static_assert(MAXIMO_LADO_IMAGEM <= JPEG_MAX_DIMENSION);

// A progressive file may repeat near-empty scans, each a walk over every block: a small file of
// thousands of them keeps a decoder busy for minutes. Encoders write about ten.
constexpr int MAXIMO_VARREDURAS = 100;

// What libjpeg may allocate beyond the whole-image buffers counted from the header: a few rows
// of every component, at the widest side. Its own count stops it there, should the header check
// ever count short.
constexpr long MEMORIA_DAS_LINHAS = 32L << 20;

/// One decompression and what its callbacks found out.
struct Jpeg {
    jpeg_decompress_struct info{};
    jpeg_error_mgr erro{};
    jpeg_progress_mgr progresso{};
    std::jmp_buf retorno{};
    bool truncado = false; // the data ended before the image

    Jpeg(); // routes libjpeg's errors, warnings and progress to the callbacks below
    Jpeg(const Jpeg&) = delete;
    Jpeg& operator=(const Jpeg&) = delete;
    // safe on a structure never created: libjpeg frees only what it allocated
    ~Jpeg() { jpeg_destroy_decompress(&info); }
};

Jpeg& dono(j_common_ptr info) { return *static_cast<Jpeg*>(info->client_data); }

// libjpeg reports an error by jumping back to where the step began (see protegido): nothing is
// printed, and no exception crosses its C frames.
[[noreturn]] void interrompe(j_common_ptr info) { std::longjmp(dono(info).retorno, 1); }

// Warnings are tolerated, as image viewers do, except the one for data that ends early: libjpeg
// would go on and paint the rest grey.
void avisa(j_common_ptr info, int nivel) {
    if (nivel < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        dono(info).truncado = true;
        interrompe(info);
    }
}

void conta_varreduras(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > MAXIMO_VARREDURAS)
        interrompe(info);
}

Jpeg::Jpeg() {
    info.err = jpeg_std_error(&erro);
    erro.error_exit = interrompe;
    erro.emit_message = avisa;
    info.client_data = this;
    progresso.progress_monitor = conta_varreduras;
}

/// Runs passo, a few libjpeg calls; false when libjpeg reported an error. The jump lands here,
/// so passo must own nothing that needs destroying.
template <class Passo> bool protegido(Jpeg& jpeg, Passo passo) {
    if (setjmp(jpeg.retorno)) return false;
    passo();
    return true;
}

std::string motivo_da_falha(const Jpeg& jpeg) {
    if (jpeg.truncado) return std::string(TRUNCADO);
    switch (jpeg.erro.msg_code) {
    case JERR_OUT_OF_MEMORY:
    case JERR_NO_BACKING_STORE:
        return std::string(SEM_MEMORIA);
    case JERR_EMPTY_IMAGE:
        return std::string(DIMENSOES_INVALIDAS);
    case JERR_IMAGE_TOO_BIG:
        return confere_dimensoes(jpeg.info.image_width, jpeg.info.image_height);
    default:
        return std::string(CORROMPIDO);
    }
}

/// Every block of a Huffman-coded component takes at least one bit in its first scan, so a file
/// shorter than its largest component's blocks cannot hold the image: it is refused before a
/// buffer is allocated for it. Arithmetic coding may spend less than a bit on a block.
bool curto_demais(const jpeg_decompress_struct& info, std::size_t bytes) {
    if (info.arith_code) return false;
    std::uint64_t blocos = 0;
    for (const jpeg_component_info& c : std::span(info.comp_info, info.num_components))
        blocos = std::max(blocos, std::uint64_t{c.width_in_blocks} * c.height_in_blocks);
    return std::uint64_t{bytes} * 8 < blocos;
}

/// What libjpeg keeps of the whole image: nothing but rows for a single scan, which it decodes
/// as it goes; for several scans (progressive, or one component at a time), the coefficients of
/// every component, two bytes each, padded to whole MCUs.
std::int64_t coeficientes(jpeg_decompress_struct& info) {
    if (!jpeg_has_multiple_scans(&info)) return 0;
    const auto arredonda = [](std::int64_t n, std::int64_t m) { return (n + m - 1) / m * m; };
    std::int64_t bytes = 0;
    for (const jpeg_component_info& c : std::span(info.comp_info, info.num_components))
        bytes += arredonda(c.width_in_blocks, c.h_samp_factor) *
                 arredonda(c.height_in_blocks, c.v_samp_factor) * std::int64_t{sizeof(JBLOCK)};
    return bytes;
}

bool e_cmyk(J_COLOR_SPACE espaco) { return espaco == JCS_CMYK || espaco == JCS_YCCK; }

/// Adobe's convention, the one CMYK files follow: the inks are stored inverted, 255 for none.
void cmyk_para_rgb(const std::uint8_t* cmyk, std::uint8_t* rgb, std::size_t pixels) {
    for (std::size_t i = 0; i < pixels; ++i, cmyk += 4, rgb += 3)
        for (int c = 0; c < 3; ++c)
            rgb[c] = static_cast<std::uint8_t>((cmyk[c] * cmyk[3] + 127) / 255);
}

} // namespace

std::optional<Bitmap> decodifica_jpeg(Bytes dados, std::string& motivo) {
    Jpeg jpeg;
    const auto recusa = [&] {
        motivo = motivo_da_falha(jpeg);
        return std::nullopt;
    };
    bool cmyk = false;
    std::int64_t inteiros = 0; // what libjpeg would keep of the whole image
    const bool leu_cabecalho = protegido(jpeg, [&] {
        jpeg_create_decompress(&jpeg.info);
        jpeg.info.progress = &jpeg.progresso;
        jpeg_mem_src(&jpeg.info, dados.data(), dados.size());
        jpeg_read_header(&jpeg.info, TRUE);
        cmyk = e_cmyk(jpeg.info.jpeg_color_space);
        jpeg.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
        inteiros = coeficientes(jpeg.info);
    });
    if (!leu_cabecalho) return recusa();
    const JDIMENSION largura = jpeg.info.image_width, altura = jpeg.info.image_height;
    if (motivo = confere_dimensoes(largura, altura); !motivo.empty()) return std::nullopt;
    if (motivo = confere_memoria(dados.size(), largura, altura, inteiros); !motivo.empty())
        return std::nullopt;
    jpeg.info.mem->max_memory_to_use = inteiros + MEMORIA_DAS_LINHAS;
    if (curto_demais(jpeg.info, dados.size())) {
        motivo = TRUNCADO;
        return std::nullopt;
    }

    std::vector<std::uint8_t> rgb = pixels_rgb(largura, altura);
    std::vector<std::uint8_t> linha_cmyk(cmyk ? std::size_t{largura} * 4 : 0);
    const bool leu_pixels = protegido(jpeg, [&] {
        jpeg_start_decompress(&jpeg.info);
        while (jpeg.info.output_scanline < altura) {
            std::uint8_t* linha = rgb.data() + std::size_t{jpeg.info.output_scanline} * largura * 3;
            JSAMPROW destino = cmyk ? linha_cmyk.data() : linha;
            jpeg_read_scanlines(&jpeg.info, &destino, 1);
            if (cmyk) cmyk_para_rgb(linha_cmyk.data(), linha, largura);
        }
        // the markers after the last scan, up to the end of the image: a cut file is not whole
        jpeg_finish_decompress(&jpeg.info);
    });
    if (!leu_pixels) return recusa();
    return Bitmap(static_cast<int>(largura), static_cast<int>(altura), std::move(rgb));
}

} // namespace quindra::formatos
