// Where a launch from the desktop menu keeps its configuration: a folder of the user's own, not
// whatever folder the desktop starts programs in.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quindra {

/// $XDG_DATA_HOME/quindra, or HOME/.local/share/quindra where XDG_DATA_HOME is unset, empty or
/// not absolute (as the XDG base directories say); none without an absolute HOME either.
std::optional<std::filesystem::path> pasta_pessoal(const char* xdg_data_home, const char* home);

/// Makes the folder when it is missing and copies into it each configuration file of modelos
/// that it lacks, so that a first use starts from the samples' camera, lights and material; a
/// file already there is never replaced. False, with the message, when the folder cannot be
/// made.
bool prepara_pasta_pessoal(const std::filesystem::path& pasta, const std::filesystem::path& modelos,
                           std::string& erro);

} // namespace quindra
