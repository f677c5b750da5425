// Loading the object and the texture, drawing and saving the frame.
#include "app/sessao.hpp"

#include <utility>

#include "geometry/instrumental_basico.hpp"
#include "imagens/imagem_arquivo.hpp"
#include "malhas/formatos.hpp"
#include "render/profundidade_visivel.hpp"

namespace quindra {

namespace {

void simplesmente_executa(const std::function<void()>& desenho, const ProgressoDesenho&) {
    desenho();
}

} // namespace

Sessao::Sessao(AcompanhaDesenho acompanha)
    : acompanha_(acompanha ? std::move(acompanha) : simplesmente_executa) {
    cria_tela(sistema.Tela, sistema.Textura);
}

std::string Sessao::carrega_objeto(const std::string& arquivo) {
    sistema.malha.FatorDilatacaoZ = 1.0;
    std::string mensagem = carrega_malha(sistema.malha, arquivo);
    if (mensagem_de_sucesso(mensagem)) {
        sistema.raios.descarta();
        sistema.vista.descarta();
    }
    return mensagem;
}

std::optional<std::string> Sessao::carrega_textura(const std::string& arquivo) {
    std::string erro;
    auto imagem = carrega_imagem(arquivo, erro);
    if (!imagem) return erro;
    sistema.Textura = std::move(*imagem);
    return std::nullopt;
}

std::optional<std::string> Sessao::salva(const Bitmap& imagem, const std::string& arquivo) {
    std::string erro;
    if (!salva_tela(imagem, arquivo, erro)) return erro;
    return std::nullopt;
}

std::optional<std::string> Sessao::salva_quadro(const std::string& arquivo) const {
    return salva(*sistema.Tela, arquivo);
}

std::optional<std::string> Sessao::salva_profundidade(const std::string& arquivo) const {
    const auto imagem = profundidade();
    if (!imagem) return "O último desenho não usou z-buffer.";
    return salva(*imagem, arquivo);
}

std::string Sessao::anota(std::string mensagem, std::string_view texto) {
    if (!mensagem_de_sucesso(mensagem)) recusa_ = Recusa{mensagem, texto};
    return mensagem;
}

std::string Sessao::le_iluminacao(const Parametros& parametros) {
    std::string_view recusado;
    std::string mensagem =
        le_atributos_objeto(sistema.material, parametros.textos_material(), &recusado);
    if (!mensagem_de_sucesso(mensagem)) return anota(mensagem, recusado);
    mensagem = le_ambiente(sistema.cena, parametros.textos_ambiente(), &recusado);
    if (!mensagem_de_sucesso(mensagem)) return anota(mensagem, recusado);
    return anota(le_fontes(sistema.cena, sistema.ListaDeFontes, &recusado), recusado);
}

std::optional<std::string> Sessao::le_fator_dilatacao(const Parametros& parametros) {
    bool erro = false;
    const double fator = converte_real(parametros.FatorDilZ.texto, erro);
    if (erro) return anota("Fator de Dilatação em formato inválido.", parametros.FatorDilZ.texto);
    sistema.malha.FatorDilatacaoZ = fator;
    return std::nullopt;
}

std::optional<std::string> Sessao::le_parametros(std::optional<Algoritmo> algoritmo,
                                                 const Parametros& parametros) {
    if (auto falha = le_fator_dilatacao(parametros)) return falha;
    Malha& malha = sistema.malha;
    // Drawing without an object (the rotate-and-draw command can ask for it) draws nothing.
    if (!algoritmo || malha.NumTriangulos() == 0) return std::nullopt;
    const DescricaoAlgoritmo& escolha = descricao(*algoritmo);
    if (escolha.textura && !sistema.TexturaCarregada()) return "Não há textura carregada.";
    std::string mensagem = le_camera(parametros);
    if (!mensagem_de_sucesso(mensagem)) return mensagem;
    if (escolha.iluminacao) {
        mensagem = le_iluminacao(parametros);
        if (!mensagem_de_sucesso(mensagem)) return mensagem;
    }
    if (escolha.textura) {
        bool sem_primeira = false, sem_ultima = false;
        const int primeira = converte_inteiro(parametros.tFacei_edit.texto, sem_primeira);
        const int ultima = converte_inteiro(parametros.tFacef_edit.texto, sem_ultima);
        sistema.faixa_textura = {sem_primeira ? 1 : primeira,
                                 sem_ultima ? malha.NumTriangulos() : ultima};
    }
    return mensagem;
}

std::optional<std::string> Sessao::desenha(std::optional<Algoritmo> algoritmo,
                                           const Parametros& parametros,
                                           std::optional<std::size_t> ate) {
    const auto mensagem = le_parametros(algoritmo, parametros);
    if (mensagem && mensagem_de_sucesso(*mensagem)) desenha_quadro(*algoritmo, ate);
    return mensagem;
}

std::optional<Bitmap> Sessao::profundidade() const {
    if (!com_profundidade_ || !sistema.ProfundidadeAtual) return std::nullopt;
    return imagem_da_profundidade(*sistema.ProfundidadeAtual);
}

Desenho Sessao::desenho(Algoritmo algoritmo, Bitmap& tela, std::optional<ZBuffer>& profundidade) {
    Desenho desenho{tela,
                    sistema.malha,
                    sistema.vista,
                    *sistema.CameraAtual,
                    sistema.material,
                    sistema.cena,
                    profundidade,
                    sistema.projecao_textura};
    if (descricao(algoritmo).textura) desenho.textura = &*sistema.Textura;
    desenho.faixa = sistema.faixa_textura;
    desenho.modo = {sistema.ModoTetraedro, &sistema.TabelaTetraedros};
    desenho.raios = &sistema.raios;
    // Only the ray tracer counts its rows and stops when asked; a cancelled one leaves the frame.
    desenho.acompanhamento = {&cancelar_desenho_, &linhas_prontas_};
    return desenho;
}

void Sessao::desenha_quadro(Algoritmo algoritmo, std::optional<std::size_t> ate) {
    Desenho desenho = this->desenho(algoritmo, *sistema.Tela, sistema.ProfundidadeAtual);
    desenho.ate = ate;
    linhas_prontas_ = 0;
    cancelar_desenho_ = false;
    const int linhas = algoritmo == Algoritmo::RayTracing ? LINHAS_TRACADAS : 0;
    acompanha_([&] { quindra::desenha(algoritmo, desenho); },
               {&linhas_prontas_, linhas, &cancelar_desenho_, "Traçando os raios..."});
    // A cancelled ray-traced draw leaves the last frame, and the depths that go with it.
    if (algoritmo != Algoritmo::RayTracing || !cancelar_desenho_)
        com_profundidade_ = descricao(algoritmo).deixa_profundidade();
}

} // namespace quindra
