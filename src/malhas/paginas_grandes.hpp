// A hint for the large buffers of a load.
#pragma once

#include <cstddef>

namespace quindra {

/// Asks the system to back the 2 MB-aligned part of [inicio, inicio + bytes) with 2 MB pages
/// where it can, before anything is written there: a buffer of tens of megabytes then costs tens
/// of page faults instead of thousands. Only a hint; without such pages nothing changes.
void pede_paginas_grandes(const void* inicio, std::size_t bytes);

} // namespace quindra
