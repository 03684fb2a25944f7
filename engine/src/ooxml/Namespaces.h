// SPDX-License-Identifier: MIT
#pragma once

#include <pugixml.hpp>

#include <string_view>

namespace lectavo::engine::detail {

// The namespaces the reader tells apart; transitional and strict forms of a
// vocabulary map to the same value.
enum class Ns : unsigned char {
    None,       // no namespace, or an undeclared prefix
    Other,      // a namespace the reader does not understand
    Pml,        // PresentationML
    Dml,        // DrawingML main
    Rel,        // officeDocument relationships (attributes such as r:id)
    Mc,         // markup compatibility
    P14,        // PresentationML 2010 (p14:contentPart)
    Extension,  // a later extension the application understands (a14, p15, c14, cx, v, ...)
};

Ns classifyNamespace(std::string_view uri);

// True when a namespace may be required by an mc:Choice that the engine takes.
inline bool understood(Ns ns) { return ns != Ns::None && ns != Ns::Other; }

// The part of a qualified name after its prefix; cheap to test before resolving the prefix.
inline std::string_view localPart(const char* qualified)
{
    const std::string_view name(qualified);
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

struct QName {
    Ns ns = Ns::None;
    std::string_view local;
    bool is(Ns n, std::string_view l) const { return ns == n && local == l; }
};

// The namespace declarations in scope at one element: a chain up through the
// elements the reader descended through. Lives on the stack of the walk.
class Scope {
public:
    // The scope of element, inside parent (nullptr at the root).
    Scope(const Scope* parent, pugi::xml_node element);

    Ns resolve(std::string_view prefix) const;
    QName name(pugi::xml_node element) const { return split(element.name(), true); }
    QName name(pugi::xml_attribute attribute) const { return split(attribute.name(), false); }

private:
    QName split(std::string_view qualified, bool element) const;

    struct Binding {
        std::string_view prefix;
        Ns ns;
    };
    static constexpr int kInline = 12;

    const Scope* m_parent;
    pugi::xml_node m_element;  // when it declares more than kInline prefixes
    Binding m_bindings[kInline];
    int m_count = 0;
    bool m_overflow = false;
};

}  // namespace lectavo::engine::detail
