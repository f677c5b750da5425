// Every algorithm side by side: the scene drawn with each choice in turn, into a sheet.
#include <charconv>
#include <chrono>

#include "app/sessao.hpp"
#include "geometry/numero_texto.hpp"

namespace quindra {

namespace {

// "0,4 ms", "12 ms": a tenth of a millisecond while that still tells draws apart.
std::string milissegundos(std::chrono::duration<double, std::milli> duracao) {
    const double ms = duracao.count();
    char texto[32];
    const auto fim =
        std::to_chars(texto, texto + sizeof texto, ms, std::chars_format::fixed, ms < 10 ? 1 : 0);
    std::string numero(texto, fim.ptr);
    if (const auto ponto = numero.find('.'); ponto != std::string::npos) numero[ponto] = ',';
    return numero + " ms";
}

} // namespace

bool Sessao::compara(const Parametros& parametros) {
    if (sistema.malha.NumTriangulos() == 0) return false;
    std::vector<CelulaFolha> celulas;
    algoritmos_prontos_ = 0;
    cancelar_desenho_ = false;
    const auto compara_todos = [&] {
        // The frames follow one another as successive Draws would, from the current frame: a
        // wireframe takes the pen the Draw before it left.
        Bitmap quadro = *sistema.Tela;
        std::optional<ZBuffer> profundidade;
        for (const DescricaoAlgoritmo& a : ALGORITMOS) {
            if (cancelar_desenho_) return;
            CelulaFolha& celula = celulas.emplace_back();
            celula.legenda.emplace_back(sem_brancos(a.nome));
            const auto mensagem = le_parametros(a.algoritmo, parametros);
            if (mensagem && mensagem_de_sucesso(*mensagem)) {
                Desenho d = desenho(a.algoritmo, quadro, profundidade);
                const auto inicio = std::chrono::steady_clock::now();
                quindra::desenha(a.algoritmo, d);
                celula.legenda.push_back(milissegundos(std::chrono::steady_clock::now() - inicio));
                celula.quadro = quadro;
            } else {
                celula.mensagem = mensagem.value_or("");
            }
            ++algoritmos_prontos_;
        }
    };
    acompanha_(compara_todos, {&algoritmos_prontos_, static_cast<int>(ALGORITMOS.size()),
                               &cancelar_desenho_, "Desenhando com cada algoritmo..."});
    if (cancelar_desenho_) return false;
    comparacao_ = std::move(celulas);
    return true;
}

Folha Sessao::folha(int lado) const { return compoe_folha(comparacao_, COLUNAS_FOLHA, lado); }

std::optional<std::string> Sessao::salva_folha(const std::string& arquivo) const {
    if (comparacao_.empty()) return "Nenhuma comparação foi desenhada.";
    return salva(folha(LADO_TELA).imagem, arquivo);
}

} // namespace quindra
