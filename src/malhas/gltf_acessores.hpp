// Accessors, checked against the bytes they read before any is read: element i of a float VEC3
// (positions) or unsigned SCALAR (indices) accessor, taken where it lies, sparse ones included.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "malhas/gltf_buffers.hpp"
#include "malhas/gltf_json.hpp"

namespace quindra::gltf {

enum class Uso { posicoes, indices };

class Acessor {
public:
    /// Checks accessor number indice for its use: its type, its view inside its buffer, every
    /// element inside its view, its sparse blocks inside theirs with increasing indices below
    /// count. Throws Recusa when anything is off.
    Acessor(const Documento& documento, const Buffers& buffers, std::size_t indice, Uso uso);

    std::uint64_t quantos() const { return quantos_; }
    /// Element i of a positions accessor, i below quantos().
    std::array<double, 3> posicao(std::uint64_t i) const;
    /// Element i of an indices accessor, i below quantos().
    std::uint64_t indice(std::uint64_t i) const;

private:
    // Where an element's bytes start, or null for one left zero by an accessor without a view.
    const char* elemento(std::uint64_t i) const;
    void confere_esparso(const Documento& documento, const Buffers& buffers, dom::object esparso);

    std::uint64_t quantos_ = 0;
    std::size_t tamanho_componente_ = 0;
    std::size_t tamanho_elemento_ = 0;
    const char* dados_ = nullptr;
    std::size_t passo_ = 0;
    // the sparse substitutions: strictly increasing element numbers and their values
    std::uint64_t esparsos_ = 0;
    const char* indices_esparsos_ = nullptr;
    std::size_t tamanho_indice_esparso_ = 0;
    const char* valores_esparsos_ = nullptr;
};

/// Each accessor checked once for each use, however many primitives read it.
class Acessores {
public:
    Acessores(const Documento& documento, const Buffers& buffers);

    /// The accessor the number names, checked for the use.
    const Acessor& pega(dom::element numero, Uso uso);

private:
    const Documento& documento_;
    const Buffers& buffers_;
    // never resized, so what pega returns stays where it is
    std::vector<std::optional<Acessor>> posicoes_, indices_;
};

} // namespace quindra::gltf
