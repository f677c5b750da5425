// Keeping a file that could not be read before a default takes its place.
#pragma once

#include <filesystem>

namespace quindra {

/// How many earlier versions of one file are kept: NAME.bak, then NAME.bak.1 up to
/// NAME.bak.9, from the newest to the oldest.
inline constexpr int COPIAS_GUARDADAS = 10;

/// Moves the file (through its links, to the file they name) aside as NAME.bak, the earlier
/// copies each one number older; only when all of them are taken does the oldest give way. A
/// file the same, byte for byte, as NAME.bak is already kept: nothing moves, so the copies stay
/// distinct versions. True when the file's contents are safe and it may be replaced (or it was
/// not there at all); false when it must stay as it is: anything but a regular file (a folder,
/// a device, a FIFO) is never moved.
bool guarda_copia_de_seguranca(const std::filesystem::path& arquivo);

} // namespace quindra
