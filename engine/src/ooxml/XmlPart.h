// SPDX-License-Identifier: MIT
#pragma once

#include <pugixml.hpp>

#include <string>

namespace lectavo::engine::detail {

class Package;

// One parsed XML part. The DOM is built in place over the inflated bytes,
// so both live here and are reused from part to part.
class XmlPart {
public:
    // Inflates and parses the part; returns its root element. Throws OpenError
    // (Damaged for malformed XML, a document type declaration or nesting deeper than maxDepth).
    pugi::xml_node load(Package& package, const std::string& name, unsigned maxDepth);

private:
    std::string m_bytes;
    pugi::xml_document m_document;
};

}  // namespace lectavo::engine::detail
