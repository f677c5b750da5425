#include "geometry/leitor_texto.hpp"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "geometry/numero_texto.hpp"

namespace quindra {

namespace {
constexpr std::size_t TAMANHO_BLOCO = 1 << 18;
constexpr int FIM_DE_TEXTO = 26;
} // namespace

LeitorTexto::LeitorTexto(const std::filesystem::path& caminho) {
    // The type is checked on the open descriptor, not on the name, so that nothing swapped in
    // between can slip through; O_NONBLOCK keeps a FIFO from waiting for a writer meanwhile.
    const int descritor = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descritor < 0) {
        abertura_ = errno == ENOENT || errno == ENOTDIR ? Abertura::ausente : Abertura::ilegivel;
        return;
    }
    abertura_ = Abertura::ilegivel;
    struct stat estado {};
    // Only regular files: a device such as /dev/zero would otherwise never end.
    if (::fstat(descritor, &estado) != 0 || !S_ISREG(estado.st_mode)) {
        ::close(descritor);
        return;
    }
    arquivo_.reset(::fdopen(descritor, "rb"));
    if (!arquivo_) {
        ::close(descritor);
        return;
    }
    abertura_ = Abertura::aberto;
    tamanho_ = static_cast<std::uintmax_t>(estado.st_size);
    buffer_.resize(TAMANHO_BLOCO);
}

LeitorTexto LeitorTexto::em_memoria(std::string_view bytes) {
    LeitorTexto leitor;
    leitor.abertura_ = Abertura::aberto;
    leitor.tamanho_ = bytes.size();
    leitor.bloco_ = bytes;
    return leitor;
}

bool LeitorTexto::recarrega() {
    if (terminou_ || !arquivo_) return false;
    const std::size_t lidos = std::fread(buffer_.data(), 1, buffer_.size(), arquivo_.get());
    bloco_ = std::string_view(buffer_.data(), lidos);
    posicao_ = 0;
    if (lidos == 0) terminou_ = true;
    return lidos > 0;
}

int LeitorTexto::espia() {
    if (posicao_ == bloco_.size() && !recarrega()) return FIM;
    const auto c = static_cast<unsigned char>(bloco_[posicao_]);
    if (c == FIM_DE_TEXTO) {
        terminou_ = true;
        bloco_ = {};
        posicao_ = 0;
        return FIM;
    }
    return c;
}

void LeitorTexto::pula_separadores() {
    for (int c = espia(); c != FIM && c <= ' '; c = espia()) ++posicao_;
}

bool LeitorTexto::fim_apos_separadores() {
    pula_separadores();
    return fim();
}

bool LeitorTexto::le_token(std::size_t limite, std::string_view& token) {
    pula_separadores();
    std::size_t comprimento = 0;
    for (int c = espia(); c != FIM && c > ' '; c = espia()) {
        if (comprimento == limite) return false;
        token_[comprimento++] = static_cast<char>(c);
        ++posicao_;
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
    resto_.assign(bloco_.substr(posicao_));
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
    bloco_ = {};
    posicao_ = 0;
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
