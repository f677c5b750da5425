#include "render/iluminacao.hpp"

#include <algorithm>
#include <cmath>

namespace quindra {

namespace {

// The model once the side is known; olho is para_o_olho(p), computed once by the caller.
Cor ilumina_lado(const Ponto& p, const Vetor& olho, const Vetor& normal, const Cor& Od,
                 const Cor& Os, const Material& material, const Cena& cena) {
    Cor difusa(Od), especular(Os);
    difusa.multiplica(material.Kd);
    difusa.normaliza();
    especular.multiplica(material.Ks);
    especular.normaliza();

    Cor intensidade(cena.Ia);
    intensidade.multiplica(cena.Ka);
    Cor soma_difusa, soma_especular, termo;
    Vetor luz, reflexo;
    const auto fontes = static_cast<std::size_t>(std::max(cena.NumFontes, 0));
    for (std::size_t k = 0; k < fontes && k < cena.Il.size() && k < cena.Pl.size(); ++k) {
        luz.diferenca(cena.Pl[k], p);
        if (normal.produto_escalar(luz) <= 0) continue; // behind the side the eye sees
        luz.normaliza();
        const double nl = normal.produto_escalar(luz);
        compoe(termo, difusa, cena.Il[k], nl);
        soma_difusa.soma(termo);
        if (material.Ks <= 0) continue;
        reflexo.copia(normal);
        reflexo.multiplica(2 * nl);
        reflexo.subtrai(luz);
        const double rv = olho.produto_escalar(reflexo);
        if (rv <= 0) continue;
        compoe(termo, especular, cena.Il[k], std::pow(rv, material.Rugosidade));
        soma_especular.soma(termo);
    }
    intensidade.soma(soma_difusa);
    intensidade.soma(soma_especular);
    intensidade.limita();
    return intensidade;
}

} // namespace

Vetor para_o_olho(const Ponto& p) {
    Vetor olho;
    olho.copia_ponto(p);
    olho.inverte();
    olho.normaliza();
    return olho;
}

Cor ilumina(const Ponto& p, const Vetor& n, const Material& material, const Cena& cena) {
    const Vetor olho = para_o_olho(p);
    // The normal used always faces the eye; the reversal is for this evaluation only.
    if (olho.produto_escalar(n) >= 0)
        return ilumina_lado(p, olho, n, material.Od2, material.Os2, material, cena);
    Vetor invertida(n);
    invertida.inverte();
    return ilumina_lado(p, olho, invertida, material.Od1, material.Os1, material, cena);
}

Cor ilumina_phong(const Ponto& p, const Vetor& n, const Cor& OdAtual, const Cor& OsAtual,
                  const Material& material, const Cena& cena) {
    return ilumina_lado(p, para_o_olho(p), n, OdAtual, OsAtual, material, cena);
}

} // namespace quindra
