#include "scene/cena.hpp"

#include "geometry/campos_numericos.hpp"
#include "geometry/numero_texto.hpp"

namespace quindra {

namespace {

// The ambient light is bounded like the material colours, 256 exclusive...
bool cor_ambiente_valida(double v) { return v >= 0 && v < 256; }
// ...but a light source's intensity stops at 255 inclusive.
bool intensidade_valida(double v) { return v >= 0 && v <= 255; }

std::string mensagem_fonte(std::string_view inicio, std::size_t numero, std::string_view fim) {
    std::string mensagem(inicio);
    mensagem.append(formata_inteiro(static_cast<std::int64_t>(numero))).append(fim);
    return mensagem;
}

// A light's message names it between these two parts.
struct MensagemFonte {
    const char* inicio;
    const char* fim;
};

const MensagemFonte MENSAGENS_FONTE[CAMPOS_POR_FONTE] = {
    {"Cor da Fonte ", " com erro (red)."},         {"Cor da Fonte ", " com erro (green)."},
    {"Cor da Fonte ", " com erro (blue)."},        {"Posição da Fonte ", " com erro (Coord x)."},
    {"Posição da Fonte ", " com erro (Coord y)."}, {"Posição da Fonte ", " com erro (Coord z)."},
};

} // namespace

std::string le_ambiente(Cena& cena, const TextosAmbiente& t, std::string_view* recusado) {
    double ia[3] = {};
    // Ka goes in before its range check; Ia only once every field passes.
    const CampoNumerico campos[] = {
        {t.IaRed, ia[0], cor_ambiente_valida, "Ia(red) em formato inválido."},
        {t.IaGreen, ia[1], cor_ambiente_valida, "Ia(green) em formato inválido."},
        {t.IaBlue, ia[2], cor_ambiente_valida, "Ia(blue) em formato inválido."},
        {t.Ka, cena.Ka, [](double v) { return v >= 0 && v <= 1; }, "Ka em formato inválido."},
    };
    if (const CampoNumerico* falha = le_campos(campos, recusado)) return falha->mensagem;
    cena.Ia = Cor(ia[0], ia[1], ia[2]);
    return MENSAGEM_SUCESSO_AMBIENTE;
}

std::string le_fontes(Cena& cena, const TextosDasFontes& fontes, std::string_view* recusado) {
    // The lights of an earlier read go first, so that a failure leaves none.
    cena.Il.clear();
    cena.Pl.clear();

    const std::size_t quantas = fontes.size() / CAMPOS_POR_FONTE;
    std::vector<Cor> il;
    std::vector<Ponto> pl;
    il.reserve(quantas);
    pl.reserve(quantas);
    for (std::size_t k = 1; k <= quantas; ++k) {
        const std::string* textos = &fontes[CAMPOS_POR_FONTE * (k - 1)];
        double valores[CAMPOS_POR_FONTE];
        const CampoNumerico campos[CAMPOS_POR_FONTE] = {
            {textos[0], valores[0], intensidade_valida},
            {textos[1], valores[1], intensidade_valida},
            {textos[2], valores[2], intensidade_valida},
            {textos[3], valores[3]},
            {textos[4], valores[4]},
            {textos[5], valores[5]},
        };
        if (const CampoNumerico* falha = le_campos(campos, recusado)) {
            const MensagemFonte& m = MENSAGENS_FONTE[static_cast<std::size_t>(falha - campos)];
            return mensagem_fonte(m.inicio, k, m.fim);
        }
        il.emplace_back(valores[0], valores[1], valores[2]);
        pl.emplace_back(valores[3], valores[4], valores[5]);
    }
    cena.Il = std::move(il);
    cena.Pl = std::move(pl);
    return MENSAGEM_SUCESSO_FONTES;
}

} // namespace quindra
