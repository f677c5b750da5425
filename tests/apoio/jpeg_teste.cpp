#include "apoio/jpeg_teste.hpp"

#include <cstdio> // jpeglib.h uses FILE without including it
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace quindra::teste {

namespace {

int bytes_por_pixel(EspacoJpeg espaco) {
    return espaco == EspacoJpeg::Cinza ? 1 : espaco == EspacoJpeg::Rgb ? 3 : 4;
}

/// Encodes largura x altura pixels, taking row y from linha(y).
template <class Linha>
std::string codifica(int largura, int altura, EspacoJpeg espaco, VarredurasJpeg varreduras,
                     Linha linha) {
    jpeg_compress_struct info{};
    jpeg_error_mgr erro{};
    info.err = jpeg_std_error(&erro); // a test's own samples never fail: libjpeg exits if they do
    jpeg_create_compress(&info);
    unsigned char* saida = nullptr;
    unsigned long tamanho = 0;
    jpeg_mem_dest(&info, &saida, &tamanho);
    info.image_width = static_cast<JDIMENSION>(largura);
    info.image_height = static_cast<JDIMENSION>(altura);
    const J_COLOR_SPACE entrada[] = {JCS_GRAYSCALE, JCS_RGB, JCS_CMYK, JCS_CMYK};
    info.in_color_space = entrada[static_cast<int>(espaco)];
    info.input_components = bytes_por_pixel(espaco);
    jpeg_set_defaults(&info);
    if (espaco == EspacoJpeg::Ycck) jpeg_set_colorspace(&info, JCS_YCCK);
    jpeg_set_quality(&info, 95, TRUE);
    std::vector<jpeg_scan_info> por_componente(static_cast<std::size_t>(info.num_components));
    if (varreduras == VarredurasJpeg::Progressivas) jpeg_simple_progression(&info);
    if (varreduras == VarredurasJpeg::UmaPorComponente) {
        for (int c = 0; c < info.num_components; ++c)
            por_componente[static_cast<std::size_t>(c)] = {1, {c}, 0, 63, 0, 0};
        info.scan_info = por_componente.data();
        info.num_scans = info.num_components;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg reads the samples without writing them
        auto* amostras = reinterpret_cast<JSAMPLE*>(const_cast<char*>(linha(info.next_scanline)));
        jpeg_write_scanlines(&info, &amostras, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const std::unique_ptr<unsigned char, void (*)(void*)> liberado(saida, std::free);
    return {reinterpret_cast<const char*>(saida), tamanho};
}

} // namespace

std::string codifica_jpeg(int largura, int altura, EspacoJpeg espaco, std::string_view amostras,
                          bool progressivo) {
    const auto bytes_linha = static_cast<std::size_t>(largura * bytes_por_pixel(espaco));
    return codifica(largura, altura, espaco,
                    progressivo ? VarredurasJpeg::Progressivas : VarredurasJpeg::Uma,
                    [&](JDIMENSION y) { return amostras.data() + y * bytes_linha; });
}

std::string codifica_jpeg_plano(int largura, int altura, EspacoJpeg espaco, std::string_view pixel,
                                VarredurasJpeg varreduras) {
    std::string linha;
    for (int x = 0; x < largura; ++x) linha += pixel;
    return codifica(largura, altura, espaco, varreduras, [&](JDIMENSION) { return linha.data(); });
}

} // namespace quindra::teste
