#include "geometry/campos_numericos.hpp"

#include "geometry/instrumental_basico.hpp"

namespace quindra {

namespace {

const CampoNumerico* primeiro_recusado(std::span<const CampoNumerico> campos) {
    for (const CampoNumerico& campo : campos) {
        bool erro = false;
        const double valor = converte_real(campo.texto, erro);
        if (erro) return &campo;
        campo.destino = valor;
        if (campo.valido && !campo.valido(valor)) return &campo;
    }
    return nullptr;
}

} // namespace

const CampoNumerico* le_campos(std::span<const CampoNumerico> campos, std::string_view* recusado) {
    const CampoNumerico* falha = primeiro_recusado(campos);
    if (recusado) *recusado = falha ? falha->texto : std::string_view{};
    return falha;
}

} // namespace quindra
