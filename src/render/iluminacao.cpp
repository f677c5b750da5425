#include "render/iluminacao.hpp"

#include <algorithm>
#include <cmath>

namespace quindra {

Cor ilumina(const Ponto& p, const Vetor& n, const Material& material, const Cena& cena) {
    Vetor olho; // from p towards the eye
    olho.copia_ponto(p);
    olho.inverte();
    olho.normaliza();

    // The normal used always faces the eye; the reversal is for this evaluation only.
    const bool lado2 = olho.produto_escalar(n) >= 0;
    Vetor normal(n);
    if (!lado2) normal.inverte();
    Cor difusa(lado2 ? material.Od2 : material.Od1);
    Cor especular(lado2 ? material.Os2 : material.Os1);
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

} // namespace quindra
