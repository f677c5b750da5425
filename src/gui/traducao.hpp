// Qt's own texts (file dialogs, standard buttons) in the window's language.
#pragma once

namespace quindra::gui {

/// Installs Qt's Brazilian Portuguese translation into the running application, when the
/// system has it; nothing otherwise.
void traduz_textos_do_qt();

} // namespace quindra::gui
