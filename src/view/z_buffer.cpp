#include "view/z_buffer.hpp"

#include <algorithm>

namespace quindra {

void limpa_profundidade(ZBuffer& z) {
    std::fill(z.valores.begin(), z.valores.end(), PROFUNDIDADE_VAZIA);
}

} // namespace quindra
