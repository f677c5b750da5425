#include "app/miniatura.hpp"

#include "malhas/mensagens_carga.hpp"
#include "view/reamostragem.hpp"

namespace quindra {

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
    // inside the frame's one-pixel outline
    const Bitmap& quadro = sessao.quadro();
    return reamostra(recorta(quadro, 1, 1, quadro.largura() - 2, quadro.altura() - 2), lado, lado);
}

} // namespace quindra
