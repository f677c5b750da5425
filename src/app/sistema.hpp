// Everything the commands work on besides the controls: one instance, owned by the rendering
// session, alive for the whole run.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "render/cena_raios.hpp"
#include "render/desenho.hpp"
#include "render/vista.hpp"
#include "scene/camera.hpp"
#include "scene/cena.hpp"
#include "scene/material.hpp"
#include "scene/tetraedros.hpp"
#include "scene/triangulo.hpp"
#include "view/tela.hpp"
#include "view/textura.hpp"
#include "view/z_buffer.hpp"

namespace quindra {

/// A white light of full intensity at the origin: the light a new list holds and "+" adds.
inline constexpr std::array<std::string_view, CAMPOS_POR_FONTE> FONTE_PADRAO{"255", "255", "255",
                                                                             "0",   "0",   "0"};

struct Sistema {
    Malha malha;
    /// What the last Draw computed from the mesh, reused by the next.
    Vista vista;
    std::optional<Camera> CameraAtual;
    Material material;
    Cena cena;

    std::optional<Bitmap> Tela;
    /// Empty (0 x 0) from start-up until an image is loaded.
    std::optional<Bitmap> Textura;
    ProjecaoTextura projecao_textura;
    FaixaTextura faixa_textura;
    std::optional<ZBuffer> ProfundidadeAtual;
    /// The ray tracer's structure for the loaded object, dropped by each load.
    CenaRaios raios;

    TextosDasFontes ListaDeFontes{FONTE_PADRAO.begin(), FONTE_PADRAO.end()};
    std::int32_t FonteAtual = 1;

    TabelaDeTetraedros TabelaTetraedros;
    bool ModoTetraedro = false;
    std::int32_t TetraedroAtual = 1;

    /// Where the configuration files and tetcores.txt are read and written.
    std::filesystem::path DirInicial;

    bool TexturaCarregada() const { return Textura && Textura->largura() > 0; }
};

} // namespace quindra
