// A platform for driving the window in tests: dialogs answer from queues, reports are kept.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/plataforma.hpp"

namespace quindra::teste {

class PlataformaFalsa : public Plataforma {
public:
    /// What the next file dialogs answer, in order; none means the user cancels.
    std::deque<std::optional<std::string>> arquivos_para_abrir;
    std::deque<std::optional<std::string>> arquivos_para_salvar;
    /// Every general error report and every typing error, in order.
    std::vector<std::string> erros;
    std::vector<std::string> erros_de_digitacao;
    /// The titles of the dialogs shown, in order.
    std::vector<std::string> dialogos;

    std::optional<std::string> escolhe_arquivo_para_abrir(const DialogoArquivo& dialogo) override {
        dialogos.push_back(dialogo.titulo);
        return proximo(arquivos_para_abrir);
    }
    std::optional<std::string> escolhe_arquivo_para_salvar(const DialogoArquivo& dialogo) override {
        dialogos.push_back(dialogo.titulo);
        return proximo(arquivos_para_salvar);
    }
    void relata_erro(const std::string& mensagem) override { erros.push_back(mensagem); }
    /// What the next questions after a failed write at close answer, in order; when none is
    /// left, the failure is reported and the window closes, as where nobody can be asked.
    std::deque<RespostaFalhaAoGravar> respostas_a_falha;
    std::vector<std::string> perguntas;
    RespostaFalhaAoGravar pergunta_apos_falha_ao_gravar(const std::string& mensagem) override {
        perguntas.push_back(mensagem);
        if (respostas_a_falha.empty()) return Plataforma::pergunta_apos_falha_ao_gravar(mensagem);
        const RespostaFalhaAoGravar resposta = respostas_a_falha.front();
        respostas_a_falha.pop_front();
        return resposta;
    }
    void relata_erro_de_digitacao(const std::string&, const std::string& mensagem) override {
        erros_de_digitacao.push_back(mensagem);
    }
    /// Every field a refusal pointed at, with its message, in order.
    std::vector<std::pair<std::string, std::string>> campos_apontados;
    void aponta_campo(const std::string& campo, const std::string& mensagem) override {
        campos_apontados.emplace_back(campo, mensagem);
    }
    /// Every draw's row count; with cancela_desenhos, each is cancelled before it starts, as
    /// Esc on the progress would.
    std::vector<int> linhas_dos_desenhos;
    bool cancela_desenhos = false;
    void acompanha_desenho(const std::function<void()>& desenho,
                           const ProgressoDesenho& progresso) override {
        linhas_dos_desenhos.push_back(progresso.total);
        if (cancela_desenhos) *progresso.cancelar = true;
        desenho();
    }

private:
    static std::optional<std::string> proximo(std::deque<std::optional<std::string>>& fila) {
        if (fila.empty()) return std::nullopt;
        auto resposta = fila.front();
        fila.pop_front();
        return resposta;
    }
};

} // namespace quindra::teste
