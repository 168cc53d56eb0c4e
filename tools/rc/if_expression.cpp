#include "if_expression.h"

#include <iterator>
#include <string>
#include <string_view>

#include "script_error.h"

namespace heatwise::rc {

namespace {

// Binary operators from the loosest binding to the tightest, as C orders them.
constexpr std::string_view kLevels[][4] = {
    {"||"},       {"&&"},     {"|"},          {"^"}, {"&"}, {"==", "!="}, {"<", ">", "<=", ">="},
    {"<<", ">>"}, {"+", "-"}, {"*", "/", "%"}};
constexpr int kLevelCount = static_cast<int>(std::size(kLevels));
// Deeper nesting than any real condition has; the limit keeps a damaged file from exhausting
// the stack.
constexpr int kMaximumDepth = 200;

class ConditionParser {
  public:
    ConditionParser(const std::vector<Token>& tokens, const Location& where)
        : tokens_(tokens), where_(where) {}

    std::int64_t Parse() {
        std::int64_t value = Binary(0);
        if (pos_ < tokens_.size()) {
            Fail("unexpected " + Describe(tokens_[pos_]) + " in the condition");
        }
        return value;
    }

  private:
    [[noreturn]] void Fail(const std::string& reason) const {
        throw ScriptError(where_.FileName(), where_.line, reason);
    }

    bool AtPunctuator(std::string_view p) const {
        return pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::kPunctuator &&
               tokens_[pos_].spelling == p;
    }

    std::int64_t Binary(int level) {
        if (level == kLevelCount) {
            return Unary();
        }
        std::int64_t left = Binary(level + 1);
        while (true) {
            std::string_view op;
            for (std::string_view candidate : kLevels[level]) {
                if (!candidate.empty() && AtPunctuator(candidate)) {
                    op = candidate;
                }
            }
            if (op.empty()) {
                return left;
            }
            ++pos_;
            // As in C, the right side of || and && is not worked out when the left side
            // decides, so "defined(X) && 1 / X" is safe.
            bool decided = (op == "||" && left != 0) || (op == "&&" && left == 0);
            unevaluated_ += decided ? 1 : 0;
            std::int64_t right = Binary(level + 1);
            unevaluated_ -= decided ? 1 : 0;
            left = Apply(op, left, right);
        }
    }

    std::int64_t Apply(std::string_view op, std::int64_t a, std::int64_t b) const {
        if ((op == "/" || op == "%") && b == 0) {
            if (unevaluated_ > 0) {
                return 0;
            }
            Fail("division by zero in the condition");
        }
        // Wrap like the 32-bit arithmetic the rest of the script uses, so nothing overflows.
        auto wrap = [](std::uint64_t v) {
            return static_cast<std::int64_t>(static_cast<std::int32_t>(v));
        };
        auto ua = static_cast<std::uint64_t>(a);
        auto ub = static_cast<std::uint64_t>(b);
        if (op == "||")
            return (a != 0 || b != 0) ? 1 : 0;
        if (op == "&&")
            return (a != 0 && b != 0) ? 1 : 0;
        if (op == "|")
            return a | b;
        if (op == "^")
            return a ^ b;
        if (op == "&")
            return a & b;
        if (op == "==")
            return a == b ? 1 : 0;
        if (op == "!=")
            return a != b ? 1 : 0;
        if (op == "<")
            return a < b ? 1 : 0;
        if (op == ">")
            return a > b ? 1 : 0;
        if (op == "<=")
            return a <= b ? 1 : 0;
        if (op == ">=")
            return a >= b ? 1 : 0;
        if (op == "<<")
            return wrap(ua << (ub & 31));
        if (op == ">>")
            return wrap((ua & 0xFFFFFFFFu) >> (ub & 31));
        if (op == "+")
            return wrap(ua + ub);
        if (op == "-")
            return wrap(ua - ub);
        if (op == "*")
            return wrap(ua * ub);
        if (op == "/")
            return wrap(static_cast<std::uint64_t>(a / b));
        return a % b;
    }

    std::int64_t Unary() {
        if (pos_ >= tokens_.size()) {
            Fail("the condition ends where a value is expected");
        }
        if (++depth_ > kMaximumDepth) {
            Fail("the condition is nested too deeply");
        }
        std::int64_t value = Operand();
        --depth_;
        return value;
    }

    std::int64_t Operand() {
        const Token& token = tokens_[pos_++];
        if (token.kind == TokenKind::kNumber) {
            return token.value;
        }
        if (token.kind == TokenKind::kIdentifier) {
            return 0;
        }
        if (token.kind == TokenKind::kPunctuator) {
            if (token.spelling == "(") {
                std::int64_t value = Binary(0);
                if (!AtPunctuator(")")) {
                    Fail("missing ')' in the condition");
                }
                ++pos_;
                return value;
            }
            if (token.spelling == "!")
                return Unary() == 0 ? 1 : 0;
            if (token.spelling == "~")
                return ~Unary();
            if (token.spelling == "-")
                return -Unary();
            if (token.spelling == "+")
                return Unary();
        }
        Fail("unexpected " + Describe(token) + " in the condition");
    }

    const std::vector<Token>& tokens_;
    const Location& where_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    int unevaluated_ = 0;
};

}  // namespace

std::int64_t EvaluateCondition(const std::vector<Token>& tokens, const Location& where) {
    return ConditionParser(tokens, where).Parse();
}

}  // namespace heatwise::rc
