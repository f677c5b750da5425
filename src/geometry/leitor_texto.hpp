// Reads whitespace-separated numbers from a text file the way the object and configuration
// files expect: every character of code 32 or below separates, code 26 ends the file, and a
// number asked for at the end of the file reads as 0 without error.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quindra {

/// Why a file did or did not open.
enum class Abertura { aberto, ausente, ilegivel };

class LeitorTexto {
public:
    /// The longest tokens a whole and a real number may be.
    static constexpr std::size_t LIMITE_INTEIRO = 32;
    static constexpr std::size_t LIMITE_REAL = 64;

    /// Opens a regular file; anything else (missing, a folder, a device, a FIFO) is not opened,
    /// and nothing waits on it.
    explicit LeitorTexto(const std::filesystem::path& caminho);
    /// Reads the bytes in place, as if they were a file's; they must outlive the reader.
    static LeitorTexto em_memoria(std::string_view bytes);

    bool aberto() const { return abertura_ == Abertura::aberto; }
    /// Opened, missing (no such file), or there but not readable as a regular file.
    Abertura abertura() const { return abertura_; }
    /// Size of the file in bytes: a bound on how many numbers it can hold.
    std::uintmax_t tamanho() const { return tamanho_; }

    /// Next whole number (at most 32 characters). False on a malformed token; once a read has
    /// failed every later read fails too, as the I/O result of a text file stays set.
    bool le_inteiro(int& valor);
    /// Next real number (at most 64 characters), with the same failure rules.
    bool le_real(double& valor);
    /// True when no character is left before the end of the file.
    bool fim() { return espia() == FIM; }
    /// True when nothing but separators is left: the next number would read as 0.
    bool fim_apos_separadores();
    /// True once any read has failed.
    bool falhou() const { return falhou_; }
    /// Everything not read yet, up to the end of the file or a character of code 26, in
    /// memory for readers that split it among threads. Nothing is left to read after it; the
    /// text lives as long as the reader.
    std::string_view resto();

private:
    static constexpr int FIM = -1;

    LeitorTexto() = default;
    int espia();
    bool recarrega();
    void pula_separadores();
    // The next token into token_, skipping separators; empty at the end of the file.
    // False when the token is longer than limite.
    bool le_token(std::size_t limite, std::string_view& token);
    template <typename Numero>
    bool le_numero(std::size_t limite, Numero& valor, bool (*converte)(std::string_view, Numero&));

    struct FechaArquivo {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, FechaArquivo> arquivo_;
    Abertura abertura_ = Abertura::ausente;
    std::uintmax_t tamanho_ = 0;
    std::vector<char> buffer_;
    std::string_view bloco_; // the bytes at hand: the last block read, or all of memory
    std::size_t posicao_ = 0;
    bool terminou_ = false, falhou_ = false;
    char token_[LIMITE_REAL + 1];
    std::string resto_;
};

} // namespace quindra
