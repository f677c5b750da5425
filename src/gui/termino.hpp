// The ways a desktop ends a program besides its close button: SIGTERM (a logout, kill), SIGINT
// (Ctrl+C in the terminal that started it), SIGHUP (that terminal closing), and the session
// manager asking it to save. None of them may lose the values typed since the start.
#pragma once

#include "gui/plataforma_qt.hpp"
#include "gui/tform1.hpp"

namespace quindra::gui {

/// Holds those signals back until grava_ao_terminar can take them: one that comes while the
/// window is being built is not lost, nor does it end the program unsaved. Call it first.
void adia_sinais_de_termino();

/// From now on those signals end the program from the event loop's thread: a running draw is
/// cancelled and waited for, the configuration written as a close writes it (a failure goes to
/// stderr), and the program leaves with status 0. The session manager's request to save writes
/// the configuration and leaves the window open.
void grava_ao_terminar(TForm1& forma, PlataformaQt& plataforma);

} // namespace quindra::gui
