#include "json_layout.h"

#include <string>

namespace heatwise::cli {

namespace {

// Texts that are not valid UTF-8 are written with the replacement character rather than
// stopping the report.
std::string Scalar(const JsonDocument& value) {
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string OnOneLine(const JsonDocument& value) {
    if (value.is_object()) {
        std::string text = "{";
        for (auto member = value.begin(); member != value.end(); ++member) {
            text += (member == value.begin() ? "" : ", ") + Scalar(member.key()) + ": " +
                    OnOneLine(member.value());
        }
        return text + "}";
    }
    if (value.is_array()) {
        std::string text = "[";
        for (std::size_t i = 0; i < value.size(); ++i) {
            text += (i == 0 ? "" : ", ") + OnOneLine(value[i]);
        }
        return text + "]";
    }
    return Scalar(value);
}

}  // namespace

void PrintJsonDocument(const JsonDocument& document, std::ostream& out) {
    if (!document.is_object() && !document.is_array()) {
        out << Scalar(document) << "\n";
        return;
    }
    const bool object = document.is_object();
    out << (object ? "{" : "[");
    std::string separator = "\n";
    for (auto member = document.begin(); member != document.end(); ++member) {
        out << separator << "  ";
        if (object) {
            out << Scalar(member.key()) << ": ";
        }
        out << OnOneLine(member.value());
        separator = ",\n";
    }
    out << "\n" << (object ? "}" : "]") << "\n";
}

}  // namespace heatwise::cli
