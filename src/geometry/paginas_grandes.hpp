// A hint for large buffers: a load's, a Draw's.
#pragma once

#include <cstddef>
#include <vector>

namespace quindra {

/// Asks the system to back the 2 MB-aligned part of [inicio, inicio + bytes) with 2 MB pages
/// where it can, before anything is written there: a buffer of tens of megabytes then costs tens
/// of page faults instead of thousands. Only a hint; without such pages nothing changes.
void pede_paginas_grandes(const void* inicio, std::size_t bytes);

/// Resizes v to n elements; when it must grow, its new block is asked for 2 MB pages first.
template <class T> void dimensiona(std::vector<T>& v, std::size_t n) {
    if (v.capacity() < n) {
        std::vector<T> novo;
        novo.reserve(n);
        pede_paginas_grandes(novo.data(), n * sizeof(T));
        v.swap(novo);
    }
    v.resize(n);
}

} // namespace quindra
