// What every mesh reader's fuzz target does: reads arbitrary bytes as a file would bring them
// and, when the reader accepts them, installs the mesh, so the installer's checks run too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "malhas/formatos.hpp"

namespace quindra::fuzz {

inline int le_e_instala(LeitorDeMalha leitor, const std::uint8_t* dados, std::size_t tamanho) {
    MalhaLida lida;
    const std::string mensagem =
        leitor(std::string_view(reinterpret_cast<const char*>(dados), tamanho), lida);
    Malha malha;
    if (mensagem.front() == ' ') instala_malha(malha, std::move(lida));
    return 0;
}

} // namespace quindra::fuzz
