// SPDX-License-Identifier: MIT
#include "ooxml/OoxmlReader.h"

#include <array>
#include <charconv>
#include <string>
#include <unordered_map>
#include <vector>

#include "lectavo/engine/OpenError.h"
#include "ooxml/Namespaces.h"
#include "ooxml/Package.h"
#include "ooxml/SlideReader.h"
#include "ooxml/XmlPart.h"

namespace lectavo::engine::detail {

namespace {

constexpr std::array<std::string_view, 2> kRelationshipBases = {
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/",
    "http://purl.oclc.org/ooxml/officeDocument/relationships/",
};

// The main part's content type of a presentation, a slide show, a template and their macro-enabled forms.
constexpr std::array<std::string_view, 6> kMainContentTypes = {
    "application/vnd.openxmlformats-officedocument.presentationml.presentation.main+xml",
    "application/vnd.openxmlformats-officedocument.presentationml.slideshow.main+xml",
    "application/vnd.openxmlformats-officedocument.presentationml.template.main+xml",
    "application/vnd.ms-powerpoint.presentation.macroEnabled.main+xml",
    "application/vnd.ms-powerpoint.slideshow.macroEnabled.main+xml",
    "application/vnd.ms-powerpoint.template.macroEnabled.main+xml",
};

const std::string kContentTypesPart = "[Content_Types].xml";
const std::string kPackageRelsPart = "_rels/.rels";

bool sameAscii(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

bool isRelationshipType(std::string_view type, std::string_view name)
{
    for (std::string_view base : kRelationshipBases)
        if (type.size() == base.size() + name.size() && type.starts_with(base) && type.substr(base.size()) == name)
            return true;
    return false;
}

std::string_view localName(const char* qualified)
{
    std::string_view n(qualified);
    const std::size_t colon = n.find(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

std::string folderOf(const std::string& part) { return part.substr(0, part.rfind('/') + 1); }

std::string relationshipsPartOf(const std::string& part)
{
    const std::string folder = folderOf(part);
    return folder + "_rels/" + part.substr(folder.size()) + ".rels";
}

// A relationship target as a part name, or a failure when it leaves the package.
std::string resolveTarget(const std::string& sourceFolder, std::string_view target)
{
    if (const std::size_t hash = target.find('#'); hash != std::string_view::npos)
        target = target.substr(0, hash);
    const std::size_t colon = target.find(':');
    if (target.empty() || (colon != std::string_view::npos && target.find('/') > colon) || target.starts_with("//"))
        throw OpenError(OpenFailure::Damaged, "the relationship target '" + std::string(target) + "' is not a part");
    std::string path = target.front() == '/' ? std::string(target) : sourceFolder + std::string(target);
    std::vector<std::string_view> segments;
    std::string_view rest(path);
    while (!rest.empty()) {
        const std::size_t slash = std::min(rest.find('/'), rest.size());
        const std::string_view segment = rest.substr(0, slash);
        rest.remove_prefix(std::min(slash + 1, rest.size()));
        if (segment.empty() || segment == ".")
            continue;
        if (segment == "..") {
            if (segments.empty())
                throw OpenError(OpenFailure::Damaged,
                                "the relationship target '" + std::string(target) + "' leaves the package");
            segments.pop_back();
            continue;
        }
        segments.push_back(segment);
    }
    std::string resolved;
    for (std::string_view s : segments) {
        if (!resolved.empty())
            resolved += '/';
        resolved += s;
    }
    if (resolved.empty())
        throw OpenError(OpenFailure::Damaged, "the relationship target '" + std::string(target) + "' is not a part");
    return resolved;
}

struct Relationship {
    std::string type;
    std::string target;  // a part name, empty for an external target
};

class PackageReader {
public:
    PackageReader(Package package, const Limits& limits) : m_package(std::move(package)), m_limits(limits) {}

    Document read()
    {
        const std::string mainPart = mainPartName();
        checkMainContentType(mainPart);

        int firstNumber = 1;
        std::vector<std::string> slideParts = slidePartNames(mainPart, firstNumber);

        Document document;
        document.slides.reserve(slideParts.size());
        for (std::size_t i = 0; i < slideParts.size(); ++i) {
            const pugi::xml_node root = m_xml.load(m_package, slideParts[i], m_limits.xmlDepth);
            const long long number = static_cast<long long>(firstNumber) + static_cast<long long>(i);
            if (!readSlide(root, static_cast<int>(number), document.slides.emplace_back()))
                throw OpenError(OpenFailure::Damaged, "the part /" + slideParts[i] + " is not a slide");
        }
        return document;
    }

private:
    std::string mainPartName()
    {
        if (!m_package.contains(kPackageRelsPart)) {
            if (!m_package.contains(kContentTypesPart))
                throw OpenError(OpenFailure::NotAPresentation, "the zip file is not an OOXML package");
            throw OpenError(OpenFailure::Damaged, "the package has no relationships (/_rels/.rels)");
        }
        relationships(kPackageRelsPart, "");
        for (const Relationship& rel : m_ordered)
            if (isRelationshipType(rel.type, "officeDocument")) {
                if (rel.target.empty())
                    throw OpenError(OpenFailure::Damaged, "the main part is outside the package");
                if (!m_package.contains(rel.target))
                    throw OpenError(OpenFailure::Damaged, "the main part /" + rel.target + " is missing");
                return rel.target;
            }
        throw OpenError(OpenFailure::NotAPresentation, "the package has no main document");
    }

    void checkMainContentType(const std::string& mainPart)
    {
        if (!m_package.contains(kContentTypesPart))
            throw OpenError(OpenFailure::Damaged, "the package has no content types ([Content_Types].xml)");
        const pugi::xml_node types = m_xml.load(m_package, kContentTypesPart, m_limits.xmlDepth);
        const std::string partName = "/" + mainPart;
        const std::string_view extension = std::string_view(mainPart).substr(mainPart.rfind('.') + 1);
        std::string_view byDefault, byOverride;
        bool overridden = false;
        for (pugi::xml_node entry = types.first_child(); entry; entry = entry.next_sibling()) {
            const std::string_view kind = localName(entry.name());
            if (kind == "Override" && !overridden && sameAscii(entry.attribute("PartName").value(), partName)) {
                byOverride = entry.attribute("ContentType").value();
                overridden = true;
            } else if (kind == "Default" && byDefault.empty() &&
                       sameAscii(entry.attribute("Extension").value(), extension)) {
                byDefault = entry.attribute("ContentType").value();
            }
        }
        const std::string_view type = overridden ? byOverride : byDefault;
        for (std::string_view known : kMainContentTypes)
            if (sameAscii(type, known))
                return;
        throw OpenError(OpenFailure::NotAPresentation,
                        type.empty() ? "the main part has no content type"
                                     : "the main part is of type " + std::string(type));
    }

    std::vector<std::string> slidePartNames(const std::string& mainPart, int& firstNumber)
    {
        std::vector<std::string> ids;
        {
            const pugi::xml_node root = m_xml.load(m_package, mainPart, m_limits.xmlDepth);
            const Scope rootScope(nullptr, root);
            if (!rootScope.name(root).is(Ns::Pml, "presentation"))
                throw OpenError(OpenFailure::Damaged, "the main part /" + mainPart + " is not a presentation");
            const char* first = root.attribute("firstSlideNum").value();
            int parsed = 0;
            const auto [end, ec] = std::from_chars(first, first + std::char_traits<char>::length(first), parsed);
            if (ec == std::errc() && *end == '\0' && parsed >= 0 && parsed <= 9999)
                firstNumber = parsed;
            for (pugi::xml_node list = root.first_child(); list; list = list.next_sibling()) {
                const Scope listScope(&rootScope, list);
                if (!listScope.name(list).is(Ns::Pml, "sldIdLst"))
                    continue;
                for (pugi::xml_node id = list.first_child(); id; id = id.next_sibling()) {
                    const Scope idScope(&listScope, id);
                    if (id.type() != pugi::node_element || !idScope.name(id).is(Ns::Pml, "sldId"))
                        continue;
                    pugi::xml_attribute relId;
                    for (pugi::xml_attribute a = id.first_attribute(); a && !relId; a = a.next_attribute())
                        if (idScope.name(a).is(Ns::Rel, "id"))
                            relId = a;
                    if (!relId)
                        throw OpenError(OpenFailure::Damaged, "a slide of the presentation has no relationship id");
                    ids.emplace_back(relId.value());
                }
                break;
            }
        }

        std::vector<std::string> parts;
        if (ids.empty())
            return parts;
        const std::string relsPart = relationshipsPartOf(mainPart);
        if (!m_package.contains(relsPart))
            throw OpenError(OpenFailure::Damaged, "the presentation's relationships are missing");
        const auto& rels = relationships(relsPart, folderOf(mainPart));
        parts.reserve(ids.size());
        for (const std::string& id : ids) {
            const auto it = rels.find(id);
            if (it == rels.end())
                throw OpenError(OpenFailure::Damaged, "the slide relationship " + id + " is missing");
            if (!isRelationshipType(it->second.type, "slide") || it->second.target.empty())
                throw OpenError(OpenFailure::Damaged, "the relationship " + id + " does not lead to a slide");
            parts.push_back(it->second.target);
        }
        return parts;
    }

    const std::unordered_map<std::string, Relationship>& relationships(const std::string& relsPart,
                                                                       const std::string& sourceFolder)
    {
        m_relationships.clear();
        m_ordered.clear();
        const pugi::xml_node root = m_xml.load(m_package, relsPart, m_limits.xmlDepth);
        if (localName(root.name()) != "Relationships")
            throw OpenError(OpenFailure::Damaged, "the part /" + relsPart + " holds no relationships");
        for (pugi::xml_node r = root.first_child(); r; r = r.next_sibling()) {
            if (localName(r.name()) != "Relationship")
                continue;
            Relationship rel{r.attribute("Type").value(), {}};
            const bool external = sameAscii(r.attribute("TargetMode").value(), "External");
            const bool wanted = isRelationshipType(rel.type, "officeDocument") || isRelationshipType(rel.type, "slide");
            if (!external && wanted)
                rel.target = resolveTarget(sourceFolder, r.attribute("Target").value());
            m_ordered.push_back(rel);
            m_relationships.emplace(r.attribute("Id").value(), std::move(rel));
        }
        return m_relationships;
    }

    Package m_package;
    Limits m_limits;
    XmlPart m_xml;
    std::unordered_map<std::string, Relationship> m_relationships;
    std::vector<Relationship> m_ordered;
};

}  // namespace

Document readOoxml(std::string_view bytes, const Limits& limits)
{
    return PackageReader(Package::fromBytes(bytes, limits), limits).read();
}

Document readOoxmlFile(std::ifstream file, const Limits& limits)
{
    return PackageReader(Package::fromFile(std::move(file), limits), limits).read();
}

}  // namespace lectavo::engine::detail
