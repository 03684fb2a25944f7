// SPDX-License-Identifier: MIT
#include "legacy/LegacyReader.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "lectavo/engine/OpenError.h"
#include "legacy/ByteReader.h"
#include "legacy/CompoundFile.h"
#include "legacy/Record.h"
#include "legacy/RecordType.h"
#include "legacy/StoredText.h"

namespace lectavo::engine::detail {

namespace legacy {
namespace {

constexpr std::uint32_t kPlainToken = 0xE391C05F;
constexpr std::uint32_t kEncryptedToken = 0xF3D1C4DF;

// Shape types ([MS-ODRAW] MSOSPT) and shape flags that decide the text frame.
constexpr std::uint16_t kLine = 20, kPictureFrame = 75, kHostControl = 201;
constexpr std::uint16_t kFirstConnector = 32, kLastConnector = 40;
constexpr std::uint32_t kFlagGroup = 0x1, kFlagDeleted = 0x8, kFlagOle = 0x10, kFlagConnector = 0x100;

// Bounds on what a file may ask the reader to walk.
constexpr std::size_t kMaxUserEdits = 4096;
constexpr std::size_t kMaxSlides = 65536;
// Text shown may exceed text stored only through fields; beyond this, shapes share text they should not.
constexpr std::size_t kTextBudget = std::size_t(16) << 20;

[[noreturn]] void damaged(const std::string& why)
{
    throw OpenError(OpenFailure::Damaged, why);
}

class PresentationReader {
public:
    PresentationReader(std::string_view stream, std::string_view currentUser)
        : m_stream(stream), m_textBudget(kTextBudget + 2 * stream.size()), m_recordBudget(stream.size() / 8 + 64)
    {
        readEdits(readCurrentUser(currentUser));
    }

    Document read()
    {
        Record doc = persistRecord(m_docPersistId, "the document");
        if (doc.type != kDocument)
            damaged("the document record has the wrong type");
        int firstNumber = 1;
        Document out;
        RecordList children(doc.body, &m_recordBudget);
        Record rec;
        while (children.next(rec)) {
            if (rec.type == kDocumentAtom) {
                ByteReader r(rec.body, 32);
                const auto first = static_cast<std::int16_t>(r.u16());
                if (r.ok())
                    firstNumber = first;
            } else if (rec.type == kSlideListWithText && rec.instance == 0) {
                readSlideList(rec.body);
            } else if (rec.type == kHeadersFooters && rec.instance == 3) {
                readHeadersFooters(rec.body, m_documentFields, &m_recordBudget);
            }
        }
        out.slides.reserve(m_slides.size());
        for (std::size_t i = 0; i < m_slides.size(); ++i)
            out.slides.push_back(readSlide(m_slides[i], firstNumber + static_cast<int>(i)));
        return out;
    }

private:
    struct SlideEntry {
        std::uint32_t persistId = 0;
        std::vector<StoredText> texts;  // the slide's outline texts, by index
    };

    std::uint32_t readCurrentUser(std::string_view stream)
    {
        // the 95 format's stream is a bare length and its data, no record
        ByteReader length(stream);
        if (length.u32() + std::uint64_t(4) == stream.size() && stream.size() < 28)
            throw OpenError(OpenFailure::TooOld, "the current user stream is in the 95 format");
        Record atom = recordAt(stream, 0);
        if (atom.type != kCurrentUserAtom)
            damaged("the current user record is missing");
        ByteReader r(atom.body);
        const std::uint32_t size = r.u32();
        const std::uint32_t token = r.u32();
        const std::uint32_t offset = r.u32();
        r.skip(2);  // user name length
        const std::uint16_t fileVersion = r.u16();
        const std::uint8_t major = r.u8();
        if (!r.ok() || size < 0x14)
            throw OpenError(OpenFailure::TooOld, "the current user record predates the 97 format");
        if (token == kEncryptedToken)
            throw OpenError(OpenFailure::PasswordProtected);
        if (token != kPlainToken)
            damaged("the current user record has an unknown header token");
        if (fileVersion < 0x03F4 || major < 3)
            throw OpenError(OpenFailure::TooOld);
        return offset;
    }

    // Walks the user edits from the newest back; a persist object keeps the
    // offset its newest edit gave it, as incremental saves require.
    void readEdits(std::uint32_t offset)
    {
        std::unordered_set<std::uint32_t> seen, directories;
        bool newest = true;
        while (true) {
            if (!seen.insert(offset).second || seen.size() > kMaxUserEdits)
                damaged("the chain of user edits is cyclic");
            Record edit = recordAt(m_stream, offset);
            if (edit.type != kUserEditAtom)
                damaged("a user edit record is missing");
            ByteReader r(edit.body);
            r.skip(4 + 2 + 1 + 1);  // last slide viewed, version
            const std::uint32_t previous = r.u32();
            const std::uint32_t directory = r.u32();
            const std::uint32_t docPersistId = r.u32();
            r.skip(4 + 2 + 2);  // first persist id, last view, unused
            const std::uint32_t cryptSession = edit.body.size() >= 0x20 ? r.u32() : 0;
            if (!r.ok())
                damaged("a user edit record is cut short");
            if (newest) {
                m_docPersistId = docPersistId;
                m_cryptSessionId = cryptSession;
                newest = false;
            }
            if (!directories.insert(directory).second)
                damaged("two user edits share one persist directory");
            readPersistDirectory(directory);
            if (previous == 0)
                break;
            offset = previous;
        }
        if (m_cryptSessionId != 0 && m_persist.count(m_cryptSessionId)
            && recordAt(m_stream, m_persist[m_cryptSessionId]).type == kCryptSession10)
            throw OpenError(OpenFailure::PasswordProtected);
    }

    void readPersistDirectory(std::uint32_t offset)
    {
        Record atom = recordAt(m_stream, offset);
        if (atom.type != kPersistDirectoryAtom)
            damaged("a persist directory is missing");
        ByteReader r(atom.body);
        while (r.remaining() > 0) {
            const std::uint32_t head = r.u32();
            const std::uint32_t first = head & 0xFFFFF;
            const std::uint32_t count = head >> 20;
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint32_t at = r.u32();
                if (!r.ok())
                    damaged("a persist directory entry is cut short");
                m_persist.try_emplace(first + i, at);
            }
        }
    }

    Record persistRecord(std::uint32_t id, const char* what)
    {
        auto it = m_persist.find(id);
        if (it == m_persist.end())
            damaged(std::string(what) + " is missing from the persist directory");
        return recordAt(m_stream, it->second);
    }

    void readSlideList(std::string_view body)
    {
        RecordList list(body, &m_recordBudget);
        Record rec;
        while (list.next(rec)) {
            if (rec.type == kSlidePersistAtom) {
                ByteReader r(rec.body);
                const std::uint32_t id = r.u32();
                if (!r.ok())
                    damaged("a slide persist record is cut short");
                if (m_slides.size() == kMaxSlides)
                    damaged("the slide list is too long");
                if (!m_listed.insert(id).second)
                    damaged("a slide appears twice in the slide list");
                m_slides.push_back({id, {}});
            } else if (m_slides.empty()) {
                continue;
            } else if (rec.type == kTextHeaderAtom) {
                m_slides.back().texts.emplace_back();
            } else if (!m_slides.back().texts.empty()) {
                addTextRecord(rec, m_slides.back().texts.back());
            }
        }
    }

    Slide readSlide(const SlideEntry& entry, int number)
    {
        Record slide = persistRecord(entry.persistId, "a slide");
        if (slide.type != kSlide)
            damaged("a slide record has the wrong type");
        Slide out;
        FieldValues fields = m_documentFields;
        fields.slideNumber = number;
        std::string_view drawingBody;
        Record rec;
        RecordList children(slide.body, &m_recordBudget);
        while (children.next(rec)) {
            if (rec.type == kDrawing)
                drawingBody = rec.body;
            else if (rec.type == kHeadersFooters)
                readHeadersFooters(rec.body, fields, &m_recordBudget);
        }
        RecordList drawing(drawingBody, &m_recordBudget);
        if (!drawing.find(kDgContainer, rec))
            return out;
        RecordList dg(rec.body, &m_recordBudget);
        if (!dg.find(kSpgrContainer, rec))
            return out;
        RecordList top(rec.body, &m_recordBudget);
        bool groupShape = true;  // the first shape of the top group is the group itself
        while (top.next(rec)) {
            if (rec.type != kSpContainer && rec.type != kSpgrContainer)
                continue;
            if (std::exchange(groupShape, false))
                continue;
            if (rec.type == kSpgrContainer) {
                out.shapes.push_back({});
                continue;
            }
            readShape(rec.body, entry, fields, out);
        }
        return out;
    }

    void readShape(std::string_view body, const SlideEntry& entry, const FieldValues& fields, Slide& out)
    {
        std::uint16_t shapeType = 0;
        std::uint32_t flags = 0;
        bool ole = false;
        bool hasText = false;
        StoredText text;
        const StoredText* outline = nullptr;
        RecordList parts(body, &m_recordBudget);
        Record rec;
        while (parts.next(rec)) {
            if (rec.type == kFsp) {
                ByteReader r(rec.body, 4);
                shapeType = rec.instance;
                flags = r.u32();
            } else if (rec.type == kClientData) {
                Record data;
                RecordList inner(rec.body, &m_recordBudget);
                ole = ole || inner.find(kExObjRefAtom, data);
            } else if (rec.type == kClientTextbox) {
                hasText = readTextbox(rec.body, entry, text, outline);
            }
        }
        if (flags & kFlagDeleted)
            return;
        Shape shape;
        shape.hasTextFrame = !(flags & (kFlagGroup | kFlagOle | kFlagConnector)) && !ole && shapeType != kLine
            && shapeType != kPictureFrame && shapeType != kHostControl
            && !(shapeType >= kFirstConnector && shapeType <= kLastConnector);
        if (shape.hasTextFrame && hasText) {
            shape.text = shownText(outline ? *outline : std::move(text), fields);
            if (shape.text.size() > m_textBudget)
                throw OpenError(OpenFailure::TooLarge, "the slides' text is far larger than the file's");
            m_textBudget -= shape.text.size();
        }
        out.shapes.push_back(std::move(shape));
    }

    // The text of a shape's text box: its own text atoms, or the slide list
    // text its outline reference names (left in outline, not copied).
    bool readTextbox(std::string_view body, const SlideEntry& entry, StoredText& own, const StoredText*& outline)
    {
        RecordList parts(body, &m_recordBudget);
        Record rec;
        bool found = false;
        while (parts.next(rec)) {
            if (rec.type == kOutlineTextRefAtom) {
                ByteReader r(rec.body);
                const std::int32_t index = r.i32();
                if (!r.ok() || index < 0 || std::size_t(index) >= entry.texts.size())
                    damaged("an outline text reference points outside the slide's texts");
                outline = &entry.texts[std::size_t(index)];
                found = true;
            } else if (addTextRecord(rec, own)) {
                outline = nullptr;
                found = true;
            }
        }
        return found;
    }

    std::string_view m_stream;
    std::unordered_map<std::uint32_t, std::uint32_t> m_persist;
    std::uint32_t m_docPersistId = 0;
    std::uint32_t m_cryptSessionId = 0;
    FieldValues m_documentFields;
    std::vector<SlideEntry> m_slides;
    std::unordered_set<std::uint32_t> m_listed;
    std::size_t m_textBudget;
    std::size_t m_recordBudget;  // every record is at least 8 bytes and is walked once
};

}  // namespace
}  // namespace legacy

Document readLegacy(std::string_view bytes)
{
    using namespace legacy;
    CompoundFile file(bytes);
    if (file.has("EncryptionInfo") || file.has("EncryptedPackage"))
        throw OpenError(OpenFailure::PasswordProtected, "an encrypted package");
    if (!file.has("PowerPoint Document")) {
        if (file.has("PP40"))
            throw OpenError(OpenFailure::TooOld);
        throw OpenError(OpenFailure::NotAPresentation, "the compound file holds no presentation");
    }
    if (!file.has("Current User"))
        damaged("the compound file has no \"Current User\" stream");
    return readLegacyStreams(file.read("PowerPoint Document"), file.read("Current User"));
}

Document readLegacyStreams(std::string_view document, std::string_view currentUser)
{
    return legacy::PresentationReader(document, currentUser).read();
}

}  // namespace lectavo::engine::detail
