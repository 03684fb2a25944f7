// SPDX-License-Identifier: MIT
#include "ooxml/XmlPart.h"

#include "lectavo/engine/OpenError.h"
#include "ooxml/Package.h"

namespace lectavo::engine::detail {

namespace {

// No entity is ever expanded beyond the five predefined ones and character
// references; a DOCTYPE is kept only so that it can be refused. Whitespace-only
// text is kept where it is an element's only content: a run of a single space.
constexpr unsigned kParseFlags = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_eol |
                                 pugi::parse_ws_pcdata_single | pugi::parse_doctype;

// pugixml walks the tree itself, one virtual call a node: far cheaper than
// stepping through the handles from outside.
class DepthProbe : public pugi::xml_tree_walker {
public:
    explicit DepthProbe(unsigned maxDepth) : m_maxDepth(static_cast<int>(maxDepth)) {}
    bool for_each(pugi::xml_node&) override
    {
        m_exceeded = depth() >= m_maxDepth;
        return !m_exceeded;
    }
    bool exceeded() const { return m_exceeded; }

private:
    int m_maxDepth;
    bool m_exceeded = false;
};

}  // namespace

pugi::xml_node XmlPart::load(Package& package, const std::string& name, unsigned maxDepth)
{
    package.read(name, m_bytes);
    const pugi::xml_parse_result result =
        m_document.load_buffer_inplace(m_bytes.data(), m_bytes.size(), kParseFlags, pugi::encoding_auto);
    if (!result)
        throw OpenError(OpenFailure::Damaged, "the part /" + name + " is not well-formed XML (" +
                                                  result.description() + " at offset " +
                                                  std::to_string(result.offset) + ")");
    pugi::xml_node root;
    for (pugi::xml_node child = m_document.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_doctype)
            throw OpenError(OpenFailure::Damaged, "the part /" + name + " has a document type declaration");
        if (child.type() == pugi::node_element && !root)
            root = child;
    }
    if (!root)
        throw OpenError(OpenFailure::Damaged, "the part /" + name + " has no root element");
    DepthProbe probe(maxDepth);
    m_document.traverse(probe);
    if (probe.exceeded())
        throw OpenError(OpenFailure::Damaged, "the part /" + name + " nests deeper than " + std::to_string(maxDepth) +
                                                  " levels");
    return root;
}

}  // namespace lectavo::engine::detail
