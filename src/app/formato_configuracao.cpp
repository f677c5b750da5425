#include "app/formato_configuracao.hpp"

#include <cstdint>

#include "geometry/numero_texto.hpp"

namespace quindra {

namespace {

constexpr std::string_view FIM_DE_LINHA = "\r\n";

} // namespace

bool le_reais_como_textos(LeitorTexto& leitor, std::span<std::string> textos) {
    for (std::string& texto : textos) {
        double valor = 0;
        // A file that ends before its last number was cut short: its zeros are not the user's.
        if (leitor.fim_apos_separadores() || !leitor.le_real(valor)) return false;
        texto = formata_real(valor);
    }
    return true;
}

std::optional<ConteudoCena> le_cena(LeitorTexto& leitor) {
    ConteudoCena cena;
    int numero_de_fontes = 0;
    std::array<std::string, CAMPOS_POR_FONTE> fonte;
    const bool inicio_lido = le_reais_como_textos(leitor, cena.ambiente) &&
                             leitor.le_inteiro(numero_de_fontes) &&
                             le_reais_como_textos(leitor, fonte);
    if (!inicio_lido) return std::nullopt;
    cena.fontes.assign(fonte.begin(), fonte.end());

    for (std::int64_t k = 2; k <= numero_de_fontes; ++k) {
        if (!le_reais_como_textos(leitor, fonte)) {
            cena.completo = false;
            break;
        }
        cena.fontes.insert(cena.fontes.end(), fonte.begin(), fonte.end());
    }
    return cena;
}

std::string escreve_linhas(std::span<const std::string_view> textos,
                           std::span<const int> por_linha) {
    std::string arquivo;
    auto texto = textos.begin();
    for (int quantos : por_linha) {
        for (int i = 0; i < quantos && texto != textos.end(); ++i, ++texto) {
            if (i > 0) arquivo += ' ';
            arquivo += *texto;
        }
        arquivo += FIM_DE_LINHA;
    }
    return arquivo;
}

std::string escreve_cena(std::span<const std::string_view> ambiente,
                         const TextosDasFontes& fontes) {
    std::string arquivo = escreve_linhas(ambiente, LINHAS_AMBIENTE);
    arquivo += formata_inteiro(static_cast<std::int64_t>(fontes.size() / CAMPOS_POR_FONTE));
    arquivo += FIM_DE_LINHA;
    for (std::size_t i = 0; i < fontes.size(); ++i) {
        arquivo += fontes[i];
        arquivo += ' ';
        if (i % 3 == 2) arquivo += FIM_DE_LINHA;
    }
    return arquivo;
}

bool le_cores_tetraedros(LeitorTexto& leitor, TabelaDeTetraedros& tabela) {
    for (EntradaTetraedro& destino : tabela) {
        // A number asked for after the last one reads as 0, so the end is looked for before
        // each number, past the blanks and line breaks that close the file.
        bool faltou = leitor.fim_apos_separadores();
        int descartado = 0;
        leitor.le_inteiro(descartado);
        Cor cor;
        for (double Cor::*canal : {&Cor::r, &Cor::g, &Cor::b}) {
            faltou = faltou || leitor.fim_apos_separadores();
            leitor.le_real(cor.*canal);
        }
        if (faltou || leitor.falhou()) return false;
        destino.cor = cor;
    }
    return true;
}

} // namespace quindra
