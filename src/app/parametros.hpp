// The texts a rendering session reads, as the user typed them: the camera, the rotation, the
// ambient light, the object's attributes and the textured faces. Named after the window's
// fields and holding their initial values; the window is made of them, the command line keeps
// its own.
#pragma once

#include <array>
#include <string_view>

#include "app/controles.hpp"
#include "app/formato_configuracao.hpp"
#include "scene/camera.hpp"
#include "scene/cena.hpp"
#include "scene/material.hpp"

namespace quindra {

struct Parametros {
    // --- the camera and its rotation ---
    CampoTexto Cx_edit{"0"}, Cy_edit{"0"}, Cz_edit{"200"};
    CampoTexto Nx_edit{"0"}, Ny_edit{"0"}, Nz_edit{"-1"};
    CampoTexto Vx_edit{"0"}, Vy_edit{"1"}, Vz_edit{"0"};
    CampoTexto d_edit{"1"};
    CampoTexto hx_edit{"1"}, hy_edit{"1"};
    CampoTexto Centrox_edit{"0"}, Centroy_edit{"0"}, Centroz_edit{"0"};
    CampoTexto Angulo_edit{"10"};

    // --- the ambient light ---
    CampoTexto IaRed_edit{"255"}, IaGreen_edit{"255"}, IaBlue_edit{"255"};
    CampoTexto Ka_edit{"0.5"};

    // --- the object's attributes ---
    CampoTexto OdiRed_edit{"255"}, OdiGreen_edit{"255"}, OdiBlue_edit{"0"};
    CampoTexto OsiRed_edit{"255"}, OsiGreen_edit{"255"}, OsiBlue_edit{"255"};
    CampoTexto OdeRed_edit{"255"}, OdeGreen_edit{"255"}, OdeBlue_edit{"0"};
    CampoTexto OseRed_edit{"255"}, OseGreen_edit{"255"}, OseBlue_edit{"255"};
    CampoTexto Kd_edit{"0.5"}, Ks_edit{"0.5"}, rugosidade_edit{"1"};
    CampoTexto FatorDilZ{"1.0"};

    // --- the faces that take the texture ---
    CampoTexto tFacei_edit{"1"};
    CampoTexto tFacef_edit{"1"};

    /// The camera fields in the order the camera reader takes them.
    TextosCamera textos_camera() const;
    TextosMaterial textos_material() const;
    TextosAmbiente textos_ambiente() const;
};

using CampoParametro = CampoTexto Parametros::*;

/// The fields in file order: camera.txt, the ambient block of cena.txt, objeto.txt.
inline constexpr std::array<CampoParametro, REAIS_CAMERA> CAMPOS_CAMERA{
    &Parametros::Nx_edit, &Parametros::Ny_edit, &Parametros::Nz_edit, &Parametros::Vx_edit,
    &Parametros::Vy_edit, &Parametros::Vz_edit, &Parametros::Cx_edit, &Parametros::Cy_edit,
    &Parametros::Cz_edit, &Parametros::d_edit,  &Parametros::hx_edit, &Parametros::hy_edit};

inline constexpr std::array<CampoParametro, REAIS_AMBIENTE> CAMPOS_AMBIENTE{
    &Parametros::IaRed_edit, &Parametros::IaGreen_edit, &Parametros::IaBlue_edit,
    &Parametros::Ka_edit};

inline constexpr std::array<CampoParametro, REAIS_OBJETO> CAMPOS_OBJETO{
    &Parametros::OdiRed_edit, &Parametros::OdiGreen_edit, &Parametros::OdiBlue_edit,
    &Parametros::OdeRed_edit, &Parametros::OdeGreen_edit, &Parametros::OdeBlue_edit,
    &Parametros::OsiRed_edit, &Parametros::OsiGreen_edit, &Parametros::OsiBlue_edit,
    &Parametros::OseRed_edit, &Parametros::OseGreen_edit, &Parametros::OseBlue_edit,
    &Parametros::Kd_edit,     &Parametros::Ks_edit,       &Parametros::rugosidade_edit};

/// Writes a point or vector into three fields as they show numbers.
void escreve_coordenadas(CampoTexto& x, CampoTexto& y, CampoTexto& z, double vx, double vy,
                         double vz);

} // namespace quindra
