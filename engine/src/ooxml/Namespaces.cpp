// SPDX-License-Identifier: MIT
#include "ooxml/Namespaces.h"

#include <array>
#include <cstring>

namespace lectavo::engine::detail {

namespace {

struct Known {
    std::string_view uri;
    Ns ns;
};

constexpr std::array kKnown = {
    Known{"http://schemas.openxmlformats.org/presentationml/2006/main", Ns::Pml},
    Known{"http://purl.oclc.org/ooxml/presentationml/main", Ns::Pml},
    Known{"http://schemas.openxmlformats.org/drawingml/2006/main", Ns::Dml},
    Known{"http://purl.oclc.org/ooxml/drawingml/main", Ns::Dml},
    Known{"http://schemas.openxmlformats.org/officeDocument/2006/relationships", Ns::Rel},
    Known{"http://purl.oclc.org/ooxml/officeDocument/relationships", Ns::Rel},
    Known{"http://schemas.openxmlformats.org/markup-compatibility/2006", Ns::Mc},
    Known{"http://schemas.microsoft.com/office/powerpoint/2010/main", Ns::P14},
    // The 2010-and-later extensions of presentations, drawings, charts and VML.
    Known{"http://schemas.microsoft.com/office/powerpoint/2012/main", Ns::Extension},         // p15
    Known{"http://schemas.microsoft.com/office/powerpoint/2015/09/main", Ns::Extension},      // p159
    Known{"http://schemas.microsoft.com/office/powerpoint/2015/10/main", Ns::Extension},      // p1510
    Known{"http://schemas.microsoft.com/office/powerpoint/2016/slidezoom", Ns::Extension},    // pslz
    Known{"http://schemas.microsoft.com/office/powerpoint/2016/sectionzoom", Ns::Extension},  // psez
    Known{"http://schemas.microsoft.com/office/powerpoint/2016/summaryzoom", Ns::Extension},  // pssm
    Known{"http://schemas.microsoft.com/office/drawing/2010/main", Ns::Extension},            // a14
    Known{"http://schemas.microsoft.com/office/drawing/2012/main", Ns::Extension},            // a15
    Known{"http://schemas.microsoft.com/office/drawing/2014/main", Ns::Extension},            // a16
    Known{"http://schemas.microsoft.com/office/drawing/2016/ink", Ns::Extension},             // aink
    Known{"http://schemas.microsoft.com/office/drawing/2017/model3d", Ns::Extension},         // am3d
    Known{"http://schemas.microsoft.com/office/drawing/2016/SVG/main", Ns::Extension},        // asvg
    Known{"http://schemas.microsoft.com/office/drawing/2007/8/2/chart", Ns::Extension},       // c14
    Known{"http://schemas.microsoft.com/office/drawing/2012/chart", Ns::Extension},           // c15
    Known{"http://schemas.microsoft.com/office/drawing/2014/chartex", Ns::Extension},         // cx
    Known{"http://schemas.microsoft.com/office/drawing/2015/9/8/chartex", Ns::Extension},     // cx1
    Known{"http://schemas.microsoft.com/office/drawing/2015/10/21/chartex", Ns::Extension},   // cx2
    Known{"http://schemas.microsoft.com/office/drawing/2016/5/9/chartex", Ns::Extension},     // cx3
    Known{"http://schemas.microsoft.com/office/drawing/2016/5/10/chartex", Ns::Extension},    // cx4
    Known{"http://schemas.microsoft.com/office/drawing/2016/5/11/chartex", Ns::Extension},    // cx5
    Known{"http://schemas.microsoft.com/office/drawing/2016/5/12/chartex", Ns::Extension},    // cx6
    Known{"http://schemas.microsoft.com/office/drawing/2016/5/13/chartex", Ns::Extension},    // cx7
    Known{"http://schemas.microsoft.com/office/drawing/2016/5/14/chartex", Ns::Extension},    // cx8
    Known{"urn:schemas-microsoft-com:vml", Ns::Extension},                                    // v
    Known{"urn:schemas-microsoft-com:office:office", Ns::Extension},                          // o
};

constexpr std::string_view kXmlns = "xmlns";

}  // namespace

Ns classifyNamespace(std::string_view uri)
{
    if (uri.empty())
        return Ns::None;
    for (const Known& k : kKnown)
        if (k.uri == uri)
            return k.ns;
    return Ns::Other;
}

Scope::Scope(const Scope* parent, pugi::xml_node element) : m_parent(parent), m_element(element)
{
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        const char* n = a.name();
        if (std::strncmp(n, "xmlns", 5) != 0 || (n[5] != '\0' && n[5] != ':'))
            continue;
        if (m_count == kInline) {
            m_overflow = true;
            continue;
        }
        m_bindings[m_count++] = {std::string_view(n[5] ? n + 6 : n + 5), classifyNamespace(a.value())};
    }
}

Ns Scope::resolve(std::string_view prefix) const
{
    for (const Scope* s = this; s; s = s->m_parent) {
        for (int i = 0; i < s->m_count; ++i)
            if (s->m_bindings[i].prefix == prefix)
                return s->m_bindings[i].ns;
        if (s->m_overflow) {
            for (pugi::xml_attribute a = s->m_element.first_attribute(); a; a = a.next_attribute()) {
                std::string_view n = a.name();
                if (prefix.empty() ? n == kXmlns
                                   : (n.size() == prefix.size() + 6 && n.starts_with("xmlns:") && n.substr(6) == prefix))
                    return classifyNamespace(a.value());
            }
        }
    }
    return Ns::None;
}

QName Scope::split(std::string_view qualified, bool element) const
{
    const std::size_t colon = qualified.find(':');
    if (colon == std::string_view::npos)
        return {element ? resolve({}) : Ns::None, qualified};
    return {resolve(qualified.substr(0, colon)), qualified.substr(colon + 1)};
}

}  // namespace lectavo::engine::detail
