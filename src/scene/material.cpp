#include "scene/material.hpp"

#include "geometry/campos_numericos.hpp"

namespace quindra {

namespace {

// 256 exclusive: 255.5 is still a colour.
bool cor_valida(double v) { return v >= 0 && v < 256; }
bool peso_valido(double v) { return v >= 0 && v <= 1; }
bool rugosidade_valida(double v) { return v > 0; }

} // namespace

std::string le_atributos_objeto(Material& material, const TextosMaterial& t,
                                std::string_view* recusado) {
    // The colours are held back until every field passes; the scalars go straight in.
    double od1[3] = {}, os1[3] = {}, od2[3] = {}, os2[3] = {};
    // Side 1's specular colour and the scalars are checked before side 2.
    const CampoNumerico campos[] = {
        {t.OdiRed, od1[0], cor_valida, "Od L1(red) em formato inválido."},
        {t.OdiGreen, od1[1], cor_valida, "Od L1(green) em formato inválido."},
        {t.OdiBlue, od1[2], cor_valida, "Od L1(blue) em formato inválido."},
        {t.OsiRed, os1[0], cor_valida, "Os L1(red) em formato inválido."},
        {t.OsiGreen, os1[1], cor_valida, "Os L1(green) em formato inválido."},
        {t.OsiBlue, os1[2], cor_valida, "Os L1(blue) em formato inválido."},
        {t.Kd, material.Kd, peso_valido, "kd em formato inválido."},
        {t.Ks, material.Ks, peso_valido, "ks em formato inválido."},
        {t.rugosidade, material.Rugosidade, rugosidade_valida, "Rugosidade em formato inválido."},
        {t.OdeRed, od2[0], cor_valida, "Od L2(red) em formato inválido."},
        {t.OdeGreen, od2[1], cor_valida, "Od L2(green) em formato inválido."},
        {t.OdeBlue, od2[2], cor_valida, "Od L2(blue) em formato inválido."},
        {t.OseRed, os2[0], cor_valida, "Os L2(red) em formato inválido."},
        {t.OseGreen, os2[1], cor_valida, "Os L2(green) em formato inválido."},
        {t.OseBlue, os2[2], cor_valida, "Os L2(blue) em formato inválido."},
    };
    if (const CampoNumerico* falha = le_campos(campos, recusado)) return falha->mensagem;
    material.Od1 = Cor(od1[0], od1[1], od1[2]);
    material.Os1 = Cor(os1[0], os1[1], os1[2]);
    material.Od2 = Cor(od2[0], od2[1], od2[2]);
    material.Os2 = Cor(os2[0], os2[1], os2[2]);
    return MENSAGEM_SUCESSO_MATERIAL;
}

} // namespace quindra
