#include "platform/resources/ScriptLexer.h"

#include <cctype>
#include <cstdint>

namespace platform::script {
namespace {

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)); }

class Lexer {
public:
  explicit Lexer(std::string_view source) : s_(source) {}

  bool Run(std::vector<Token>& tokens, int& errorLine, std::string& error) {
    while (true) {
      SkipBlanksAndComments();
      Token token;
      token.line = line_;
      if (pos_ == s_.size()) {
        tokens.push_back(token);
        return true;
      }
      if (!Next(token)) {
        errorLine = line_;
        error = error_;
        return false;
      }
      tokens.push_back(std::move(token));
    }
  }

private:
  void SkipBlanksAndComments() {
    while (pos_ < s_.size()) {
      char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
        ++pos_;
      } else if (s_.substr(pos_, 2) == "//") {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
      } else {
        return;
      }
    }
  }

  bool Next(Token& token) {
    char c = s_[pos_];
    if (c == '{' || c == '}' || c == ',') {
      token.kind = c == '{' ? TokenKind::OpenBrace : c == '}' ? TokenKind::CloseBrace : TokenKind::Comma;
      token.text = c;
      ++pos_;
      return true;
    }
    if (c == '"') return String(token);
    if (IsDigit(c) || (c == '-' && pos_ + 1 < s_.size() && IsDigit(s_[pos_ + 1]))) return Number(token);
    if (IsWordStart(c)) {
      std::size_t start = pos_;
      while (pos_ < s_.size() && IsWordChar(s_[pos_])) ++pos_;
      token.kind = TokenKind::Word;
      token.text = s_.substr(start, pos_ - start);
      return true;
    }
    return Fail(std::string("unexpected character '") + c + "'");
  }

  bool Number(Token& token) {
    bool negative = s_[pos_] == '-';
    if (negative) ++pos_;
    int base = 10;
    if (s_.substr(pos_, 2) == "0x" || s_.substr(pos_, 2) == "0X") {
      base = 16;
      pos_ += 2;
    }
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (; pos_ < s_.size() && IsWordChar(s_[pos_]); ++pos_, ++digits) {
      char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s_[pos_])));
      int digit = IsDigit(c) ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : 99;
      if (digit >= base) return Fail("malformed number");
      value = value * base + digit;
      if (value > 0x80000000LL) return Fail("number out of range");
    }
    if (digits == 0) return Fail("malformed number");
    if (negative) value = -value;
    if (value > 0x7FFFFFFF) return Fail("number out of range");
    token.kind = TokenKind::Number;
    token.number = static_cast<int>(value);
    return true;
  }

  bool String(Token& token) {
    ++pos_;
    token.kind = TokenKind::String;
    while (true) {
      if (pos_ == s_.size() || s_[pos_] == '\n') return Fail("unterminated string");
      char c = s_[pos_++];
      if (c == '"') return true;
      if (c != '\\') {
        token.text += c;
        continue;
      }
      if (pos_ == s_.size() || s_[pos_] == '\n') return Fail("unterminated string");
      switch (char e = s_[pos_++]) {
      case 'n': token.text += '\n'; break;
      case 't': token.text += '\t'; break;
      case 'r': token.text += '\r'; break;
      case '"': token.text += '"'; break;
      case '\\': token.text += '\\'; break;
      default: return Fail(std::string("unknown escape '\\") + e + "'");
      }
    }
  }

  bool Fail(std::string message) {
    error_ = std::move(message);
    return false;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  int line_ = 1;
  std::string error_;
};

} // namespace

bool Tokenize(std::string_view source, std::vector<Token>& tokens, int& errorLine, std::string& error) {
  return Lexer(source).Run(tokens, errorLine, error);
}

} // namespace platform::script
