#include "render/iluminacao.hpp"

#include <algorithm>
#include <cmath>

namespace quindra {

namespace {

// The model once the side is known; olho is para_o_olho(p), computed once by the caller.
Cor ilumina_lado(const Ponto& p, const Vetor& olho, const Vetor& normal, const Refletancias& lado,
                 const Material& material, const Cena& cena) {
    const Cor &difusa = lado.difusa, &especular = lado.especular;
    Cor intensidade(lado.ambiente);
    Cor soma_difusa, soma_especular, termo;
    Vetor luz, reflexo;
    for (std::size_t k = 0; k < cena.Il.size() && k < cena.Pl.size(); ++k) {
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

Cor pondera_difusa(const Cor& Od, const Material& material) {
    Cor difusa(Od);
    difusa.multiplica(material.Kd);
    difusa.normaliza();
    return difusa;
}

Refletancias refletancias(const Cor& Od, const Cor& Os, const Material& material,
                          const Cena& cena) {
    Refletancias lado{pondera_difusa(Od, material), Os, cena.Ia};
    lado.especular.multiplica(material.Ks);
    lado.especular.normaliza();
    lado.ambiente.multiplica(cena.Ka);
    return lado;
}

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
        return ilumina_lado(p, olho, n, refletancias(material.Od2, material.Os2, material, cena),
                            material, cena);
    Vetor invertida(n);
    invertida.inverte();
    return ilumina_lado(p, olho, invertida,
                        refletancias(material.Od1, material.Os1, material, cena), material, cena);
}

Cor ilumina_phong(const Ponto& p, const Vetor& n, const Refletancias& lado,
                  const Material& material, const Cena& cena) {
    return ilumina_lado(p, para_o_olho(p), n, lado, material, cena);
}

} // namespace quindra
