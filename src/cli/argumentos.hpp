// The command line of quindra-render: its options, their checks, and every complaint in
// Portuguese, CLI11's own included.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quindra::cli {

/// Exit statuses: a drawing that failed, and a command line that cannot be carried out.
inline constexpr int SAIDA_FALHA = 1;
inline constexpr int SAIDA_USO = 2;

struct Opcoes {
    std::string objeto;
    /// Positions of the window's choice list, in drawing order.
    std::vector<int> escolhas;
    /// Every choice was asked for ("-a todos").
    bool todas = false;
    std::string saida = "quindra.bmp";
    std::string textura;
    /// The first and last textured faces, when given.
    std::optional<std::pair<std::string, std::string>> faces;
    std::string pasta = ".";
    bool tempo = false;
    /// With --giro, how many frames one turn of the camera about the object takes.
    std::optional<int> giro;
    /// With --ate, how many triangles each Draw paints.
    std::optional<std::size_t> ate;
    /// With --profundidade, where the depth buffer's picture goes.
    std::string profundidade;
    /// With --grade, where the sheet of every algorithm goes (instead of their frames).
    std::string grade;
    /// With --miniatura, the preview's side; objeto is then the mesh and saida the PNG.
    std::optional<int> miniatura;
};

/// The most frames --giro draws, so that a mistyped count cannot run for days.
inline constexpr int MAXIMO_QUADROS_GIRO = 100000;

/// What the command line asks for: options to draw with, or a text to print and leave (the
/// help, on stdout with status 0, or a usage error, on stderr with SAIDA_USO).
struct Pedido {
    std::optional<Opcoes> opcoes;
    std::string texto;
    int status = 0;
};

Pedido interpreta(int argc, const char* const* argv);

} // namespace quindra::cli
