#include "report/pdf/truetypefont.h"

#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// Composite glyph component flags.
constexpr quint16 kArgsAreWords = 0x0001;
constexpr quint16 kHaveScale = 0x0008;
constexpr quint16 kMoreComponents = 0x0020;
constexpr quint16 kHaveXAndYScale = 0x0040;
constexpr quint16 kHaveTwoByTwo = 0x0080;
constexpr quint16 kHaveInstructions = 0x0100;

// Simple glyph point flags.
constexpr quint8 kXShort = 0x02;
constexpr quint8 kYShort = 0x04;
constexpr quint8 kRepeat = 0x08;
constexpr quint8 kXSameOrPositive = 0x10;
constexpr quint8 kYSameOrPositive = 0x20;

// Read-only big-endian bytes. A read outside them yields 0 and marks the view
// damaged, so a parser checks once where it matters instead of before every field.
class View
{
public:
    View() = default;
    explicit View(const QByteArray &bytes)
        : m_data(reinterpret_cast<const uchar *>(bytes.constData()))
        , m_size(bytes.size())
    {
    }
    View(const uchar *data, qsizetype size)
        : m_data(data)
        , m_size(size)
    {
    }

    qsizetype size() const { return m_size; }
    bool damaged() const { return m_damaged; }
    bool contains(qsizetype offset, qsizetype length) const
    {
        return offset >= 0 && length >= 0 && offset <= m_size && length <= m_size - offset;
    }
    quint8 u8(qsizetype offset) const { return contains(offset, 1) ? m_data[offset] : fail(); }
    quint16 u16(qsizetype offset) const
    {
        return contains(offset, 2) ? qFromBigEndian<quint16>(m_data + offset) : fail();
    }
    qint16 s16(qsizetype offset) const { return qint16(u16(offset)); }
    quint32 u32(qsizetype offset) const
    {
        return contains(offset, 4) ? qFromBigEndian<quint32>(m_data + offset) : fail();
    }

private:
    quint8 fail() const
    {
        m_damaged = true;
        return 0;
    }

    const uchar *m_data = nullptr;
    qsizetype m_size = 0;
    mutable bool m_damaged = false;
};

// Whether a simple glyph's contour ends, instructions, flags and coordinates
// all lie within its bytes.
bool simpleGlyphFits(const View &glyph, int contours)
{
    qsizetype offset = 10;
    int lastPoint = -1;
    for (int i = 0; i < contours; ++i, offset += 2) {
        const int end = glyph.u16(offset);
        if (end <= lastPoint)
            return false;
        lastPoint = end;
    }
    const int points = lastPoint + 1;
    offset += 2 + glyph.u16(offset);
    qsizetype coordinateBytes = 0;
    for (int point = 0; point < points && !glyph.damaged();) {
        const quint8 flag = glyph.u8(offset++);
        const int count = (flag & kRepeat) ? 1 + glyph.u8(offset++) : 1;
        if (point + count > points)
            return false;
        point += count;
        const int x = (flag & kXShort) ? 1 : (flag & kXSameOrPositive) ? 0 : 2;
        const int y = (flag & kYShort) ? 1 : (flag & kYSameOrPositive) ? 0 : 2;
        coordinateBytes += count * (x + y);
    }
    return !glyph.damaged() && glyph.contains(offset, coordinateBytes);
}

// Collects a composite glyph's components, and where each one's number
// lies in the glyph's bytes; false when one lies outside the glyph's bytes or
// names no glyph of the font.
bool readComponents(const View &glyph, int glyphCount, std::vector<quint16> *components,
    std::vector<qsizetype> *places = nullptr)
{
    qsizetype offset = 10;
    quint16 flags = 0;
    do {
        flags = glyph.u16(offset);
        const quint16 component = glyph.u16(offset + 2);
        if (glyph.damaged() || component >= glyphCount)
            return false;
        components->push_back(component);
        if (places)
            places->push_back(offset + 2);
        offset += 4 + ((flags & kArgsAreWords) ? 4 : 2);
        if (flags & kHaveScale)
            offset += 2;
        else if (flags & kHaveXAndYScale)
            offset += 4;
        else if (flags & kHaveTwoByTwo)
            offset += 8;
    } while (flags & kMoreComponents);
    if (flags & kHaveInstructions)
        offset += 2 + glyph.u16(offset);
    return !glyph.damaged() && offset <= glyph.size();
}

quint32 checksum(const QByteArray &data)
{
    quint32 sum = 0;
    qsizetype i = 0;
    for (; i + 4 <= data.size(); i += 4)
        sum += qFromBigEndian<quint32>(data.constData() + i);
    if (i < data.size()) {
        uchar tail[4] = {};
        std::memcpy(tail, data.constData() + i, size_t(data.size() - i));
        sum += qFromBigEndian<quint32>(tail);
    }
    return sum;
}

void putU16(QByteArray &data, qsizetype offset, quint16 value)
{
    qToBigEndian(value, data.data() + offset);
}

void putU32(QByteArray &data, qsizetype offset, quint32 value)
{
    qToBigEndian(value, data.data() + offset);
}

void appendU16(QByteArray &data, quint16 value)
{
    data.resize(data.size() + 2);
    putU16(data, data.size() - 2, value);
}

void appendU32(QByteArray &data, quint32 value)
{
    data.resize(data.size() + 4);
    putU32(data, data.size() - 4, value);
}

void padTo4(QByteArray &data)
{
    data.append((4 - data.size() % 4) % 4, '\0');
}

} // namespace

bool TrueTypeFont::load(const TableReader &read)
{
    *this = TrueTypeFont();
    m_head = read("head");
    m_hhea = read("hhea");
    m_maxp = read("maxp");
    m_hmtx = read("hmtx");
    m_glyf = read("glyf");
    const QByteArray loca = read("loca");
    const View head(m_head), hhea(m_hhea), maxp(m_maxp);
    if (head.size() < 54 || hhea.size() < 36 || maxp.size() < 6 || m_glyf.isEmpty() || loca.isEmpty())
        return false;
    const int locaFormat = head.s16(50);
    m_unitsPerEm = head.u16(18);
    m_glyphCount = maxp.u16(4);
    // More metrics than glyphs is harmless; the subset's hhea says how many it keeps.
    m_hMetricCount = std::min<int>(hhea.u16(34), m_glyphCount);
    if (head.u32(12) != 0x5F0F3CF5 || m_unitsPerEm == 0 || m_glyphCount == 0 || m_hMetricCount == 0
        || (locaFormat != 0 && locaFormat != 1) || m_hmtx.size() < 4 * qsizetype(m_hMetricCount))
        return false;

    const int entrySize = locaFormat == 0 ? 2 : 4;
    if (loca.size() < entrySize * qsizetype(m_glyphCount + 1))
        return false;
    const View offsets(loca);
    m_loca.resize(size_t(m_glyphCount) + 1);
    for (int i = 0; i <= m_glyphCount; ++i)
        m_loca[size_t(i)] = locaFormat == 0 ? quint32(offsets.u16(2 * i)) * 2 : offsets.u32(4 * i);

    m_boundingBox = QRect(QPoint(head.s16(36), head.s16(38)), QPoint(head.s16(40), head.s16(42)));
    // hhea as screen text uses it, unless OS/2 asks for its typographic values.
    int ascent = hhea.s16(4), descent = hhea.s16(6);
    const QByteArray os2Bytes = read("OS/2");
    const View os2(os2Bytes);
    constexpr quint16 kUseTypoMetrics = 0x0080;
    if (os2.contains(0, 72) && ((os2.u16(62) & kUseTypoMetrics) || (ascent == 0 && descent == 0))) {
        ascent = os2.s16(68);
        descent = os2.s16(70);
    }
    if (ascent == 0 && descent == 0 && os2.contains(0, 78)) {
        ascent = os2.u16(74);
        descent = os2.u16(76);
    }
    m_ascent = ascent;
    // Some fonts store the descent as a positive distance.
    m_descent = -std::abs(descent);
    m_capHeight = os2.u16(0) >= 2 && os2.contains(88, 2) && os2.s16(88) > 0 ? os2.s16(88) : m_ascent;
    if (os2.contains(8, 2))
        m_fsType = os2.u16(8);

    const QByteArray postBytes = read("post");
    const View post(postBytes);
    if (post.contains(0, 16)) {
        m_italicAngle = qint32(post.u32(4)) / 65536.0;
        m_fixedPitch = post.u32(12) != 0;
    }
    m_cvt = read("cvt ");
    m_fpgm = read("fpgm");
    m_prep = read("prep");
    m_cmap = read("cmap");
    m_loaded = true;
    return true;
}

int TrueTypeFont::advance(quint32 glyph) const
{
    if (!m_loaded || glyph >= quint32(m_glyphCount))
        return 0;
    const quint32 metric = std::min(glyph, quint32(m_hMetricCount - 1));
    return View(m_hmtx).u16(4 * qsizetype(metric));
}

bool TrueTypeFont::embeddable() const
{
    constexpr quint16 kRestrictedLicence = 0x0002, kBitmapOnly = 0x0200;
    return (m_fsType & 0x000F) != kRestrictedLicence && !(m_fsType & kBitmapOnly);
}

QHash<quint32, char32_t> TrueTypeFont::unicodesOf(const QSet<quint32> &glyphs) const
{
    QHash<quint32, char32_t> unicodes;
    if (!m_loaded || glyphs.isEmpty())
        return unicodes;
    const View cmap(m_cmap);
    qsizetype format4 = -1, format12 = -1;
    const qsizetype subtables = std::min<qsizetype>(cmap.u16(2), (cmap.size() - 4) / 8);
    for (qsizetype i = 0; i < subtables; ++i) {
        const int platform = cmap.u16(4 + 8 * i), encoding = cmap.u16(6 + 8 * i);
        const qsizetype offset = cmap.u32(8 + 8 * i);
        if (!cmap.contains(offset, 2))
            continue;
        const int format = cmap.u16(offset);
        if (format == 12 && format12 < 0 && (platform == 0 || (platform == 3 && encoding == 10)))
            format12 = offset;
        if (format == 4 && format4 < 0 && (platform == 0 || (platform == 3 && encoding == 1)))
            format4 = offset;
    }

    // Most ranges map consecutive codes to consecutive glyphs, so the wanted
    // glyphs are looked up in each range rather than each code in the glyphs.
    std::vector<quint32> wanted(glyphs.cbegin(), glyphs.cend());
    std::sort(wanted.begin(), wanted.end());
    const auto note = [&unicodes](quint32 glyph, char32_t code) {
        auto it = unicodes.find(glyph);
        if (it == unicodes.end())
            unicodes.insert(glyph, code);
        else if (code < *it)
            *it = code;
    };
    const auto mapRange = [&](quint32 firstGlyph, quint64 lastGlyph, char32_t firstCode) {
        auto it = std::lower_bound(wanted.begin(), wanted.end(), std::max(firstGlyph, 1u));
        for (; it != wanted.end() && *it <= lastGlyph; ++it)
            note(*it, firstCode + (*it - firstGlyph));
    };

    if (format12 >= 0) {
        const qsizetype groups
            = std::min<qsizetype>(cmap.u32(format12 + 12), (cmap.size() - format12 - 16) / 12);
        for (qsizetype i = 0; i < groups; ++i) {
            const qsizetype group = format12 + 16 + 12 * i;
            const quint32 first = cmap.u32(group), last = std::min(cmap.u32(group + 4), 0x10FFFFu);
            if (first <= last)
                mapRange(cmap.u32(group + 8), quint64(cmap.u32(group + 8)) + (last - first), first);
        }
        return unicodes;
    }
    if (format4 < 0)
        return unicodes;
    const qsizetype segments = cmap.u16(format4 + 6) / 2;
    const qsizetype ends = format4 + 14, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments,
                    rangeOffsets = deltas + 2 * segments;
    if (!cmap.contains(ends, 8 * segments + 2))
        return unicodes;
    qint64 previousEnd = -1;
    for (qsizetype s = 0; s < segments; ++s) {
        const quint32 first = cmap.u16(starts + 2 * s), end = cmap.u16(ends + 2 * s);
        const quint16 delta = cmap.u16(deltas + 2 * s), rangeOffset = cmap.u16(rangeOffsets + 2 * s);
        // Segments out of order or overlapping are skipped, so no code is read twice.
        if (first > end || first <= previousEnd)
            continue;
        previousEnd = end;
        const quint32 last = std::min(end, 0xFFFEu); // 0xFFFF only ends the table
        if (first > last)
            continue;
        if (rangeOffset == 0) {
            // glyph = code + delta modulo 65536, which may wrap inside the segment.
            const quint32 firstGlyph = (first + delta) & 0xFFFF, lastGlyph = (last + delta) & 0xFFFF;
            if (firstGlyph <= lastGlyph) {
                mapRange(firstGlyph, lastGlyph, first);
            } else {
                mapRange(firstGlyph, 0xFFFF, first);
                mapRange(0, lastGlyph, first + (0x10000 - firstGlyph));
            }
            continue;
        }
        const qsizetype base = rangeOffsets + 2 * s + rangeOffset;
        for (quint32 code = first; code <= last; ++code) {
            const qsizetype at = base + 2 * qsizetype(code - first);
            if (!cmap.contains(at, 2))
                break;
            const quint32 glyph = cmap.u16(at);
            if (glyph != 0 && glyphs.contains((glyph + delta) & 0xFFFF))
                note((glyph + delta) & 0xFFFF, code);
        }
    }
    return unicodes;
}

bool TrueTypeFont::checkGlyph(quint32 glyph, std::vector<quint16> *components) const
{
    const quint32 start = m_loca[glyph], end = m_loca[glyph + 1];
    if (start > end || end > quint32(m_glyf.size()))
        return false;
    if (start == end)
        return true;
    const View data(reinterpret_cast<const uchar *>(m_glyf.constData()) + start, end - start);
    const int contours = data.s16(0);
    if (data.size() < 10)
        return false;
    return contours >= 0 ? simpleGlyphFits(data, contours) : readComponents(data, m_glyphCount, components);
}

// Decides for root and, when it is a composite, every glyph it uses whether
// its outline is kept. Depth-first with its own stack, so deep or cyclic
// component chains neither overflow nor loop; a glyph in a cycle is damaged,
// and so is a composite using a damaged glyph.
void TrueTypeFont::resolveOutlines(quint32 root, std::vector<Outline> &outlines) const
{
    struct Frame
    {
        quint32 glyph;
        std::vector<quint16> components;
        size_t next = 0;
    };
    std::vector<Frame> stack;
    const auto open = [&](quint32 glyph) {
        Frame frame { glyph, {}, 0 };
        if (!checkGlyph(glyph, &frame.components)) {
            outlines[glyph] = Outline::Damaged;
            return;
        }
        outlines[glyph] = Outline::Visiting;
        stack.push_back(std::move(frame));
    };
    if (outlines[root] == Outline::Unknown)
        open(root);
    while (!stack.empty()) {
        Frame &top = stack.back();
        if (top.next == top.components.size()) {
            outlines[top.glyph] = Outline::Kept;
            stack.pop_back();
            continue;
        }
        const quint16 component = top.components[top.next];
        if (outlines[component] == Outline::Kept) {
            ++top.next;
        } else if (outlines[component] == Outline::Unknown) {
            open(component);
        } else {
            outlines[top.glyph] = Outline::Damaged;
            stack.pop_back();
        }
    }
}

int TrueTypeFont::leftSideBearing(quint32 glyph) const
{
    const View hmtx(m_hmtx);
    if (glyph < quint32(m_hMetricCount))
        return hmtx.s16(4 * qsizetype(glyph) + 2);
    return hmtx.s16(4 * qsizetype(m_hMetricCount) + 2 * qsizetype(glyph - m_hMetricCount));
}

QByteArray TrueTypeFont::subset(const std::vector<quint32> &glyphs) const
{
    if (!m_loaded)
        return {};
    std::vector<Outline> outlines(size_t(m_glyphCount), Outline::Unknown);
    // The new number of each glyph kept, in the order they were asked for.
    std::vector<int> renumbered(size_t(m_glyphCount), -1);
    std::vector<quint32> order;
    const auto take = [&](quint32 glyph) {
        if (glyph < quint32(m_glyphCount) && renumbered[glyph] < 0) {
            renumbered[glyph] = int(order.size());
            order.push_back(glyph);
            resolveOutlines(glyph, outlines);
        }
    };
    for (const quint32 glyph : glyphs)
        take(glyph);
    if (order.empty())
        take(0);
    // Components come after the glyphs that use them; order grows as this runs.
    std::vector<quint16> components;
    for (size_t i = 0; i < order.size(); ++i) {
        components.clear();
        if (outlines[order[i]] == Outline::Kept)
            checkGlyph(order[i], &components);
        for (const quint16 component : components)
            take(component);
    }

    const int count = int(order.size());
    QByteArray glyf, loca;
    loca.reserve(4 * qsizetype(count + 1));
    std::vector<qsizetype> places;
    for (const quint32 old : order) {
        appendU32(loca, quint32(glyf.size()));
        if (outlines[old] != Outline::Kept)
            continue;
        const qsizetype at = glyf.size();
        const quint32 start = m_loca[old];
        glyf.append(m_glyf.constData() + start, m_loca[old + 1] - start);
        const View data(reinterpret_cast<const uchar *>(m_glyf.constData()) + start, m_loca[old + 1] - start);
        if (data.size() >= 10 && data.s16(0) < 0) {
            components.clear();
            places.clear();
            readComponents(data, m_glyphCount, &components, &places);
            for (size_t c = 0; c < places.size(); ++c)
                putU16(glyf, at + places[c], quint16(renumbered[components[c]]));
        }
        padTo4(glyf);
    }
    appendU32(loca, quint32(glyf.size()));
    // Some font checkers refuse an empty table, as when every kept glyph is blank.
    if (glyf.isEmpty())
        glyf = QByteArray(4, '\0');

    QByteArray hmtx;
    hmtx.reserve(4 * qsizetype(count));
    for (const quint32 old : order) {
        appendU16(hmtx, quint16(advance(old)));
        appendU16(hmtx, quint16(leftSideBearing(old)));
    }
    QByteArray maxp = m_maxp;
    putU16(maxp, 4, quint16(count));
    QByteArray head = m_head;
    putU32(head, 8, 0); // checkSumAdjustment, set once the file is complete
    putU16(head, 50, 1); // long loca
    QByteArray hhea = m_hhea;
    putU16(hhea, 34, quint16(count));

    std::vector<std::pair<QByteArray, QByteArray>> tables { { "cvt ", m_cvt }, { "fpgm", m_fpgm },
        { "glyf", glyf }, { "head", head }, { "hhea", hhea }, { "hmtx", hmtx }, { "loca", loca },
        { "maxp", maxp }, { "prep", m_prep } };
    tables.erase(
        std::remove_if(tables.begin(), tables.end(), [](const auto &t) { return t.second.isEmpty(); }),
        tables.end());
    std::sort(tables.begin(), tables.end());

    const quint16 tableCount = quint16(tables.size());
    quint16 power = 1, log2 = 0;
    while (power * 2 <= tableCount) {
        power *= 2;
        ++log2;
    }
    QByteArray font;
    appendU32(font, 0x00010000);
    appendU16(font, tableCount);
    appendU16(font, quint16(power * 16));
    appendU16(font, log2);
    appendU16(font, quint16(tableCount * 16 - power * 16));
    qsizetype offset = 12 + 16 * qsizetype(tableCount);
    qsizetype headOffset = 0;
    for (const auto &[tag, data] : tables) {
        font.append(tag);
        appendU32(font, checksum(data));
        appendU32(font, quint32(offset));
        appendU32(font, quint32(data.size()));
        if (tag == "head")
            headOffset = offset;
        offset += (data.size() + 3) / 4 * 4;
    }
    font.reserve(offset);
    for (const auto &table : tables) {
        font.append(table.second);
        padTo4(font);
    }
    putU32(font, headOffset + 8, 0xB1B0AFBA - checksum(font));
    return font;
}
