#include "scene/cena.hpp"

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

struct CampoFonte {
    bool (*valido)(double); // null for a position, which takes any number
    const char* inicio;
    const char* fim;
};

const CampoFonte CAMPOS_FONTE[CAMPOS_POR_FONTE] = {
    {intensidade_valida, "Cor da Fonte ", " com erro (red)."},
    {intensidade_valida, "Cor da Fonte ", " com erro (green)."},
    {intensidade_valida, "Cor da Fonte ", " com erro (blue)."},
    {nullptr, "Posição da Fonte ", " com erro (Coord x)."},
    {nullptr, "Posição da Fonte ", " com erro (Coord y)."},
    {nullptr, "Posição da Fonte ", " com erro (Coord z)."},
};

} // namespace

std::string le_ambiente(Cena& cena, const TextosAmbiente& t) {
    struct Campo {
        std::string_view texto;
        bool (*valido)(double);
        double& destino;
        const char* mensagem;
    };
    double ia[3] = {};
    const Campo campos[] = {
        {t.IaRed, cor_ambiente_valida, ia[0], "Ia(red) em formato inválido."},
        {t.IaGreen, cor_ambiente_valida, ia[1], "Ia(green) em formato inválido."},
        {t.IaBlue, cor_ambiente_valida, ia[2], "Ia(blue) em formato inválido."},
        {t.Ka, [](double v) { return v >= 0 && v <= 1; }, cena.Ka, "Ka em formato inválido."},
    };
    for (const Campo& campo : campos) {
        bool erro = false;
        const double valor = converte_real(campo.texto, erro);
        if (erro) return campo.mensagem;
        campo.destino = valor; // Ka goes in before its range check; Ia only once all pass
        if (!campo.valido(valor)) return campo.mensagem;
    }
    cena.Ia = Cor(ia[0], ia[1], ia[2]);
    return MENSAGEM_SUCESSO_AMBIENTE;
}

std::string le_fontes(Cena& cena, const TextosDasFontes& fontes) {
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
        for (std::size_t i = 0; i < CAMPOS_POR_FONTE; ++i) {
            const CampoFonte& campo = CAMPOS_FONTE[i];
            bool erro = false;
            valores[i] = converte_real(textos[i], erro);
            if (erro || (campo.valido && !campo.valido(valores[i])))
                return mensagem_fonte(campo.inicio, k, campo.fim);
        }
        il.emplace_back(valores[0], valores[1], valores[2]);
        pl.emplace_back(valores[3], valores[4], valores[5]);
    }
    cena.Il = std::move(il);
    cena.Pl = std::move(pl);
    return MENSAGEM_SUCESSO_FONTES;
}

} // namespace quindra
