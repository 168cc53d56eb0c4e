#include "script_parser.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "file_search.h"
#include "resources/icon_directory.h"
#include "script_error.h"
#include "standard_constants.h"
#include "statement_parsers.h"

namespace heatwise::rc {

namespace {

// Standard resource types that this compiler does not build; naming one is an error that
// says so, rather than a puzzling "unknown type".
constexpr std::string_view kUnsupportedTypes[] = {
    "CURSOR",    "FONT",    "HTML",     "MESSAGETABLE", "VERSIONINFO", "TOOLBAR",  "DLGINIT",
    "ANICURSOR", "ANIICON", "MANIFEST", "DLGINCLUDE",   "TEXTINCLUDE", "PLUGPLAY", "VXD"};

constexpr std::string_view kStatementsNotSupported[] = {"LANGUAGE", "VERSION", "CHARACTERISTICS"};

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string WhereOf(const Token& token) {
    return token.where.FileName() + ":" + std::to_string(token.where.line);
}

class ScriptReader {
  public:
    ScriptReader(PreprocessedScript preprocessed, const PreprocessOptions& options)
        : cursor_(std::move(preprocessed.tokens)), options_(options) {
        script_.dependencies = std::move(preprocessed.headers);
    }

    ResourceScript Read() {
        while (!cursor_.AtEnd()) {
            Statement();
        }
        return std::move(script_);
    }

  private:
    void Statement();
    void StringTable();
    ResourceKey ReadId();
    Bytes ReadFile(const Token& name_token, const std::string& kind);
    Bytes ReadIcon(const std::string& what);
    Bytes ReadBitmap(const std::string& what);
    void Add(ResourceDef resource, const Token& start);

    TokenCursor cursor_;
    const PreprocessOptions& options_;
    ResourceScript script_;
    std::vector<std::string> first_seen_;
};

ResourceKey ScriptReader::ReadId() {
    const Token& token = cursor_.Peek();
    if (token.kind == TokenKind::kString) {
        cursor_.Next();
        if (token.bytes.empty()) {
            TokenCursor::FailAt(token, "a resource name cannot be empty");
        }
        return ResourceKey::Named(token.bytes);
    }
    // A name that no #define replaced is the resource's name; only the standard constants
    // (IDOK and the like) stand for numbers.
    if (token.kind == TokenKind::kIdentifier && cursor_.AtExpression() &&
        !StandardConstant(token.spelling)) {
        cursor_.Next();
        return ResourceKey::Named(token.spelling);
    }
    if (!cursor_.AtExpression()) {
        cursor_.Expected("a resource id (a number or a name) or STRINGTABLE");
    }
    return ResourceKey::Number(cursor_.BoundedExpression("a resource id", 0, 65535));
}

Bytes ScriptReader::ReadFile(const Token& name_token, const std::string& kind) {
    auto path = FindFile(name_token.bytes, name_token.where.file->directory, options_.include_dirs,
                         SearchNear::kNamingFile);
    if (!path) {
        TokenCursor::FailAt(name_token, "cannot open " + kind + " file '" + name_token.bytes + "'");
    }
    auto bytes = ReadFileBytes(*path);
    if (!bytes) {
        TokenCursor::FailAt(name_token, "cannot read " + kind + " file '" + name_token.bytes +
                                            "': unreadable, or larger than the " +
                                            kLargestFileText + " a file may hold");
    }
    script_.dependencies.push_back(*path);
    return std::move(*bytes);
}

Bytes ScriptReader::ReadIcon(const std::string& what) {
    if (cursor_.Peek().kind != TokenKind::kString) {
        cursor_.Expected("the icon file name of " + what + " in double quotes");
    }
    const Token& name_token = cursor_.Next();
    Bytes bytes = ReadFile(name_token, "icon");
    windlass::IconDirectory directory = windlass::ReadIconDirectory(bytes);
    if (!directory.problem.empty()) {
        TokenCursor::FailAt(
            name_token, "'" + name_token.bytes + "' is not a usable icon: " + directory.problem);
    }
    return bytes;
}

// A bitmap is kept as its whole file; the file must at least begin as a bitmap file does, with
// "BM" and the 14 bytes of its file header.
Bytes ScriptReader::ReadBitmap(const std::string& what) {
    if (cursor_.Peek().kind != TokenKind::kString) {
        cursor_.Expected("the bitmap file name of " + what + " in double quotes");
    }
    const Token& name_token = cursor_.Next();
    Bytes bytes = ReadFile(name_token, "bitmap");
    constexpr std::size_t kFileHeader = 14;
    if (bytes.size() < kFileHeader || bytes[0] != 'B' || bytes[1] != 'M') {
        TokenCursor::FailAt(name_token, "'" + name_token.bytes +
                                            "' is not a bitmap file: it does not begin with "
                                            "\"BM\" and a 14-byte file header");
    }
    return bytes;
}

void ScriptReader::Add(ResourceDef resource, const Token& start) {
    resource.where = WhereOf(start);
    for (std::size_t i = 0; i < script_.resources.size(); ++i) {
        const ResourceDef& other = script_.resources[i];
        if (other.type == resource.type && other.id == resource.id) {
            TokenCursor::FailAt(
                start, first_seen_[i] + " is defined twice (first at " + other.where + ")");
        }
    }
    script_.resources.push_back(std::move(resource));
}

void ScriptReader::StringTable() {
    SkipMemoryOptions(cursor_);
    cursor_.ExpectBegin("the STRINGTABLE");
    while (true) {
        if (cursor_.AtEndOfBlock()) {
            cursor_.Next();
            return;
        }
        if (cursor_.AtEnd()) {
            cursor_.FailHere("the file ends inside the STRINGTABLE: END is missing");
        }
        const Token& start = cursor_.Peek();
        int id = cursor_.BoundedExpression("a string id or END in the STRINGTABLE", 0, 65535);
        cursor_.TakePunctuator(",");
        std::string text = cursor_.ExpectString("the text of string " + std::to_string(id));
        ResourceDef resource{ResourceKey::Number(windlass::kTypeString),
                             ResourceKey::Number(id),
                             {},
                             Bytes(text.begin(), text.end())};
        first_seen_.push_back("string " + std::to_string(id));
        Add(std::move(resource), start);
    }
}

void ScriptReader::Statement() {
    for (std::string_view word : kStatementsNotSupported) {
        if (cursor_.AtKeyword(word)) {
            cursor_.FailHere("the " + std::string(word) + " statement is not supported");
        }
    }
    if (cursor_.TakeKeyword("STRINGTABLE")) {
        StringTable();
        return;
    }
    const Token& start = cursor_.Peek();
    ResourceDef resource;
    resource.id = ReadId();
    const Token& type_token = cursor_.Peek();
    std::string type_word =
        type_token.kind == TokenKind::kIdentifier ? Upper(type_token.spelling) : "";
    std::string what =
        (type_word.empty() ? std::string("resource") : type_word) + " " + resource.id.Describe();
    auto data_or_file = [&] {
        SkipMemoryOptions(cursor_);
        if (cursor_.Peek().kind == TokenKind::kString) {
            return ReadFile(cursor_.Next(), "data");
        }
        if (!cursor_.AtBegin()) {
            cursor_.Expected("BEGIN or a file name in double quotes for " + what);
        }
        return ReadDataBlock(cursor_, what);
    };
    if (type_word == "MENU" || type_word == "MENUEX") {
        cursor_.Next();
        SkipMemoryOptions(cursor_);
        resource.type = ResourceKey::Number(windlass::kTypeMenu);
        resource.content =
            ReadMenu(cursor_, type_word == "MENU" ? MenuForm::kMenu : MenuForm::kMenuEx, what);
    } else if (type_word == "DIALOG" || type_word == "DIALOGEX") {
        cursor_.Next();
        SkipMemoryOptions(cursor_);
        resource.type = ResourceKey::Number(windlass::kTypeDialog);
        resource.content = ReadDialog(
            cursor_,
            type_word == "DIALOG" ? windlass::DialogForm::kDialog : windlass::DialogForm::kDialogEx,
            what);
    } else if (type_word == "RCDATA") {
        cursor_.Next();
        resource.type = ResourceKey::Number(windlass::kTypeRcData);
        resource.content = data_or_file();
    } else if (type_word == "ICON") {
        cursor_.Next();
        SkipMemoryOptions(cursor_);
        resource.type = ResourceKey::Number(windlass::kTypeIcon);
        resource.content = ReadIcon(what);
    } else if (type_word == "BITMAP") {
        cursor_.Next();
        SkipMemoryOptions(cursor_);
        resource.type = ResourceKey::Number(windlass::kTypeBitmap);
        resource.content = ReadBitmap(what);
    } else if (type_word == "ACCELERATORS") {
        cursor_.Next();
        SkipMemoryOptions(cursor_);
        resource.type = ResourceKey::Number(windlass::kTypeAccelerators);
        resource.content = ReadAccelerators(cursor_, what);
    } else if (type_word == windlass::kTypeMenuPrompts) {
        cursor_.Next();
        resource.type = ResourceKey::Named(windlass::kTypeMenuPrompts);
        resource.content = data_or_file();
    } else if (type_token.kind == TokenKind::kString) {
        cursor_.Next();
        if (type_token.bytes.empty()) {
            TokenCursor::FailAt(type_token, "a resource type name cannot be empty");
        }
        resource.type = ResourceKey::Named(type_token.bytes);
        what = resource.type.name + " " + resource.id.Describe();
        resource.content = data_or_file();
    } else if (type_token.kind == TokenKind::kNumber) {
        int type =
            cursor_.BoundedExpression("a resource type number of the program's own", 256, 65535);
        resource.type = ResourceKey::Number(type);
        what = "resource type " + std::to_string(type) + " " + resource.id.Describe();
        resource.content = data_or_file();
    } else if (std::find(std::begin(kUnsupportedTypes), std::end(kUnsupportedTypes), type_word) !=
               std::end(kUnsupportedTypes)) {
        cursor_.FailHere(
            "resource type " + type_word +
            " is not supported (supported: MENU, "
            "MENUEX, DIALOG, DIALOGEX, RCDATA, ICON, BITMAP, ACCELERATORS, WLMENUSTRING)");
    } else {
        cursor_.Expected("a resource type after resource id " + resource.id.Describe() +
                         " (MENU, MENUEX, DIALOG, DIALOGEX, RCDATA, ICON, BITMAP, ACCELERATORS, "
                         "WLMENUSTRING, a number from 256 or a name in double quotes)");
    }
    first_seen_.push_back(what);
    Add(std::move(resource), start);
}

}  // namespace

ResourceKey ResourceKey::Named(std::string name) {
    return ResourceKey{false, 0, Upper(std::move(name))};
}

ResourceScript ReadScriptFile(const std::filesystem::path& script,
                              const PreprocessOptions& options) {
    return ScriptReader(PreprocessFile(script, options), options).Read();
}

ResourceScript ReadScriptText(std::string_view text, const SourceFile& file,
                              const PreprocessOptions& options) {
    return ScriptReader(PreprocessText(text, file, options), options).Read();
}

}  // namespace heatwise::rc
