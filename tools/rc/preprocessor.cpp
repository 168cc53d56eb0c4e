#include "preprocessor.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "file_search.h"
#include "if_expression.h"
#include "lexer.h"
#include "script_error.h"

namespace heatwise::rc {

namespace {

// Headers of the other platform that define the window-style and control constants. This
// compiler knows those constants itself, so a script that includes one of them for the other
// platform's compiler needs nothing more here.
constexpr std::string_view kPlatformHeaders[] = {"windows.h", "winres.h",   "winresrc.h",
                                                 "winuser.h", "winuser.rh", "commctrl.h",
                                                 "afxres.h",  "dlgs.h"};

constexpr int kMaximumIncludeDepth = 32;
constexpr std::size_t kMaximumExpansion = 100000;
// Each use of a macro is bounded above, but a line of many uses multiplies that bound: the
// script as a whole is bounded too, far beyond any real script, so a few hundred bytes cannot
// make the compiler fill the memory.
constexpr std::size_t kMaximumScriptTokens = 1000000;

// Whether a file contributes its resource statements or only its directives.
enum class FileRole { kScript, kDirectivesOnly };

struct Macro {
    std::vector<Token> body;
    Location where;
};

struct Conditional {
    Location where;
    std::string directive;
    bool parent_taking = true;
    bool taking = false;
    bool any_branch_taken = false;
    bool seen_else = false;
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

FileRole RoleOf(const std::filesystem::path& path) {
    std::string extension = Lower(path.extension().string());
    return (extension == ".h" || extension == ".hpp" || extension == ".c")
               ? FileRole::kDirectivesOnly
               : FileRole::kScript;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            if (start < text.size()) {
                lines.emplace_back(text.substr(start));
            }
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

class Preprocessor {
  public:
    explicit Preprocessor(const PreprocessOptions& options) : options_(options) {
        Token one;
        one.kind = TokenKind::kNumber;
        one.spelling = "1";
        one.value = 1;
        // Scripts test RC_INVOKED to leave out the C++ parts of shared headers.
        macros_["RC_INVOKED"] = Macro{{one}, Location{}};
    }

    void ProcessText(std::string_view text, std::shared_ptr<const SourceFile> file, FileRole role,
                     int depth);
    PreprocessedScript Finish(const Location& end);

  private:
    [[noreturn]] static void Fail(const Location& where, const std::string& reason) {
        throw ScriptError(where.FileName(), where.line, reason);
    }

    void Directive(std::string_view text, const Location& where, LexState& lex,
                   std::vector<Conditional>& conditionals, int depth);
    void Include(std::string_view rest, const Location& where, LexState& lex, int depth);
    void Define(const std::vector<Token>& tokens, const Location& where);
    bool Condition(const std::string& name, const std::vector<Token>& tokens,
                   const Location& where);
    // Appends the token, or the value of the macro it names, to `out`; `active` holds the
    // macros being replaced, which are not replaced again inside themselves.
    void Expand(const Token& token, const Location& use, std::vector<Token>& out,
                std::vector<std::string>& active, std::size_t& produced);

    const PreprocessOptions& options_;
    std::map<std::string, Macro> macros_;
    std::set<std::filesystem::path> once_files_;
    std::vector<Token> tokens_;
    std::vector<std::filesystem::path> headers_;
    // Tokens made so far, macros replaced, in the script and in its conditions.
    std::size_t made_tokens_ = 0;
};

void Preprocessor::ProcessText(std::string_view text, std::shared_ptr<const SourceFile> file,
                               FileRole role, int depth) {
    std::vector<std::string> lines = SplitLines(text);
    std::vector<Conditional> conditionals;
    LexState lex;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Location where{file, static_cast<int>(i) + 1};
        std::string line = lines[i];
        bool taking = conditionals.empty() || conditionals.back().taking;
        std::string_view trimmed = TrimBlanks(line);
        if (!lex.in_comment && !trimmed.empty() && trimmed.front() == '#') {
            // A directive may go on over several lines, each ending with a backslash.
            while (!line.empty() && TrimBlanks(line).ends_with('\\') && i + 1 < lines.size()) {
                std::string_view kept = TrimBlanks(line);
                kept.remove_suffix(1);
                line = std::string(kept) + " " + lines[++i];
            }
            std::string_view body = TrimBlanks(line);
            body.remove_prefix(1);
            if (taking) {
                Directive(body, where, lex, conditionals, depth);
            } else {
                // Only the conditional directives count inside a part that is left out.
                std::vector<Token> none;
                LexState skip_state;
                std::size_t name_end = 0;
                std::string_view after = TrimBlanks(body);
                while (name_end < after.size() &&
                       std::isalpha(static_cast<unsigned char>(after[name_end]))) {
                    ++name_end;
                }
                std::string name(after.substr(0, name_end));
                if (name == "if" || name == "ifdef" || name == "ifndef" || name == "elif" ||
                    name == "else" || name == "endif") {
                    Directive(body, where, lex, conditionals, depth);
                } else {
                    LexLine(after.substr(name_end), where, lex, LexMode::kSkipping, none);
                }
            }
            continue;
        }
        std::vector<Token> line_tokens;
        LexMode mode =
            (taking && role == FileRole::kScript) ? LexMode::kTokens : LexMode::kSkipping;
        LexLine(line, where, lex, mode, line_tokens);
        for (const Token& token : line_tokens) {
            std::vector<std::string> active;
            std::size_t produced = 0;
            Expand(token, token.where, tokens_, active, produced);
        }
    }
    if (lex.in_comment) {
        Fail(Location{file, lex.comment_line},
             "comment begun here is not closed: '*/' is missing before the end of the file");
    }
    if (!conditionals.empty()) {
        const Conditional& open = conditionals.back();
        Fail(open.where, "#" + open.directive + " has no #endif before the end of the file");
    }
}

void Preprocessor::Directive(std::string_view text, const Location& where, LexState& lex,
                             std::vector<Conditional>& conditionals, int depth) {
    std::string_view rest = TrimBlanks(text);
    std::size_t name_end = 0;
    while (name_end < rest.size() && std::isalpha(static_cast<unsigned char>(rest[name_end]))) {
        ++name_end;
    }
    std::string name(rest.substr(0, name_end));
    rest.remove_prefix(name_end);
    if (name == "include") {
        Include(rest, where, lex, depth);
        return;
    }
    std::vector<Token> tokens;
    LexLine(rest, where, lex, name == "error" ? LexMode::kSkipping : LexMode::kTokens, tokens);
    if (name.empty() && tokens.empty()) {
        return;  // A lone '#' is a null directive.
    }
    if (name == "define") {
        Define(tokens, where);
    } else if (name == "undef") {
        if (tokens.size() != 1 || tokens[0].kind != TokenKind::kIdentifier) {
            Fail(where, "#undef needs exactly one name");
        }
        macros_.erase(tokens[0].spelling);
    } else if (name == "ifdef" || name == "ifndef" || name == "if") {
        Conditional conditional;
        conditional.where = where;
        conditional.directive = name;
        conditional.parent_taking = conditionals.empty() || conditionals.back().taking;
        conditional.taking = conditional.parent_taking && Condition(name, tokens, where);
        conditional.any_branch_taken = conditional.taking;
        conditionals.push_back(conditional);
    } else if (name == "elif" || name == "else") {
        if (conditionals.empty()) {
            Fail(where, "#" + name + " without #if");
        }
        Conditional& open = conditionals.back();
        if (open.seen_else) {
            Fail(where, "#" + name + " after #else (the #" + open.directive + " is at line " +
                            std::to_string(open.where.line) + ")");
        }
        open.seen_else = name == "else";
        bool wanted = open.parent_taking && !open.any_branch_taken &&
                      (name == "else" || Condition("if", tokens, where));
        open.taking = wanted;
        open.any_branch_taken = open.any_branch_taken || wanted;
    } else if (name == "endif") {
        if (conditionals.empty()) {
            Fail(where, "#endif without #if");
        }
        conditionals.pop_back();
    } else if (name == "pragma") {
        if (!tokens.empty() && tokens[0].spelling == "once") {
            std::error_code error;
            if (!where.file->path.empty()) {
                once_files_.insert(std::filesystem::weakly_canonical(where.file->path, error));
            }
        } else if (tokens.empty() || tokens[0].spelling != "code_page") {
            Fail(where, "unknown #pragma '" + std::string(TrimBlanks(rest)) +
                            "' (known: once, code_page)");
        }
    } else if (name == "error") {
        Fail(where, "#error " + std::string(TrimBlanks(rest)));
    } else {
        Fail(where, "unknown directive '#" + name +
                        "' (known: #include, #define, #undef, #if, #ifdef, #ifndef, #elif, "
                        "#else, #endif, #pragma, #error)");
    }
}

bool Preprocessor::Condition(const std::string& name, const std::vector<Token>& tokens,
                             const Location& where) {
    if (name == "ifdef" || name == "ifndef") {
        if (tokens.size() != 1 || tokens[0].kind != TokenKind::kIdentifier) {
            Fail(where, "#" + name + " needs exactly one name");
        }
        bool defined = macros_.contains(tokens[0].spelling);
        return name == "ifdef" ? defined : !defined;
    }
    if (tokens.empty()) {
        Fail(where, "#" + name + " needs a condition");
    }
    std::vector<Token> expanded;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == TokenKind::kIdentifier && tokens[i].spelling == "defined") {
            bool parenthesised = i + 1 < tokens.size() && tokens[i + 1].spelling == "(";
            std::size_t name_at = i + (parenthesised ? 2 : 1);
            if (name_at >= tokens.size() || tokens[name_at].kind != TokenKind::kIdentifier ||
                (parenthesised &&
                 (name_at + 1 >= tokens.size() || tokens[name_at + 1].spelling != ")"))) {
                Fail(where, "'defined' needs a name, as defined(NAME) or defined NAME");
            }
            Token value = tokens[i];
            value.kind = TokenKind::kNumber;
            value.value = macros_.contains(tokens[name_at].spelling) ? 1 : 0;
            value.spelling = std::to_string(value.value);
            expanded.push_back(value);
            i = name_at + (parenthesised ? 1 : 0);
            continue;
        }
        std::vector<std::string> active;
        std::size_t produced = 0;
        Expand(tokens[i], where, expanded, active, produced);
    }
    return EvaluateCondition(expanded, where) != 0;
}

void Preprocessor::Define(const std::vector<Token>& tokens, const Location& where) {
    if (tokens.empty() || tokens[0].kind != TokenKind::kIdentifier) {
        Fail(where, "#define needs a name");
    }
    const std::string& name = tokens[0].spelling;
    if (tokens.size() > 1 && tokens[1].spelling == "(" && !tokens[1].space_before) {
        Fail(where, "'" + name +
                        "' is defined with parameters; only plain #define NAME value "
                        "is supported");
    }
    Macro macro{std::vector<Token>(tokens.begin() + 1, tokens.end()), where};
    auto found = macros_.find(name);
    if (found != macros_.end()) {
        const auto& old = found->second.body;
        bool same =
            old.size() == macro.body.size() &&
            std::equal(old.begin(), old.end(), macro.body.begin(),
                       [](const Token& a, const Token& b) { return a.spelling == b.spelling; });
        if (!same) {
            std::string first = found->second.where.file
                                    ? " (first defined at " + found->second.where.FileName() + ":" +
                                          std::to_string(found->second.where.line) + ")"
                                    : " (it is predefined)";
            Fail(where, "'" + name + "' is defined again with a different value" + first);
        }
    }
    macros_[name] = std::move(macro);
}

void Preprocessor::Include(std::string_view rest, const Location& where, LexState& lex, int depth) {
    rest = TrimBlanks(rest);
    char close =
        rest.empty() ? '\0' : (rest.front() == '"' ? '"' : (rest.front() == '<' ? '>' : '\0'));
    std::size_t end = close == '\0' ? std::string_view::npos : rest.find(close, 1);
    if (end == std::string_view::npos) {
        Fail(where, "#include needs a file name in double quotes or <angle brackets>");
    }
    std::string name(rest.substr(1, end - 1));
    std::vector<Token> trailing;
    LexLine(rest.substr(end + 1), where, lex, LexMode::kTokens, trailing);
    if (!trailing.empty()) {
        Fail(where, "unexpected " + Describe(trailing[0]) + " after the #include file name");
    }
    SearchNear near = close == '"' ? SearchNear::kNamingFile : SearchNear::kIncludeFoldersOnly;
    auto path = FindFile(name, where.file->directory, options_.include_dirs, near);
    if (!path) {
        std::string base = Lower(std::filesystem::path(name).filename().string());
        if (std::find(std::begin(kPlatformHeaders), std::end(kPlatformHeaders), base) !=
            std::end(kPlatformHeaders)) {
            return;
        }
        Fail(where, "cannot open include file '" + name + "'");
    }
    std::error_code error;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(*path, error);
    if (once_files_.contains(canonical)) {
        return;
    }
    if (depth >= kMaximumIncludeDepth) {
        Fail(where, "#include nested more than " + std::to_string(kMaximumIncludeDepth) +
                        " deep: does '" + name + "' include itself?");
    }
    auto bytes = ReadFileBytes(*path);
    if (!bytes) {
        Fail(where, "cannot read include file '" + name + "': unreadable, or larger than the " +
                        kLargestFileText + " a file may hold");
    }
    headers_.push_back(*path);
    auto file = std::make_shared<SourceFile>(
        SourceFile{path->lexically_normal().string(), path->parent_path(), *path});
    std::string text(bytes->begin(), bytes->end());
    ProcessText(text, file, RoleOf(*path), depth + 1);
}

void Preprocessor::Expand(const Token& token, const Location& use, std::vector<Token>& out,
                          std::vector<std::string>& active, std::size_t& produced) {
    auto found =
        token.kind == TokenKind::kIdentifier ? macros_.find(token.spelling) : macros_.end();
    if (found == macros_.end() ||
        std::find(active.begin(), active.end(), token.spelling) != active.end()) {
        if (++produced > kMaximumExpansion) {
            Fail(use, "'" + active.front() + "' expands to more than " +
                          std::to_string(kMaximumExpansion) + " tokens");
        }
        if (++made_tokens_ > kMaximumScriptTokens) {
            Fail(use, "the script grows to more than " + std::to_string(kMaximumScriptTokens) +
                          " tokens as its macros are replaced");
        }
        out.push_back(token);
        out.back().where = use;
        return;
    }
    active.push_back(token.spelling);
    for (const Token& part : found->second.body) {
        Expand(part, use, out, active, produced);
    }
    active.pop_back();
}

PreprocessedScript Preprocessor::Finish(const Location& end) {
    Token last;
    last.kind = TokenKind::kEnd;
    last.where = end;
    tokens_.push_back(last);
    return PreprocessedScript{std::move(tokens_), std::move(headers_)};
}

int CountLines(std::string_view text) {
    int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    return (!text.empty() && text.back() != '\n') ? lines + 1 : std::max(lines, 1);
}

}  // namespace

PreprocessedScript PreprocessText(std::string_view text, const SourceFile& file,
                                  const PreprocessOptions& options) {
    auto source = std::make_shared<const SourceFile>(file);
    Preprocessor preprocessor(options);
    preprocessor.ProcessText(text, source, FileRole::kScript, 0);
    return preprocessor.Finish(Location{source, CountLines(text)});
}

PreprocessedScript PreprocessFile(const std::filesystem::path& script,
                                  const PreprocessOptions& options) {
    auto bytes = ReadFileBytes(script);
    if (!bytes) {
        throw ScriptError(script.string(), 0, "cannot open the resource script");
    }
    std::string text(bytes->begin(), bytes->end());
    return PreprocessText(text, SourceFile{script.string(), script.parent_path(), script}, options);
}

}  // namespace heatwise::rc
