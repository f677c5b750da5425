// A rendering session: the object, the texture, the camera and the frame, with the commands that
// load, configure, draw, turn the camera and save. Each answers with the message the window
// shows, so that the window and the command line draw and speak alike.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/parametros.hpp"
#include "app/plataforma.hpp"
#include "app/sistema.hpp"
#include "render/algoritmos.hpp"
#include "view/folha.hpp"

namespace quindra {

/// A sheet of every algorithm has three of them a row.
inline constexpr int COLUNAS_FOLHA = 3;

/// A reader's message means success when it starts with a blank.
inline bool mensagem_de_sucesso(std::string_view mensagem) {
    return !mensagem.empty() && mensagem.front() == ' ';
}

/// The camera's axes, in the order of the rotation axis choices.
enum EixoRotacao : int { EIXO_MIRA, EIXO_HORIZONTAL, EIXO_VERTICAL };

/// What reading made of a configuration file.
enum class SituacaoArquivo { lido, ausente, ilegivel, malformado };

/// Runs a draw. A desktop keeps its window painted meanwhile and, for a long draw that counts
/// its rows, shows the progress with a way to cancel.
using AcompanhaDesenho =
    std::function<void(const std::function<void()>& desenho, const ProgressoDesenho& progresso)>;

/// A point typed as three coordinates; none, with the failing coordinate's message (the
/// rotation centre's), when one is not a number. recusado, when given, receives that
/// coordinate's text.
std::optional<Ponto> le_centro(std::string_view x, std::string_view y, std::string_view z,
                               std::string& falha, std::string_view* recusado = nullptr);

/// What a reader refused: its message and the refused text, a view of the field it came from
/// (or of an entry of the light list).
struct Recusa {
    std::string mensagem;
    std::string_view texto;
};

class Sessao {
public:
    /// The frame cleared, no object, no texture, one white light at the origin. Each draw runs
    /// through acompanha, or simply runs without it.
    explicit Sessao(AcompanhaDesenho acompanha = {});

    Sistema sistema;

    /// The frame as the last draw left it.
    const Bitmap& quadro() const { return *sistema.Tela; }

    // --- files ----------------------------------------------------------------------------
    /// Reads camera.txt, cena.txt and objeto.txt of the folder, in that order: a file that
    /// reads well gives its values to the fields (and cena.txt its lights to the list), one
    /// that does not leaves them. What became of each file, in that order.
    std::array<SituacaoArquivo, 3> le_configuracao(const std::filesystem::path& pasta,
                                                   Parametros& parametros);
    /// Loads an object in any known format with the Z factor back to 1: 45 blanks, or the
    /// failure's message with the object loaded before kept.
    std::string carrega_objeto(const std::string& arquivo);
    /// Loads the texture; none, or the error report when the file is not a usable image.
    std::optional<std::string> carrega_textura(const std::string& arquivo);
    /// Writes the frame as PNG when the name ends in ".png", as a 24-bit BMP otherwise; none, or
    /// the error report.
    std::optional<std::string> salva_quadro(const std::string& arquivo) const;
    /// The same for the picture of the last Draw's depth buffer (profundidade()).
    std::optional<std::string> salva_profundidade(const std::string& arquivo) const;

    // --- Draw -----------------------------------------------------------------------------
    /// Reads the Z factor, the camera and, for an algorithm that lights the object, the
    /// material, the ambient light and the light list, then draws. The message line after it:
    /// the last reader's success, or the first failure with nothing drawn. None when there is
    /// nothing to draw (no algorithm, no object), which leaves the message line as it was.
    /// With ate, only the first triangles the renderer paints, in its own order.
    std::optional<std::string> desenha(std::optional<Algoritmo> algoritmo,
                                       const Parametros& parametros,
                                       std::optional<std::size_t> ate = {});
    /// The depth buffer of the last Draw as a picture (imagem_da_profundidade); none when that
    /// Draw decided visibility without one.
    std::optional<Bitmap> profundidade() const;

    // --- every algorithm side by side (sessao_comparacao.cpp) ------------------------------
    /// Draws the scene with every algorithm in the order of the choice list, one after the
    /// other as Draws would from the current frame, each into a frame of its own and timed;
    /// a choice that cannot draw keeps its message instead. The frame and the depth buffer
    /// stay as they were. False, with the last comparison kept, when there is no object or the
    /// user cancelled.
    bool compara(const Parametros& parametros);
    /// The last comparison's cells, by choice: each frame, or the message in its place.
    std::span<const CelulaFolha> folha_comparada() const { return comparacao_; }
    /// The last comparison as a sheet of COLUNAS_FOLHA cells a row, each lado pixels wide:
    /// LADO_TELA / COLUNAS_FOLHA fits the frame's width, LADO_TELA is the full resolution.
    Folha folha(int lado) const;
    /// Writes the full-resolution sheet as salva_quadro writes the frame; the error report when
    /// there is none yet.
    std::optional<std::string> salva_folha(const std::string& arquivo) const;

    /// The last refusal of a field since esquece_recusa; none when no reader refused one.
    const std::optional<Recusa>& recusa() const { return recusa_; }
    void esquece_recusa() { recusa_.reset(); }
    /// Keeps a refusal (the session's readers' or the window's own), when mensagem is one;
    /// gives the message back.
    std::string anota(std::string mensagem, std::string_view texto);

    // --- the camera -----------------------------------------------------------------------
    /// The camera from its fields: blanks, or the first bad field's message.
    std::string le_camera(const Parametros& parametros);
    /// "Efetuar Rotação": reads the rotation centre, the angle and the camera, then turns the
    /// camera by the angle (times sentido, 1 or -1) about eixo through the centre; the camera
    /// fields follow. The message line after it.
    std::string gira(Parametros& parametros, int eixo, int sentido = 1);
    /// Turns the camera last read by graus about eixo through centro; the camera fields follow.
    /// The failure's message when the centre lies too far for the turn to be computed, with
    /// nothing changed.
    std::optional<std::string> gira_em_torno(const Ponto& centro, int eixo, double graus,
                                             Parametros& parametros);
    /// Moves the camera last read along N by a fraction of its distance to centro (towards it
    /// when positive), never reaching or passing it; the position fields follow. The failure's
    /// message when the step cannot be computed, with nothing changed.
    std::optional<std::string> aproxima(const Ponto& centro, double fracao, Parametros& parametros);
    /// "Enquadrar Objeto": reads the Z factor and the camera, then moves C along N until the
    /// object just fills the frame (d, hx and hy shrinking together when the object would
    /// otherwise reach the focal plane), and puts the rotation centre at the object's centre;
    /// the fields follow. The failure's message, with nothing changed; none without an object.
    std::optional<std::string> enquadra(Parametros& parametros);
    /// "Carregar Centro do Objeto": the loaded object's centre into the rotation centre fields;
    /// nothing without an object.
    void carrega_centro(Parametros& parametros) const;

private:
    // Writes a picture as salva_quadro says; none, or the error report.
    static std::optional<std::string> salva(const Bitmap& imagem, const std::string& arquivo);
    // The Z factor into the object; the field's message when it is not a number.
    std::optional<std::string> le_fator_dilatacao(const Parametros& parametros);
    // Reads the Z factor, the camera and what the algorithm needs (see desenha): the message
    // line after it, none when there is nothing to draw.
    std::optional<std::string> le_parametros(std::optional<Algoritmo> algoritmo,
                                             const Parametros& parametros);
    // What a Draw with everything read reads and writes.
    Desenho desenho(Algoritmo algoritmo, Bitmap& tela, std::optional<ZBuffer>& profundidade);
    // The material, the ambient light and the lights: the lights' success or the first failure.
    std::string le_iluminacao(const Parametros& parametros);
    // The render call, with everything read.
    void desenha_quadro(Algoritmo algoritmo, std::optional<std::size_t> ate);

    AcompanhaDesenho acompanha_;
    std::optional<Recusa> recusa_;
    std::vector<CelulaFolha> comparacao_;       // the last complete comparison, by choice
    std::atomic<int> algoritmos_prontos_{0};    // of a comparison under way
    bool com_profundidade_ = false;             // the last Draw kept a depth per pixel
    std::atomic<bool> cancelar_desenho_{false}; // set by whoever follows a draw
    std::atomic<int> linhas_prontas_{0};
};

} // namespace quindra
