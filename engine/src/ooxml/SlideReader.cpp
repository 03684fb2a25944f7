// SPDX-License-Identifier: MIT
#include "ooxml/SlideReader.h"

#include <cstring>
#include <string>

#include "ooxml/Namespaces.h"

namespace lectavo::engine::detail {

namespace {

void appendUtf8(std::u16string& out, const char* s)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s);
    while (*p) {
        const unsigned c = *p;
        if (c < 0x80) {
            const unsigned char* ascii = p;
            while (*p && *p < 0x80)
                ++p;
            out.append(ascii, p);
            continue;
        }
        unsigned length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
        unsigned code = length == 4 ? c & 0x07 : length == 3 ? c & 0x0F : c & 0x1F;
        unsigned i = 1;
        for (; i < length && (p[i] & 0xC0) == 0x80; ++i)
            code = (code << 6) | (p[i] & 0x3F);
        const bool overlong = (length == 2 && code < 0x80) || (length == 3 && code < 0x800) ||
                              (length == 4 && code < 0x10000);
        if (length == 0 || i < length || c > 0xF4 || overlong || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
            out += u'\uFFFD';
            p += i == 0 ? 1 : i;
            continue;
        }
        p += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
    }
}

void appendText(std::u16string& out, pugi::xml_node t)
{
    for (pugi::xml_node c = t.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata)
            appendUtf8(out, c.value());
}

// Namespaces are resolved only for elements whose local name matches: most are passed over on the name alone.
pugi::xml_node childNamed(const Scope& scope, pugi::xml_node parent, Ns ns, std::string_view local)
{
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling())
        if (localPart(c.name()) == local && Scope(&scope, c).name(c).ns == ns)
            return c;
    return {};
}

// The branch an mc:AlternateContent stands for: its first Choice whose
// required prefixes all resolve to understood namespaces, else its Fallback.
pugi::xml_node chosenBranch(const Scope& scope, pugi::xml_node alternate)
{
    pugi::xml_node fallback;
    for (pugi::xml_node branch = alternate.first_child(); branch; branch = branch.next_sibling()) {
        if (branch.type() != pugi::node_element)
            continue;
        const Scope branchScope(&scope, branch);
        const QName name = branchScope.name(branch);
        if (name.is(Ns::Mc, "Choice")) {
            std::string_view requires_ = branch.attribute("Requires").value();
            bool all = true;
            bool any = false;
            while (!requires_.empty()) {
                const std::size_t start = requires_.find_first_not_of(" \t\r\n");
                if (start == std::string_view::npos)
                    break;
                requires_.remove_prefix(start);
                const std::size_t end = std::min(requires_.find_first_of(" \t\r\n"), requires_.size());
                any = true;
                all = all && understood(branchScope.resolve(requires_.substr(0, end)));
                requires_.remove_prefix(end);
            }
            if (all && any)
                return branch;
        } else if (name.is(Ns::Mc, "Fallback") && !fallback) {
            fallback = branch;
        }
    }
    return fallback;
}

class SlideWalk {
public:
    SlideWalk(int number, Slide& out) : m_out(out)
    {
        const std::string digits = std::to_string(number);
        m_number.assign(digits.begin(), digits.end());
    }

    void shapes(const Scope& scope, pugi::xml_node container)
    {
        for (pugi::xml_node child = container.first_child(); child; child = child.next_sibling()) {
            const std::string_view local = localPart(child.name());
            if (local != "AlternateContent" && !isShape(local))
                continue;
            const Scope childScope(&scope, child);
            const QName name = childScope.name(child);
            if (name.is(Ns::Mc, "AlternateContent")) {
                if (pugi::xml_node branch = chosenBranch(childScope, child))
                    shapes(Scope(&childScope, branch), branch);
            } else if (name.ns == Ns::Pml && isShape(name.local)) {
                Shape& shape = m_out.shapes.emplace_back();
                if (name.local == "sp") {
                    shape.hasTextFrame = true;
                    // Gathered in one reused buffer, so each text is allocated once, at its size.
                    m_text.clear();
                    textBody(childScope, child, m_text);
                    shape.text = m_text;
                }
            } else if (name.is(Ns::P14, "contentPart")) {
                m_out.shapes.emplace_back();
            }
        }
    }

private:
    static bool isShape(std::string_view local)
    {
        return local == "sp" || local == "grpSp" || local == "graphicFrame" || local == "cxnSp" || local == "pic" ||
               local == "contentPart";
    }

    void textBody(const Scope& shapeScope, pugi::xml_node shape, std::u16string& text)
    {
        const pugi::xml_node body = childNamed(shapeScope, shape, Ns::Pml, "txBody");
        if (!body)
            return;
        const Scope bodyScope(&shapeScope, body);
        bool first = true;
        for (pugi::xml_node p = body.first_child(); p; p = p.next_sibling()) {
            if (localPart(p.name()) != "p")
                continue;
            const Scope pScope(&bodyScope, p);
            if (!pScope.name(p).is(Ns::Dml, "p"))
                continue;
            if (!first)
                text += u'\r';
            first = false;
            runs(pScope, p, text);
        }
    }

    void runs(const Scope& scope, pugi::xml_node paragraph, std::u16string& text)
    {
        for (pugi::xml_node run = paragraph.first_child(); run; run = run.next_sibling()) {
            const std::string_view local = localPart(run.name());
            if (local != "r" && local != "br" && local != "fld" && local != "AlternateContent")
                continue;
            const Scope runScope(&scope, run);
            const QName name = runScope.name(run);
            if (name.ns == Ns::Dml) {
                if (name.local == "r") {
                    runText(runScope, run, text);
                } else if (name.local == "br") {
                    text += u'\v';
                } else if (name.local == "fld") {
                    if (std::strcmp(run.attribute("type").value(), "slidenum") == 0)
                        text += m_number;
                    else
                        runText(runScope, run, text);
                }
            } else if (name.is(Ns::Mc, "AlternateContent")) {
                if (pugi::xml_node branch = chosenBranch(runScope, run))
                    runs(Scope(&runScope, branch), branch, text);
            }
        }
    }

    static void runText(const Scope& scope, pugi::xml_node run, std::u16string& text)
    {
        for (pugi::xml_node t = run.first_child(); t; t = t.next_sibling())
            if (localPart(t.name()) == "t" && Scope(&scope, t).name(t).ns == Ns::Dml)
                appendText(text, t);
    }

    Slide& m_out;
    std::u16string m_number;
    std::u16string m_text;
};

}  // namespace

bool readSlide(pugi::xml_node root, int number, Slide& out)
{
    const Scope rootScope(nullptr, root);
    if (!rootScope.name(root).is(Ns::Pml, "sld"))
        return false;
    const pugi::xml_node common = childNamed(rootScope, root, Ns::Pml, "cSld");
    if (!common)
        return false;
    const Scope commonScope(&rootScope, common);
    const pugi::xml_node tree = childNamed(commonScope, common, Ns::Pml, "spTree");
    if (!tree)
        return false;
    SlideWalk(number, out).shapes(Scope(&commonScope, tree), tree);
    return true;
}

}  // namespace lectavo::engine::detail
