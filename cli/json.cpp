#include "cli/json.h"

#include <cstdio>
#include <variant>

namespace omenary::cli {

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    quoted += escaped;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

namespace {

struct ElementFields {
    std::string text;
    std::string picture;
    std::string colour;
};

ElementFields FieldsOf(const report::Element& element) {
    return std::visit(
        [](const auto& content) -> ElementFields {
            using Content = std::decay_t<decltype(content)>;
            if constexpr (std::is_same_v<Content, report::Text>) {
                return {content.caption, "", std::string(report::ColourName(content.font.colour))};
            } else if constexpr (std::is_same_v<Content, report::Picture>) {
                return {"", content.file, ""};
            } else {
                return {"", "", std::string(report::ColourName(content.pen))};
            }
        },
        element.content);
}

}  // namespace

void WriteReportJson(std::ostream& out, const NamedValues& values, const report::Page& page,
                     const report::TextMetrics& metrics, const std::vector<std::string>& messages) {
    out << "{\n  \"values\": {";
    const char* separator = "\n";
    for (const auto& [name, value] : values) {
        out << separator << "    " << JsonString(name) << ": " << JsonString(value);
        separator = ",\n";
    }
    out << "\n  },\n  \"page\": {";
    separator = "\n";
    for (const report::Element& element : page.Elements()) {
        const report::Box box = page.FinalBox(element, metrics);
        const ElementFields fields = FieldsOf(element);
        out << separator << "    " << JsonString(element.name) << ": {\"kind\": \""
            << report::KindName(element.Kind()) << "\", \"x\": " << box.x << ", \"y\": " << box.y
            << ", \"w\": " << box.width << ", \"h\": " << box.height
            << ", \"text\": " << JsonString(fields.text) << ", \"picture\": " << JsonString(fields.picture)
            << ", \"color\": " << JsonString(fields.colour) << "}";
        separator = ",\n";
    }
    out << "\n  },\n  \"messages\": [";
    separator = "";
    for (const std::string& message : messages) {
        out << separator << JsonString(message);
        separator = ", ";
    }
    out << "]\n}\n";
}

}  // namespace omenary::cli
