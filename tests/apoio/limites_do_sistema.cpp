#include "apoio/limites_do_sistema.hpp"

#include <sys/fsuid.h>
#include <unistd.h>

namespace quindra::teste {

namespace {
constexpr uid_t NINGUEM = 65534;
}

// Only the file-system identity changes, and only for this thread: root gets it back after.
SemPrivilegios::SemPrivilegios() : era_root_(geteuid() == 0) {
    if (!era_root_) return;
    setfsgid(NINGUEM);
    setfsuid(NINGUEM);
}

SemPrivilegios::~SemPrivilegios() {
    if (!era_root_) return;
    setfsuid(0);
    setfsgid(0);
}

DiscoCheio::DiscoCheio(rlim_t bytes_livres) {
    getrlimit(RLIMIT_FSIZE, &anterior_);
    const rlimit limite{bytes_livres, anterior_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limite);
    sinal_anterior_ = std::signal(SIGXFSZ, SIG_IGN);
}

DiscoCheio::~DiscoCheio() {
    setrlimit(RLIMIT_FSIZE, &anterior_);
    std::signal(SIGXFSZ, sinal_anterior_);
}

} // namespace quindra::teste
