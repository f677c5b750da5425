#include "apoio/jpeg_teste.hpp"

#include <cstdio> // jpeglib.h uses FILE without including it
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

namespace quindra::teste {

std::string codifica_jpeg(int largura, int altura, EspacoJpeg espaco, std::string_view amostras,
                          bool progressivo) {
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
    info.input_components = espaco == EspacoJpeg::Cinza ? 1 : espaco == EspacoJpeg::Rgb ? 3 : 4;
    jpeg_set_defaults(&info);
    if (espaco == EspacoJpeg::Ycck) jpeg_set_colorspace(&info, JCS_YCCK);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressivo) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    const auto bytes_linha = static_cast<std::size_t>(largura * info.input_components);
    while (info.next_scanline < info.image_height) {
        // libjpeg reads the samples without writing them
        auto* linha = reinterpret_cast<JSAMPLE*>(
            const_cast<char*>(amostras.data() + info.next_scanline * bytes_linha));
        jpeg_write_scanlines(&info, &linha, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const std::unique_ptr<unsigned char, void (*)(void*)> liberado(saida, std::free);
    return {reinterpret_cast<const char*>(saida), tamanho};
}

} // namespace quindra::teste
