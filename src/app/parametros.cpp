#include "app/parametros.hpp"

#include "geometry/numero_texto.hpp"

namespace quindra {

TextosCamera Parametros::textos_camera() const {
    return {Nx_edit.texto, Ny_edit.texto, Nz_edit.texto, Vx_edit.texto,
            Vy_edit.texto, Vz_edit.texto, Cx_edit.texto, Cy_edit.texto,
            Cz_edit.texto, d_edit.texto,  hx_edit.texto, hy_edit.texto};
}

TextosMaterial Parametros::textos_material() const {
    return {OdiRed_edit.texto,   OdiGreen_edit.texto, OdiBlue_edit.texto,   OdeRed_edit.texto,
            OdeGreen_edit.texto, OdeBlue_edit.texto,  OsiRed_edit.texto,    OsiGreen_edit.texto,
            OsiBlue_edit.texto,  OseRed_edit.texto,   OseGreen_edit.texto,  OseBlue_edit.texto,
            Kd_edit.texto,       Ks_edit.texto,       rugosidade_edit.texto};
}

TextosAmbiente Parametros::textos_ambiente() const {
    return {IaRed_edit.texto, IaGreen_edit.texto, IaBlue_edit.texto, Ka_edit.texto};
}

void escreve_coordenadas(CampoTexto& x, CampoTexto& y, CampoTexto& z, double vx, double vy,
                         double vz) {
    x.texto = formata_real(vx);
    y.texto = formata_real(vy);
    z.texto = formata_real(vz);
}

} // namespace quindra
