// SPDX-License-Identifier: MIT
#include "lectavo/deckwriter/DeckWriter.h"

#include <array>
#include <stdexcept>

#include "Png.h"

namespace lectavo::deckwriter {

namespace {

constexpr const char* kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* kNs =
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"";
constexpr const char* kRelBase = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

struct KindInfo {
    std::string_view extension;
    std::string_view contentType;
};

constexpr std::array<KindInfo, 6> kKinds = {{
    {".pptx", "application/vnd.openxmlformats-officedocument.presentationml.presentation.main+xml"},
    {".ppsx", "application/vnd.openxmlformats-officedocument.presentationml.slideshow.main+xml"},
    {".potx", "application/vnd.openxmlformats-officedocument.presentationml.template.main+xml"},
    {".pptm", "application/vnd.ms-powerpoint.presentation.macroEnabled.main+xml"},
    {".ppsm", "application/vnd.ms-powerpoint.slideshow.macroEnabled.main+xml"},
    {".potm", "application/vnd.ms-powerpoint.template.macroEnabled.main+xml"},
}};

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            // XML 1.0 has no place for other control characters.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                out += c;
        }
    }
    return out;
}

std::string relationship(int id, const std::string& type, const std::string& target)
{
    return "<Relationship Id=\"rId" + std::to_string(id) + "\" Type=\"" + kRelBase + type + "\" Target=\"" + target +
           "\"/>";
}

std::string relationships(const std::string& body)
{
    return std::string(kDecl) +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" + body +
           "</Relationships>";
}

// A text body: paragraphs at '\n', soft breaks at '\v'.
std::string textBody(std::string_view text, bool textBox)
{
    std::string out = "<p:txBody>";
    out += textBox ? "<a:bodyPr wrap=\"square\" rtlCol=\"0\"><a:spAutoFit/></a:bodyPr>" : "<a:bodyPr/>";
    out += "<a:lstStyle/>";
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view paragraph = text.substr(start, end - start);
        out += "<a:p>";
        std::size_t runStart = 0;
        for (;;) {
            const std::size_t runEnd = std::min(paragraph.find('\v', runStart), paragraph.size());
            if (runEnd > runStart)
                out += "<a:r><a:rPr lang=\"en-US\" dirty=\"0\"/><a:t>" +
                       escaped(paragraph.substr(runStart, runEnd - runStart)) + "</a:t></a:r>";
            if (runEnd == paragraph.size())
                break;
            out += "<a:br><a:rPr lang=\"en-US\" dirty=\"0\"/></a:br>";
            runStart = runEnd + 1;
        }
        out += "<a:endParaRPr lang=\"en-US\" dirty=\"0\"/></a:p>";
        if (end == text.size())
            break;
        start = end + 1;
    }
    return out + "</p:txBody>";
}

std::string offset(long x, long y, long cx, long cy)
{
    return "<a:xfrm><a:off x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\"/><a:ext cx=\"" +
           std::to_string(cx) + "\" cy=\"" + std::to_string(cy) + "\"/></a:xfrm>";
}

std::string shapeXml(const TextShape& shape, int id, int textBoxIndex)
{
    const std::string sid = std::to_string(id);
    using Role = TextShape::Role;
    switch (shape.role) {
    case Role::Title:
        return "<p:sp><p:nvSpPr><p:cNvPr id=\"" + sid + "\" name=\"Title " + std::to_string(id - 1) +
               "\"/><p:cNvSpPr><a:spLocks noGrp=\"1\"/></p:cNvSpPr><p:nvPr><p:ph type=\"title\"/></p:nvPr></p:nvSpPr>"
               "<p:spPr/>" +
               textBody(shape.text, false) + "</p:sp>";
    case Role::Body:
        return "<p:sp><p:nvSpPr><p:cNvPr id=\"" + sid + "\" name=\"Content Placeholder " + std::to_string(id - 1) +
               "\"/><p:cNvSpPr><a:spLocks noGrp=\"1\"/></p:cNvSpPr><p:nvPr><p:ph idx=\"1\"/></p:nvPr></p:nvSpPr>"
               "<p:spPr/>" +
               textBody(shape.text, false) + "</p:sp>";
    case Role::SlideNumber:
        return "<p:sp><p:nvSpPr><p:cNvPr id=\"" + sid + "\" name=\"Slide Number Placeholder " +
               std::to_string(id - 1) +
               "\"/><p:cNvSpPr><a:spLocks noGrp=\"1\"/></p:cNvSpPr><p:nvPr><p:ph type=\"sldNum\" sz=\"quarter\" "
               "idx=\"12\"/></p:nvPr></p:nvSpPr><p:spPr/><p:txBody><a:bodyPr/><a:lstStyle/><a:p><a:fld "
               "id=\"{B6F15528-21DE-4FAA-801E-634DDDAF4B2B}\" type=\"slidenum\"><a:rPr lang=\"en-US\"/><a:t>" +
               escaped(shape.text) + "</a:t></a:fld><a:endParaRPr lang=\"en-US\"/></a:p></p:txBody></p:sp>";
    case Role::Rectangle:
        return "<p:sp><p:nvSpPr><p:cNvPr id=\"" + sid + "\" name=\"Rectangle " + std::to_string(id - 1) +
               "\"/><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr>" +
               offset(838200 + 400000L * (textBoxIndex % 8), 4800000, 1200000, 800000) +
               "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></p:spPr>" +
               (shape.text.empty() ? std::string() : textBody(shape.text, false)) + "</p:sp>";
    case Role::TextBox:
        break;
    }
    const long row = textBoxIndex % 12;
    return "<p:sp><p:nvSpPr><p:cNvPr id=\"" + sid + "\" name=\"TextBox " + std::to_string(id - 1) +
           "\"/><p:cNvSpPr txBox=\"1\"/><p:nvPr/></p:nvSpPr><p:spPr>" +
           offset(838200 + 5300000L * (row % 2), 1700000 + 700000L * (row / 2), 5000000, 600000) +
           "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom><a:noFill/></p:spPr>" + textBody(shape.text, true) +
           "</p:sp>";
}

std::string slideXml(const SlideContent& slide, int firstPictureRel)
{
    std::string out = std::string(kDecl) + "<p:sld" + kNs + (slide.hidden ? " show=\"0\"" : "") +
                      "><p:cSld><p:spTree><p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/>"
                      "</p:nvGrpSpPr><p:grpSpPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"0\" cy=\"0\"/><a:chOff "
                      "x=\"0\" y=\"0\"/><a:chExt cx=\"0\" cy=\"0\"/></a:xfrm></p:grpSpPr>";
    int id = 2;
    int boxes = 0;
    for (const TextShape& shape : slide.shapes) {
        const bool free = shape.role == TextShape::Role::TextBox || shape.role == TextShape::Role::Rectangle;
        out += shapeXml(shape, id++, free ? boxes++ : 0);
    }
    for (std::size_t i = 0; i < slide.pictures.size(); ++i) {
        const std::string sid = std::to_string(id++);
        out += "<p:pic><p:nvPicPr><p:cNvPr id=\"" + sid + "\" name=\"Picture " + sid +
               "\"/><p:cNvPicPr><a:picLocks noChangeAspect=\"1\"/></p:cNvPicPr><p:nvPr/></p:nvPicPr><p:blipFill>"
               "<a:blip r:embed=\"rId" +
               std::to_string(firstPictureRel + static_cast<int>(i)) +
               "\"/><a:stretch><a:fillRect/></a:stretch></p:blipFill><p:spPr>" +
               offset(6096000 + 300000L * static_cast<long>(i % 8), 3429000, 2400000, 1800000) +
               "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></p:spPr></p:pic>";
    }
    return out + "</p:spTree></p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sld>";
}

std::string placeholderShape(int id, const std::string& name, const std::string& ph, long x, long y, long cx, long cy,
                             const std::string& body)
{
    return "<p:sp><p:nvSpPr><p:cNvPr id=\"" + std::to_string(id) + "\" name=\"" + name +
           "\"/><p:cNvSpPr><a:spLocks noGrp=\"1\"/></p:cNvSpPr><p:nvPr>" + ph + "</p:nvPr></p:nvSpPr><p:spPr>" +
           offset(x, y, cx, cy) + "</p:spPr><p:txBody><a:bodyPr/><a:lstStyle/>" + body + "</p:txBody></p:sp>";
}

std::string placeholderTree(bool master)
{
    const std::string typeTitle = "<p:ph type=\"title\"/>";
    const std::string typeBody = master ? "<p:ph type=\"body\" idx=\"1\"/>" : "<p:ph idx=\"1\"/>";
    const std::string typeNumber = "<p:ph type=\"sldNum\" sz=\"quarter\" idx=\"12\"/>";
    const std::string levels = master ? "<a:p><a:pPr lvl=\"0\"/><a:r><a:rPr lang=\"en-US\"/><a:t>Click to edit Master "
                                        "text styles</a:t></a:r></a:p><a:p><a:pPr lvl=\"1\"/><a:r><a:rPr "
                                        "lang=\"en-US\"/><a:t>Second level</a:t></a:r></a:p>"
                                      : "<a:p><a:r><a:rPr lang=\"en-US\"/><a:t>Click to edit Master text "
                                        "styles</a:t></a:r></a:p>";
    return "<p:spTree><p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr>"
           "<a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"0\" cy=\"0\"/><a:chOff x=\"0\" y=\"0\"/><a:chExt cx=\"0\" "
           "cy=\"0\"/></a:xfrm></p:grpSpPr>" +
           placeholderShape(2, "Title Placeholder 1", typeTitle, 838200, 365125, 10515600, 1325563,
                            "<a:p><a:r><a:rPr lang=\"en-US\"/><a:t>Click to edit Master title style</a:t></a:r></a:p>") +
           placeholderShape(3, "Text Placeholder 2", typeBody, 838200, 1825625, 10515600, 4351338, levels) +
           placeholderShape(4, "Slide Number Placeholder 3", typeNumber, 8610600, 6356350, 2743200, 365125,
                            "<a:p><a:fld id=\"{B6F15528-21DE-4FAA-801E-634DDDAF4B2B}\" type=\"slidenum\"><a:rPr "
                            "lang=\"en-US\"/><a:t>&lt;#&gt;</a:t></a:fld><a:endParaRPr lang=\"en-US\"/></a:p>") +
           "</p:spTree>";
}

std::string levelStyle(int level, int size, bool bullet)
{
    const std::string n = std::to_string(level);
    const long margin = bullet ? 228600 + 457200L * (level - 1) : 0;
    return "<a:lvl" + n + "pPr marL=\"" + std::to_string(margin) + "\" indent=\"" + (bullet ? "-228600" : "0") +
           "\" algn=\"l\" defTabSz=\"914400\" rtl=\"0\" eaLnBrk=\"1\" latinLnBrk=\"0\" hangingPunct=\"1\">" +
           (bullet ? "<a:buFont typeface=\"Arial\"/><a:buChar char=\"&#8226;\"/>" : "<a:buNone/>") +
           "<a:defRPr sz=\"" + std::to_string(size) +
           "\" kern=\"1200\"><a:solidFill><a:schemeClr val=\"tx1\"/></a:solidFill><a:latin typeface=\"+mn-lt\"/>"
           "<a:ea typeface=\"+mn-ea\"/><a:cs typeface=\"+mn-cs\"/></a:defRPr></a:lvl" +
           n + "pPr>";
}

std::string masterXml()
{
    std::string body, other;
    for (int level = 1; level <= 9; ++level) {
        body += levelStyle(level, level == 1 ? 2800 : 2000, true);
        other += levelStyle(level, 1800, false);
    }
    return std::string(kDecl) + "<p:sldMaster" + kNs +
           "><p:cSld><p:bg><p:bgRef idx=\"1001\"><a:schemeClr val=\"bg1\"/></p:bgRef></p:bg>" +
           placeholderTree(true) +
           "</p:cSld><p:clrMap bg1=\"lt1\" tx1=\"dk1\" bg2=\"lt2\" tx2=\"dk2\" accent1=\"accent1\" "
           "accent2=\"accent2\" accent3=\"accent3\" accent4=\"accent4\" accent5=\"accent5\" accent6=\"accent6\" "
           "hlink=\"hlink\" folHlink=\"folHlink\"/><p:sldLayoutIdLst><p:sldLayoutId id=\"2147483649\" "
           "r:id=\"rId1\"/></p:sldLayoutIdLst><p:txStyles><p:titleStyle><a:lvl1pPr algn=\"l\" defTabSz=\"914400\" "
           "rtl=\"0\" eaLnBrk=\"1\" latinLnBrk=\"0\" hangingPunct=\"1\"><a:lnSpc><a:spcPct val=\"90000\"/></a:lnSpc>"
           "<a:buNone/><a:defRPr sz=\"4400\" kern=\"1200\"><a:solidFill><a:schemeClr val=\"tx1\"/></a:solidFill>"
           "<a:latin typeface=\"+mj-lt\"/><a:ea typeface=\"+mj-ea\"/><a:cs typeface=\"+mj-cs\"/></a:defRPr>"
           "</a:lvl1pPr></p:titleStyle><p:bodyStyle>" +
           body + "</p:bodyStyle><p:otherStyle>" + other + "</p:otherStyle></p:txStyles></p:sldMaster>";
}

std::string layoutXml()
{
    return std::string(kDecl) + "<p:sldLayout" + kNs + " type=\"obj\" preserve=\"1\"><p:cSld name=\"Title and Content\">" +
           placeholderTree(false) + "</p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sldLayout>";
}

std::string themeXml()
{
    auto color = [](const char* name, const char* rgb) {
        return std::string("<a:") + name + "><a:srgbClr val=\"" + rgb + "\"/></a:" + name + ">";
    };
    const std::string fill = "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>";
    const std::string line = "<a:ln w=\"12700\" cap=\"flat\" cmpd=\"sng\" algn=\"ctr\">" + fill +
                             "<a:prstDash val=\"solid\"/><a:miter lim=\"800000\"/></a:ln>";
    const std::string effect = "<a:effectStyle><a:effectLst/></a:effectStyle>";
    return std::string(kDecl) +
           "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" name=\"Lectavo\">"
           "<a:themeElements><a:clrScheme name=\"Lectavo\"><a:dk1><a:sysClr val=\"windowText\" "
           "lastClr=\"000000\"/></a:dk1><a:lt1><a:sysClr val=\"window\" lastClr=\"FFFFFF\"/></a:lt1>" +
           color("dk2", "44546A") + color("lt2", "E7E6E6") + color("accent1", "4472C4") + color("accent2", "ED7D31") +
           color("accent3", "A5A5A5") + color("accent4", "FFC000") + color("accent5", "5B9BD5") +
           color("accent6", "70AD47") + color("hlink", "0563C1") + color("folHlink", "954F72") +
           "</a:clrScheme><a:fontScheme name=\"Lectavo\"><a:majorFont><a:latin typeface=\"Calibri Light\"/><a:ea "
           "typeface=\"\"/><a:cs typeface=\"\"/></a:majorFont><a:minorFont><a:latin typeface=\"Calibri\"/><a:ea "
           "typeface=\"\"/><a:cs typeface=\"\"/></a:minorFont></a:fontScheme><a:fmtScheme "
           "name=\"Lectavo\"><a:fillStyleLst>" +
           fill + fill + fill + "</a:fillStyleLst><a:lnStyleLst>" + line + line + line +
           "</a:lnStyleLst><a:effectStyleLst>" + effect + effect + effect + "</a:effectStyleLst><a:bgFillStyleLst>" +
           fill + fill + fill +
           "</a:bgFillStyleLst></a:fmtScheme></a:themeElements><a:objectDefaults/><a:extraClrSchemeLst/></a:theme>";
}

std::string presentationXml(const DeckContent& deck)
{
    std::string out = std::string(kDecl) + "<p:presentation" + kNs +
                      (deck.firstSlideNumber != 1 ? " firstSlideNum=\"" + std::to_string(deck.firstSlideNumber) + "\""
                                                  : std::string()) +
                      " saveSubsetFonts=\"1\"><p:sldMasterIdLst><p:sldMasterId id=\"2147483648\" "
                      "r:id=\"rId1\"/></p:sldMasterIdLst>";
    if (!deck.slides.empty()) {
        out += "<p:sldIdLst>";
        for (std::size_t i = 0; i < deck.slides.size(); ++i)
            out += "<p:sldId id=\"" + std::to_string(256 + i) + "\" r:id=\"rId" + std::to_string(10 + i) + "\"/>";
        out += "</p:sldIdLst>";
    }
    return out + "<p:sldSz cx=\"12192000\" cy=\"6858000\"/><p:notesSz cx=\"6858000\" cy=\"9144000\"/>"
                 "<p:defaultTextStyle>" +
           levelStyle(1, 1800, false) + "</p:defaultTextStyle></p:presentation>";
}

}  // namespace

std::string_view extensionOf(DeckKind kind) { return kKinds[static_cast<std::size_t>(kind)].extension; }

DeckKind kindOf(std::string_view extension)
{
    if (!extension.starts_with('.'))
        return kindOf("." + std::string(extension));
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        const std::string_view known = kKinds[i].extension;
        bool same = known.size() == extension.size();
        for (std::size_t k = 0; same && k < known.size(); ++k)
            same = known[k] == static_cast<char>(std::tolower(static_cast<unsigned char>(extension[k])));
        if (same)
            return static_cast<DeckKind>(i);
    }
    return DeckKind::Presentation;
}

std::vector<Part> deckParts(const DeckContent& deck)
{
    std::vector<Part> parts;
    const std::size_t slideCount = deck.slides.size();

    std::string types = std::string(kDecl) +
                        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                        "<Default Extension=\"png\" ContentType=\"image/png\"/>"
                        "<Override PartName=\"/ppt/presentation.xml\" ContentType=\"" +
                        std::string(kKinds[static_cast<std::size_t>(deck.kind)].contentType) + "\"/>";
    const std::string pml = "application/vnd.openxmlformats-officedocument.presentationml.";
    for (std::size_t i = 1; i <= slideCount; ++i)
        types += "<Override PartName=\"/ppt/slides/slide" + std::to_string(i) + ".xml\" ContentType=\"" + pml +
                 "slide+xml\"/>";
    types += "<Override PartName=\"/ppt/slideMasters/slideMaster1.xml\" ContentType=\"" + pml + "slideMaster+xml\"/>"
             "<Override PartName=\"/ppt/slideLayouts/slideLayout1.xml\" ContentType=\"" + pml + "slideLayout+xml\"/>"
             "<Override PartName=\"/ppt/theme/theme1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.theme+xml\"/>"
             "<Override PartName=\"/ppt/presProps.xml\" ContentType=\"" + pml + "presProps+xml\"/>"
             "<Override PartName=\"/ppt/viewProps.xml\" ContentType=\"" + pml + "viewProps+xml\"/>"
             "<Override PartName=\"/ppt/tableStyles.xml\" ContentType=\"" + pml + "tableStyles+xml\"/>"
             "<Override PartName=\"/docProps/core.xml\" ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
             "<Override PartName=\"/docProps/app.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.extended-properties+xml\"/>"
             "</Types>";
    parts.push_back({"[Content_Types].xml", std::move(types)});

    parts.push_back({"_rels/.rels",
                     relationships(relationship(1, "officeDocument", "ppt/presentation.xml") +
                                   "<Relationship Id=\"rId2\" "
                                   "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
                                   "core-properties\" Target=\"docProps/core.xml\"/>" +
                                   relationship(3, "extended-properties", "docProps/app.xml"))});
    parts.push_back({"docProps/core.xml",
                     std::string(kDecl) +
                         "<cp:coreProperties "
                         "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
                         "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
                         "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:title>" +
                         escaped(deck.title) +
                         "</dc:title><dc:creator>lectavo-deckwriter</dc:creator><dcterms:created "
                         "xsi:type=\"dcterms:W3CDTF\">2026-01-01T00:00:00Z</dcterms:created><dcterms:modified "
                         "xsi:type=\"dcterms:W3CDTF\">2026-01-01T00:00:00Z</dcterms:modified></cp:coreProperties>"});
    parts.push_back({"docProps/app.xml",
                     std::string(kDecl) +
                         "<Properties "
                         "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\"><Slides>" +
                         std::to_string(slideCount) + "</Slides></Properties>"});

    std::string presentationRels = relationship(1, "slideMaster", "slideMasters/slideMaster1.xml") +
                                   relationship(2, "theme", "theme/theme1.xml") +
                                   relationship(3, "presProps", "presProps.xml") +
                                   relationship(4, "viewProps", "viewProps.xml") +
                                   relationship(5, "tableStyles", "tableStyles.xml");
    for (std::size_t i = 0; i < slideCount; ++i)
        presentationRels += relationship(10 + static_cast<int>(i), "slide", "slides/slide" + std::to_string(i + 1) + ".xml");
    parts.push_back({"ppt/presentation.xml", presentationXml(deck)});
    parts.push_back({"ppt/_rels/presentation.xml.rels", relationships(presentationRels)});
    parts.push_back({"ppt/presProps.xml", std::string(kDecl) + "<p:presentationPr" + kNs + "/>"});
    parts.push_back({"ppt/viewProps.xml", std::string(kDecl) + "<p:viewPr" + kNs +
                                              "><p:gridSpacing cx=\"76200\" cy=\"76200\"/></p:viewPr>"});
    parts.push_back({"ppt/tableStyles.xml",
                     std::string(kDecl) + "<a:tblStyleLst xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/"
                                          "main\" def=\"{5C22544A-7EE6-4342-B048-85BDC9FD1C3A}\"/>"});
    parts.push_back({"ppt/theme/theme1.xml", themeXml()});
    parts.push_back({"ppt/slideMasters/slideMaster1.xml", masterXml()});
    parts.push_back({"ppt/slideMasters/_rels/slideMaster1.xml.rels",
                     relationships(relationship(1, "slideLayout", "../slideLayouts/slideLayout1.xml") +
                                   relationship(2, "theme", "../theme/theme1.xml"))});
    parts.push_back({"ppt/slideLayouts/slideLayout1.xml", layoutXml()});
    parts.push_back({"ppt/slideLayouts/_rels/slideLayout1.xml.rels",
                     relationships(relationship(1, "slideMaster", "../slideMasters/slideMaster1.xml"))});

    int image = 0;
    for (std::size_t i = 0; i < slideCount; ++i) {
        const SlideContent& slide = deck.slides[i];
        const std::string name = "slide" + std::to_string(i + 1) + ".xml";
        parts.push_back({"ppt/slides/" + name, slideXml(slide, 2)});
        std::string rels = relationship(1, "slideLayout", "../slideLayouts/slideLayout1.xml");
        for (std::size_t k = 0; k < slide.pictures.size(); ++k) {
            const std::string media = "image" + std::to_string(++image) + ".png";
            rels += relationship(2 + static_cast<int>(k), "image", "../media/" + media);
            parts.push_back({"ppt/media/" + media,
                             detail::randomPng(slide.pictures[k].width, slide.pictures[k].height,
                                               static_cast<std::uint32_t>(image)),
                             true});
        }
        parts.push_back({"ppt/slides/_rels/" + name + ".rels", relationships(rels)});
    }
    return parts;
}

std::string writeDeck(const DeckContent& deck) { return zipParts(deckParts(deck)); }

}  // namespace lectavo::deckwriter
