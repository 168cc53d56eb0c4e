// Reading resource statements from the token stream: expectations with messages that name
// what was expected and what was found, and the integer and style expressions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "token.h"

namespace heatwise::rc {

// An integer expression's value, and whether any of its numbers had an L suffix (which makes
// a 32-bit item in a data block).
struct IntegerValue {
    std::int64_t value = 0;
    bool is_long = false;
};

// A style as written: the bits it names and the bits it takes away with NOT.
struct StyleBits {
    std::uint32_t set = 0;
    std::uint32_t cleared = 0;

    // The style combined with the defaults of the statement it belongs to.
    std::uint32_t With(std::uint32_t defaults) const { return (set | defaults) & ~cleared; }
};

class TokenCursor {
  public:
    // `tokens` must end with a kEnd token.
    explicit TokenCursor(std::vector<Token> tokens);

    const Token& Peek(std::size_t ahead = 0) const;
    const Token& Next();
    bool AtEnd() const { return Peek().kind == TokenKind::kEnd; }

    // Keywords match without regard to letter case, as in the other platform's scripts.
    bool AtKeyword(std::string_view keyword) const;
    bool AtPunctuator(std::string_view punctuator) const;
    bool TakeKeyword(std::string_view keyword);
    bool TakePunctuator(std::string_view punctuator);
    bool AtBegin() const { return AtKeyword("BEGIN") || AtPunctuator("{"); }
    bool AtEndOfBlock() const { return AtKeyword("END") || AtPunctuator("}"); }

    // Throws "file:line: expected <what>, found <token>" at the current token.
    [[noreturn]] void Expected(const std::string& what) const;
    [[noreturn]] void FailHere(const std::string& reason) const;
    [[noreturn]] static void FailAt(const Token& token, const std::string& reason);

    void ExpectPunctuator(std::string_view punctuator, const std::string& context);
    // BEGIN or '{' opening the body of `what`.
    void ExpectBegin(const std::string& what);
    std::string ExpectString(const std::string& what);

    // Whether an integer expression starts here.
    bool AtExpression() const;
    // An integer expression: numbers, standard constants such as WS_CHILD, ( ), unary - ~ +,
    // and the binary * / + - & |. `what` names the value in messages.
    IntegerValue Expression(const std::string& what);
    // An integer expression that must lie within [minimum, maximum]; the message gives both.
    int BoundedExpression(const std::string& what, std::int64_t minimum, std::int64_t maximum);
    // A style: terms joined by '|'. A term written NOT x takes the bits of x away, both from
    // the other terms and from the defaults the style is combined with, wherever it stands.
    StyleBits Style(const std::string& what);

  private:
    std::int64_t Binary(const std::string& what, int level);
    std::int64_t Unary(const std::string& what);
    std::int64_t Primary(const std::string& what);

    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    bool saw_long_ = false;
};

}  // namespace heatwise::rc
