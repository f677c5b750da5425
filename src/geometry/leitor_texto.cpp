#include "geometry/leitor_texto.hpp"

#include <algorithm>

#include "geometry/numero_texto.hpp"

namespace quindra {

namespace {
constexpr std::size_t TAMANHO_BLOCO = 1 << 18;
constexpr int FIM_DE_TEXTO = 26;
} // namespace

LeitorTexto::LeitorTexto(const std::filesystem::path& caminho) {
    std::error_code erro;
    // Only regular files: a device such as /dev/zero would otherwise never end.
    if (!std::filesystem::is_regular_file(caminho, erro)) return;
    tamanho_ = std::filesystem::file_size(caminho, erro);
    if (erro) return;
    arquivo_.reset(std::fopen(caminho.c_str(), "rb"));
    if (arquivo_) buffer_.resize(TAMANHO_BLOCO);
}

bool LeitorTexto::recarrega() {
    if (terminou_ || !arquivo_) return false;
    ocupados_ = std::fread(buffer_.data(), 1, buffer_.size(), arquivo_.get());
    posicao_ = 0;
    if (ocupados_ == 0) terminou_ = true;
    return ocupados_ > 0;
}

int LeitorTexto::espia() {
    if (posicao_ == ocupados_ && !recarrega()) return FIM;
    const auto c = static_cast<unsigned char>(buffer_[posicao_]);
    if (c == FIM_DE_TEXTO) {
        terminou_ = true;
        posicao_ = ocupados_ = 0;
        return FIM;
    }
    return c;
}

bool LeitorTexto::le_token(std::size_t limite, std::string_view& token) {
    int c = espia();
    while (c != FIM && c <= ' ') {
        ++posicao_;
        c = espia();
    }
    std::size_t comprimento = 0;
    while (c != FIM && c > ' ') {
        if (comprimento == limite) return false;
        token_[comprimento++] = static_cast<char>(c);
        ++posicao_;
        c = espia();
    }
    token = std::string_view(token_, comprimento);
    return true;
}

template <typename Numero>
bool LeitorTexto::le_numero(std::size_t limite, Numero& valor,
                            bool (*converte)(std::string_view, Numero&)) {
    std::string_view token;
    if (!falhou_ && le_token(limite, token)) {
        valor = 0;
        if (token.empty() || converte(token, valor)) return true;
    }
    valor = 0;
    falhou_ = true;
    return false;
}

std::string_view LeitorTexto::resto() {
    resto_.assign(buffer_.data() + posicao_, ocupados_ - posicao_);
    if (arquivo_ && !terminou_) {
        // The size is only a hint: the file may have grown or shrunk since it was opened.
        std::size_t lidos = resto_.size();
        resto_.resize(std::max<std::size_t>(lidos + 1, tamanho_));
        while (true) {
            lidos += std::fread(resto_.data() + lidos, 1, resto_.size() - lidos, arquivo_.get());
            if (lidos < resto_.size()) break;
            resto_.resize(2 * resto_.size());
        }
        resto_.resize(lidos);
    }
    terminou_ = true;
    posicao_ = ocupados_ = 0;
    if (const std::size_t fim = resto_.find(static_cast<char>(FIM_DE_TEXTO));
        fim != std::string::npos)
        resto_.resize(fim);
    return resto_;
}

bool LeitorTexto::le_inteiro(int& valor) {
    return le_numero(LIMITE_INTEIRO, valor, le_inteiro_decimal);
}

bool LeitorTexto::le_real(double& valor) { return le_numero(LIMITE_REAL, valor, le_real_decimal); }

} // namespace quindra
