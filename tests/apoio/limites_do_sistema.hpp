// The outside world at its worst, for tests: a user without privileges, a disk that fills up.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace quindra::teste {

/// Root passes every permission check, so a read-only folder would not be one for it. While
/// alive, files are accessed as the user "nobody" when the test runs as root.
class SemPrivilegios {
public:
    SemPrivilegios();
    ~SemPrivilegios();
    SemPrivilegios(const SemPrivilegios&) = delete;
    SemPrivilegios& operator=(const SemPrivilegios&) = delete;

private:
    bool era_root_;
};

/// While alive, no file can grow past the given size, as on a full disk: writes past it fail
/// (the signal the system would send instead is ignored).
class DiscoCheio {
public:
    explicit DiscoCheio(rlim_t bytes_livres);
    ~DiscoCheio();
    DiscoCheio(const DiscoCheio&) = delete;
    DiscoCheio& operator=(const DiscoCheio&) = delete;

private:
    rlimit anterior_{};
    void (*sinal_anterior_)(int);
};

} // namespace quindra::teste
