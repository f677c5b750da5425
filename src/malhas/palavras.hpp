// Words and lines of a text held in memory, for the text mesh formats: every character of code
// 32 or below separates words, and "\n" ends a line (a "\r" before it is one more separator).
#pragma once

#include <cstddef>
#include <string_view>

namespace quindra {

class Palavras {
public:
    explicit Palavras(std::string_view texto) : texto_(texto) {}

    /// The next word, or an empty one when only separators are left.
    std::string_view proxima();
    /// The rest of the current line without its line break, which is passed over.
    std::string_view linha();
    /// True once the whole text has been passed over.
    bool fim() const { return posicao_ == texto_.size(); }
    /// How many characters have been passed over.
    std::size_t posicao() const { return posicao_; }

private:
    std::string_view texto_;
    std::size_t posicao_ = 0;
};

/// Whether two words are equal when ASCII letters are compared without case.
bool mesma_palavra(std::string_view a, std::string_view b);

} // namespace quindra
