#include "scene/material.hpp"

namespace quindra {

namespace {

// 256 exclusive: 255.5 is still a colour.
bool cor_valida(double v) { return v >= 0 && v < 256; }
bool peso_valido(double v) { return v >= 0 && v <= 1; }
bool rugosidade_valida(double v) { return v > 0; }

struct Campo {
    std::string_view texto;
    bool (*valido)(double);
    double& destino;
    const char* mensagem;
};

} // namespace

std::string le_atributos_objeto(Material& material, const TextosMaterial& t) {
    // The colours are held back until every field passes; the scalars go straight in.
    double od1[3] = {}, os1[3] = {}, od2[3] = {}, os2[3] = {};
    // Side 1's specular colour and the scalars are checked before side 2.
    const Campo campos[] = {
        {t.OdiRed, cor_valida, od1[0], "Od L1(red) em formato inválido."},
        {t.OdiGreen, cor_valida, od1[1], "Od L1(green) em formato inválido."},
        {t.OdiBlue, cor_valida, od1[2], "Od L1(blue) em formato inválido."},
        {t.OsiRed, cor_valida, os1[0], "Os L1(red) em formato inválido."},
        {t.OsiGreen, cor_valida, os1[1], "Os L1(green) em formato inválido."},
        {t.OsiBlue, cor_valida, os1[2], "Os L1(blue) em formato inválido."},
        {t.Kd, peso_valido, material.Kd, "kd em formato inválido."},
        {t.Ks, peso_valido, material.Ks, "ks em formato inválido."},
        {t.rugosidade, rugosidade_valida, material.Rugosidade, "Rugosidade em formato inválido."},
        {t.OdeRed, cor_valida, od2[0], "Od L2(red) em formato inválido."},
        {t.OdeGreen, cor_valida, od2[1], "Od L2(green) em formato inválido."},
        {t.OdeBlue, cor_valida, od2[2], "Od L2(blue) em formato inválido."},
        {t.OseRed, cor_valida, os2[0], "Os L2(red) em formato inválido."},
        {t.OseGreen, cor_valida, os2[1], "Os L2(green) em formato inválido."},
        {t.OseBlue, cor_valida, os2[2], "Os L2(blue) em formato inválido."},
    };
    for (const Campo& campo : campos) {
        bool erro = false;
        const double valor = converte_real(campo.texto, erro);
        if (erro) return campo.mensagem;
        campo.destino = valor; // stored before the range check, as the scalars must be
        if (!campo.valido(valor)) return campo.mensagem;
    }
    material.Od1 = Cor(od1[0], od1[1], od1[2]);
    material.Os1 = Cor(os1[0], os1[1], os1[2]);
    material.Od2 = Cor(od2[0], od2[1], od2[2]);
    material.Os2 = Cor(os2[0], os2[1], os2[2]);
    return MENSAGEM_SUCESSO_MATERIAL;
}

} // namespace quindra
