#pragma once
// Splits a resource script into tokens, each with its line.

#include <string>
#include <string_view>
#include <vector>

namespace platform::script {

enum class TokenKind { Word, Number, String, OpenBrace, CloseBrace, Comma, End };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;  // a word as written, a string's UTF-8 content with escapes resolved
  int number = 0;
  int line = 0;
};

// The tokens, ending with an End token; false with the line and a reason on a lexical error.
bool Tokenize(std::string_view source, std::vector<Token>& tokens, int& errorLine, std::string& error);

} // namespace platform::script
