#include "app/miniatura.hpp"

#include "malhas/mensagens_carga.hpp"
#include "view/reamostragem.hpp"

namespace quindra {

namespace {

// The box of the frame inside its one-pixel outline.
Bitmap sem_contorno(const Bitmap& quadro) {
    const int lado = quadro.largura() - 2;
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(lado) * lado * 3);
    for (int y = 1; y <= lado; ++y) {
        for (int x = 1; x <= lado; ++x) {
            const CorPixel p = quadro.pixel(x, y);
            rgb.insert(rgb.end(), {p.r, p.g, p.b});
        }
    }
    return Bitmap(lado, lado, std::move(rgb));
}

} // namespace

std::optional<Bitmap> miniatura(Sessao& sessao, int lado, std::string& falha) {
    Parametros parametros;
    // From the front, right and above; a field of view of 53 degrees.
    parametros.Nx_edit.texto = "-1";
    parametros.Ny_edit.texto = "-0.8";
    parametros.Nz_edit.texto = "-1.4";
    parametros.hx_edit.texto = parametros.hy_edit.texto = "0.5";
    if (auto erro = sessao.enquadra(parametros)) {
        falha = *erro;
        return std::nullopt;
    }
    auto& luz = sessao.sistema.ListaDeFontes;
    luz.assign(FONTE_PADRAO.begin(), FONTE_PADRAO.end());
    luz[3] = parametros.Cx_edit.texto, luz[4] = parametros.Cy_edit.texto;
    luz[5] = parametros.Cz_edit.texto;
    const auto mensagem = sessao.desenha(Algoritmo::Phong, parametros);
    if (!mensagem || !mensagem_de_sucesso(*mensagem)) {
        falha = mensagem.value_or(OBJETO_SEM_FACES);
        return std::nullopt;
    }
    return reamostra(sem_contorno(sessao.quadro()), lado, lado);
}

} // namespace quindra
