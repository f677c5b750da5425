#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "apoio/pasta_temporaria.hpp"
#include "apoio/plataforma_falsa.hpp"
#include "app/janela.hpp"

namespace quindra {
namespace {

using Comando = void (Janela::*)();
const Comando ANTERIOR = &Janela::FontePrevia_buttonClick;
const Comando POSTERIOR = &Janela::FontePosterior_buttonClick;
const Comando ADICIONA = &Janela::AdicionarFonte_buttonClick;
const Comando REMOVE = &Janela::RemoverFonte_buttonClick;

// Light k of the test scenes is "k k k" at "-k -k -k"; 0 stands for a new light.
TextosDasFontes fonte(int k) {
    if (k == 0) return {"255", "255", "255", "0", "0", "0"};
    const std::string i = std::to_string(k), p = "-" + i;
    return {i, i, i, p, p, p};
}

TextosDasFontes fontes(const std::vector<int>& numeros) {
    TextosDasFontes lista;
    for (int k : numeros) {
        const TextosDasFontes textos = fonte(k);
        lista.insert(lista.end(), textos.begin(), textos.end());
    }
    return lista;
}

TextosDasFontes campos(const Janela& j) {
    return {j.IlRed_edit.texto, j.IlGreen_edit.texto, j.IlBlue_edit.texto,
            j.Plx_edit.texto,   j.Ply_edit.texto,     j.Plz_edit.texto};
}

// A window whose cena.txt holds lights 1 to n, showing light `atual`.
struct Editor {
    teste::PastaTemporaria pasta;
    teste::PlataformaFalsa plataforma;
    std::optional<Janela> janela;

    Editor(int n, int atual) {
        std::string cena = "255 255 255 0.5 " + std::to_string(n);
        for (int k = 1; k <= n; ++k) {
            for (const std::string& texto : fonte(k)) cena += " " + texto;
        }
        pasta.escreve("cena.txt", cena);
        janela.emplace(plataforma, pasta.caminho(), Persistencia::so_le);
        for (int k = 1; k < atual; ++k) janela->FontePosterior_buttonClick();
    }
};

TEST(EditorDeFontes, Comandos) {
    const struct {
        int n, atual;
        Comando comando;
        std::vector<int> depois;
        int mostrada;
    } casos[] = {
        {3, 2, ADICIONA, {1, 2, 0, 3}, 3}, {3, 3, ADICIONA, {1, 2, 3, 0}, 4},
        {3, 3, REMOVE, {1, 2}, 2},         {3, 1, REMOVE, {2, 3}, 1},
        {3, 2, REMOVE, {1, 3}, 2},         {1, 1, REMOVE, {1}, 1},
        {3, 1, ANTERIOR, {1, 2, 3}, 1},    {3, 3, POSTERIOR, {1, 2, 3}, 3},
        {3, 2, ANTERIOR, {1, 2, 3}, 1},    {3, 2, POSTERIOR, {1, 2, 3}, 3},
    };
    for (const auto& caso : casos) {
        Editor editor(caso.n, caso.atual);
        Janela& janela = *editor.janela;
        (janela.*caso.comando)();
        const std::string nome = std::to_string(caso.n) + " " + std::to_string(caso.atual);
        EXPECT_EQ(janela.sessao.sistema.ListaDeFontes, fontes(caso.depois)) << nome;
        EXPECT_EQ(janela.sessao.sistema.FonteAtual, caso.mostrada) << nome;
        EXPECT_EQ(campos(janela), fonte(caso.depois[caso.mostrada - 1])) << nome;
        EXPECT_EQ(janela.FontesDeLuz_groupbox.legenda,
                  "Parâmetros da Fonte de Luz de Número " + std::to_string(caso.mostrada));
    }
}

TEST(EditorDeFontes, TextoDigitado) {
    Editor ida_e_volta(3, 1);
    ida_e_volta.janela->IlRed_edit.texto = "7,5";
    ida_e_volta.janela->FontePosterior_buttonClick();
    ida_e_volta.janela->FontePrevia_buttonClick();
    EXPECT_EQ(ida_e_volta.janela->IlRed_edit.texto, "7,5");

    // Commands that cannot apply store nothing.
    Editor na_primeira(3, 1);
    na_primeira.janela->IlRed_edit.texto = "7";
    na_primeira.janela->FontePrevia_buttonClick();
    EXPECT_EQ(na_primeira.janela->sessao.sistema.ListaDeFontes, fontes({1, 2, 3}));
    EXPECT_EQ(na_primeira.janela->IlRed_edit.texto, "7");

    Editor removida(3, 2);
    removida.janela->IlRed_edit.texto = "7";
    removida.janela->RemoverFonte_buttonClick();
    removida.janela->FontePrevia_buttonClick();
    EXPECT_EQ(removida.janela->sessao.sistema.ListaDeFontes, fontes({1, 3}));
}

} // namespace
} // namespace quindra
