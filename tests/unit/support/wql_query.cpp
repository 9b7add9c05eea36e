#include "support/wql_query.h"

#include <cctype>

#include "support/ascii.h"

namespace hv::test {

namespace {

struct Token {
  enum Kind { Word, Number, Text, Symbol, End } kind = End;
  std::string text;
};

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

class Lexer {
 public:
  explicit Lexer(const std::string& s) : s_(s) {}

  std::optional<Token> Next() {
    while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
    if (i_ == s_.size()) return Token{Token::End, ""};
    const char c = s_[i_];
    if (c == '\'' || c == '"') return Quoted(c);
    if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) return Run(Token::Number);
    if (IsWordChar(c)) return Run(Token::Word);
    if (c == ',' || c == '*' || c == '=') return Token{Token::Symbol, std::string(1, s_[i_++])};
    return std::nullopt;
  }

 private:
  // WQL escapes a quote or a backslash inside a text with a backslash.
  std::optional<Token> Quoted(char quote) {
    Token t{Token::Text, ""};
    for (std::size_t j = i_ + 1; j < s_.size(); ++j) {
      if (s_[j] == quote) {
        i_ = j + 1;
        return t;
      }
      if (s_[j] == '\\' && ++j == s_.size()) break;
      t.text += s_[j];
    }
    return std::nullopt;
  }
  Token Run(Token::Kind kind) {
    const std::size_t start = i_++;
    while (i_ < s_.size() && (IsWordChar(s_[i_]) || (kind == Token::Number && s_[i_] == '.'))) ++i_;
    return Token{kind, s_.substr(start, i_ - start)};
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

std::optional<std::vector<Token>> Tokenize(const std::string& wql) {
  Lexer lexer(wql);
  std::vector<Token> tokens;
  while (true) {
    auto t = lexer.Next();
    if (!t) return std::nullopt;
    tokens.push_back(*t);
    if (t->kind == Token::End) return tokens;
  }
}

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : t_(std::move(tokens)) {}

  std::optional<WqlQuery> Query() {
    WqlQuery q;
    if (!Keyword("select") || !SelectList(q) || !Keyword("from")) return std::nullopt;
    if (Peek().kind != Token::Word) return std::nullopt;
    q.className = t_[i_++].text;
    if (Keyword("where")) {
      do {
        if (!Condition(q)) return std::nullopt;
      } while (Keyword("and"));
    }
    if (Peek().kind != Token::End) return std::nullopt;
    return q;
  }

 private:
  const Token& Peek() const { return t_[i_]; }
  bool Keyword(const char* word) {
    if (Peek().kind != Token::Word || !EqualsNoCase(Peek().text, word)) return false;
    ++i_;
    return true;
  }
  bool Symbol(char c) {
    if (Peek().kind != Token::Symbol || Peek().text[0] != c) return false;
    ++i_;
    return true;
  }
  bool SelectList(WqlQuery& q) {
    if (Symbol('*')) return q.allProperties = true;
    do {
      if (Peek().kind != Token::Word || EqualsNoCase(Peek().text, "from")) return false;
      q.properties.push_back(t_[i_++].text);
    } while (Symbol(','));
    return true;
  }
  bool Condition(WqlQuery& q) {
    if (Peek().kind != Token::Word) return false;
    WqlQuery::Condition c{t_[i_++].text, {}};
    if (!Symbol('=')) return false;
    const Token& literal = Peek();
    if (literal.kind == Token::End) return false;
    ++i_;
    if (literal.kind == Token::Text) {
      c.value = platform::Variant(literal.text);
    } else if (literal.kind == Token::Number) {
      auto d = platform::CDbl(platform::Variant(literal.text));
      if (!d) return false;
      c.value = platform::Variant(*d);
    } else {
      return false;
    }
    q.where.push_back(std::move(c));
    return true;
  }

  std::vector<Token> t_;
  std::size_t i_ = 0;
};

}  // namespace

std::optional<WqlQuery> ParseWql(const std::string& wql) {
  auto tokens = Tokenize(wql);
  if (!tokens) return std::nullopt;
  return Parser(std::move(*tokens)).Query();
}

bool WqlEquals(const platform::Variant& value, const platform::Variant& literal) {
  if (value.IsNull() || value.AsArray()) return false;
  if (const auto* text = literal.AsString()) {
    auto s = platform::CStr(value);
    return s && EqualsNoCase(*s, *text);
  }
  const auto a = platform::CDbl(value);
  const auto b = platform::CDbl(literal);
  return a && b && *a == *b;
}

}  // namespace hv::test
