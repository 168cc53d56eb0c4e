#include "token_cursor.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "script_error.h"
#include "standard_constants.h"

namespace heatwise::rc {

namespace {

// Words that begin or shape statements; one of them where a value is expected means the
// value is missing, not that an unknown name was used.
constexpr std::string_view kReservedWords[] = {
    "ACCELERATORS", "AUTO3STATE",    "AUTOCHECKBOX", "AUTORADIOBUTTON", "BEGIN",
    "CAPTION",      "CHECKBOX",      "CLASS",        "COMBOBOX",        "CONTROL",
    "CTEXT",        "DEFPUSHBUTTON", "DIALOG",       "DIALOGEX",        "EDITTEXT",
    "END",          "EXSTYLE",       "FONT",         "GROUPBOX",        "ICON",
    "LISTBOX",      "LTEXT",         "MENU",         "MENUEX",          "MENUITEM",
    "NOT",          "POPUP",         "PUSHBUTTON",   "RADIOBUTTON",     "RCDATA",
    "RTEXT",        "SCROLLBAR",     "SEPARATOR",    "STATE3",          "STRINGTABLE",
    "STYLE"};

// Deeper nesting than any real expression has; the limit keeps a damaged file from
// exhausting the stack.
constexpr int kMaximumDepth = 200;

bool SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

bool IsReservedWord(std::string_view word) {
    return std::any_of(std::begin(kReservedWords), std::end(kReservedWords),
                       [word](std::string_view reserved) { return SameWord(word, reserved); });
}

// Arithmetic is 32-bit, as in the other platform's compiler: every result wraps to a signed
// 32-bit value, worked out in 64 bits so that nothing overflows on the way.
std::int64_t Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

}  // namespace

TokenCursor::TokenCursor(std::vector<Token> tokens) : tokens_(std::move(tokens)) {
    if (tokens_.empty() || tokens_.back().kind != TokenKind::kEnd) {
        Token end;
        end.kind = TokenKind::kEnd;
        if (!tokens_.empty()) {
            end.where = tokens_.back().where;
        }
        tokens_.push_back(end);
    }
}

const Token& TokenCursor::Peek(std::size_t ahead) const {
    return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
}

const Token& TokenCursor::Next() {
    const Token& token = tokens_[pos_];
    if (pos_ + 1 < tokens_.size()) {
        ++pos_;
    }
    return token;
}

bool TokenCursor::AtKeyword(std::string_view keyword) const {
    return Peek().kind == TokenKind::kIdentifier && SameWord(Peek().spelling, keyword);
}

bool TokenCursor::AtPunctuator(std::string_view punctuator) const {
    return Peek().kind == TokenKind::kPunctuator && Peek().spelling == punctuator;
}

bool TokenCursor::TakeKeyword(std::string_view keyword) {
    if (!AtKeyword(keyword)) {
        return false;
    }
    Next();
    return true;
}

bool TokenCursor::TakePunctuator(std::string_view punctuator) {
    if (!AtPunctuator(punctuator)) {
        return false;
    }
    Next();
    return true;
}

void TokenCursor::FailAt(const Token& token, const std::string& reason) {
    std::string file = token.where.file ? token.where.FileName() : std::string("<script>");
    throw ScriptError(file, token.where.line, reason);
}

void TokenCursor::FailHere(const std::string& reason) const {
    FailAt(Peek(), reason);
}

void TokenCursor::Expected(const std::string& what) const {
    FailHere("expected " + what + ", found " + Describe(Peek()));
}

void TokenCursor::ExpectPunctuator(std::string_view punctuator, const std::string& context) {
    if (!TakePunctuator(punctuator)) {
        Expected("'" + std::string(punctuator) + "' " + context);
    }
}

void TokenCursor::ExpectBegin(const std::string& what) {
    if (!TakeKeyword("BEGIN") && !TakePunctuator("{")) {
        Expected("BEGIN to open " + what);
    }
}

std::string TokenCursor::ExpectString(const std::string& what) {
    if (Peek().kind != TokenKind::kString) {
        Expected(what + " in double quotes");
    }
    return Next().bytes;
}

bool TokenCursor::AtExpression() const {
    const Token& token = Peek();
    switch (token.kind) {
        case TokenKind::kNumber:
            return true;
        case TokenKind::kIdentifier:
            return !IsReservedWord(token.spelling);
        case TokenKind::kPunctuator:
            return token.spelling == "(" || token.spelling == "-" || token.spelling == "~" ||
                   token.spelling == "+";
        default:
            return false;
    }
}

IntegerValue TokenCursor::Expression(const std::string& what) {
    saw_long_ = false;
    std::int64_t value = Binary(what, 0);
    return IntegerValue{value, saw_long_};
}

int TokenCursor::BoundedExpression(const std::string& what, std::int64_t minimum,
                                   std::int64_t maximum) {
    const Token& start = Peek();
    std::int64_t value = Expression(what).value;
    if (value < minimum || value > maximum) {
        FailAt(start, std::to_string(value) + " is outside the accepted range " +
                          std::to_string(minimum) + " to " + std::to_string(maximum) + " for " +
                          what);
    }
    return static_cast<int>(value);
}

StyleBits TokenCursor::Style(const std::string& what) {
    StyleBits bits;
    saw_long_ = false;
    do {
        if (TakeKeyword("NOT")) {
            bits.cleared |= static_cast<std::uint32_t>(Unary(what));
        } else {
            bits.set |= static_cast<std::uint32_t>(Binary(what, 1));
        }
    } while (TakePunctuator("|"));
    return bits;
}

// Binary operators from the loosest binding to the tightest: | then & then + - then * /.
std::int64_t TokenCursor::Binary(const std::string& what, int level) {
    static constexpr std::string_view kLevels[][2] = {{"|", ""}, {"&", ""}, {"+", "-"}, {"*", "/"}};
    if (level == static_cast<int>(std::size(kLevels))) {
        return Unary(what);
    }
    std::int64_t left = Binary(what, level + 1);
    while (true) {
        std::string op;
        for (std::string_view candidate : kLevels[level]) {
            if (!candidate.empty() && AtPunctuator(candidate)) {
                op = candidate;
            }
        }
        if (op.empty()) {
            return left;
        }
        const Token& operator_token = Next();
        std::int64_t right = Binary(what, level + 1);
        if (op == "|") {
            left = Wrap(left | right);
        } else if (op == "&") {
            left = Wrap(left & right);
        } else if (op == "+") {
            left = Wrap(left + right);
        } else if (op == "-") {
            left = Wrap(left - right);
        } else if (op == "*") {
            left = Wrap(left * right);
        } else {
            if (right == 0) {
                FailAt(operator_token, "division by zero in " + what);
            }
            left = Wrap(left / right);
        }
    }
}

std::int64_t TokenCursor::Unary(const std::string& what) {
    if (++depth_ > kMaximumDepth) {
        FailHere(what + " is nested too deeply");
    }
    std::int64_t value;
    if (TakePunctuator("-")) {
        value = Wrap(-Unary(what));
    } else if (TakePunctuator("~")) {
        value = Wrap(~Unary(what));
    } else if (TakePunctuator("+")) {
        value = Unary(what);
    } else {
        value = Primary(what);
    }
    --depth_;
    return value;
}

std::int64_t TokenCursor::Primary(const std::string& what) {
    const Token& token = Peek();
    if (token.kind == TokenKind::kNumber) {
        Next();
        saw_long_ = saw_long_ || token.is_long;
        return Wrap(token.value);
    }
    if (TakePunctuator("(")) {
        std::int64_t value = Binary(what, 0);
        ExpectPunctuator(")", "to close the '(' in " + what);
        return value;
    }
    if (token.kind == TokenKind::kIdentifier && !IsReservedWord(token.spelling)) {
        auto constant = StandardConstant(token.spelling);
        if (!constant) {
            FailHere("unknown name '" + token.spelling + "' in " + what +
                     ": it is neither #define'd nor a standard constant");
        }
        Next();
        return Wrap(*constant);
    }
    Expected(what);
}

}  // namespace heatwise::rc
