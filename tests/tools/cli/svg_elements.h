// The pictures of heatwise-cli read back with a real XML parser (expat): every element in the
// order written, with its attributes, the text right inside it and the element it stands in.
#pragma once

#include <expat.h>

#include <map>
#include <string>
#include <vector>

namespace heatwise::cli {

struct SvgElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text;
    int parent = -1;  // the index of the element it stands in; -1 for the root

    double Number(const std::string& key) const { return std::stod(attributes.at(key)); }
    std::string Attribute(const std::string& key, const std::string& absent = "") const {
        const auto at = attributes.find(key);
        return at == attributes.end() ? absent : at->second;
    }
};

struct SvgElements {
    bool well_formed = false;
    std::vector<SvgElement> elements;

    // The elements of one name, in the order written.
    std::vector<SvgElement> Named(const std::string& name) const {
        std::vector<SvgElement> named;
        for (const SvgElement& element : elements) {
            if (element.name == name) {
                named.push_back(element);
            }
        }
        return named;
    }

    // Whether element `i` stands right inside an element named `name`.
    bool Inside(std::size_t i, const std::string& name) const {
        const int parent = elements[i].parent;
        return parent >= 0 && elements[static_cast<std::size_t>(parent)].name == name;
    }
};

inline SvgElements ReadSvgElements(const std::string& document) {
    struct State {
        SvgElements read;
        std::vector<int> open;
    } state;
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attributes) {
            auto& s = *static_cast<State*>(data);
            SvgElement& element = s.read.elements.emplace_back();
            element.name = name;
            element.parent = s.open.empty() ? -1 : s.open.back();
            for (int i = 0; attributes[i] != nullptr; i += 2) {
                element.attributes[attributes[i]] = attributes[i + 1];
            }
            s.open.push_back(static_cast<int>(s.read.elements.size()) - 1);
        },
        [](void* data, const XML_Char*) { static_cast<State*>(data)->open.pop_back(); });
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* text, int length) {
        auto& s = *static_cast<State*>(data);
        if (!s.open.empty()) {
            s.read.elements[static_cast<std::size_t>(s.open.back())].text.append(
                text, static_cast<std::size_t>(length));
        }
    });
    state.read.well_formed = XML_Parse(parser, document.data(), static_cast<int>(document.size()),
                                       XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return state.read;
}

}  // namespace heatwise::cli
