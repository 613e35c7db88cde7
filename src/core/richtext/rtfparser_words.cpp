// Control words of the RTF reader: for each destination one table from the
// keyword to what it does. Tables are sorted for a binary search, which the
// compiler checks; words not in a table are ignored, as RTF asks.
#include "richtext/rtfparser.h"
#include "richtext/rtftokenizer.h"

#include <algorithm>
#include <iterator>

namespace {

template <typename Action> struct Keyword
{
    std::string_view word;
    Action action;
};

constexpr std::string_view keyOf(std::string_view word)
{
    return word;
}

template <typename Action> constexpr std::string_view keyOf(const Keyword<Action> &keyword)
{
    return keyword.word;
}

template <typename Entry, size_t N> constexpr bool isSorted(const Entry (&table)[N])
{
    for (size_t i = 1; i < N; ++i) {
        if (!(keyOf(table[i - 1]) < keyOf(table[i])))
            return false;
    }
    return true;
}

template <typename Entry, size_t N> const Entry *entryFor(const Entry (&table)[N], std::string_view word)
{
    const Entry *it = std::lower_bound(std::begin(table), std::end(table), word,
        [](const Entry &e, std::string_view w) { return keyOf(e) < w; });
    return it != std::end(table) && keyOf(*it) == word ? it : nullptr;
}

template <typename Action, size_t N>
const Action *lookUp(const Keyword<Action> (&table)[N], std::string_view word)
{
    const Keyword<Action> *entry = entryFor(table, word);
    return entry ? &entry->action : nullptr;
}

// A toggle without a number, or with one other than 0, turns on.
bool isOn(const RtfToken &t)
{
    return !t.hasParam || t.param != 0;
}

int valueOf(const RtfToken &t)
{
    return t.hasParam ? t.param : 0;
}

using CharacterAction = void (*)(RtfCharState &, const RtfToken &);

void setUnderline(RtfCharState &c, const RtfToken &t)
{
    c.underline = isOn(t);
}

void setStrike(RtfCharState &c, const RtfToken &t)
{
    c.strike = isOn(t);
}

void setBackground(RtfCharState &c, const RtfToken &t)
{
    c.background = std::max(0, t.param);
}

constexpr Keyword<CharacterAction> kCharacterWords[] = {
    { "b", [](RtfCharState &c, const RtfToken &t) { c.bold = isOn(t); } },
    { "cb", setBackground },
    { "cf", [](RtfCharState &c, const RtfToken &t) { c.foreground = std::max(0, t.param); } },
    { "chcbpat", setBackground },
    { "f", [](RtfCharState &c, const RtfToken &t) { c.font = t.param; } },
    { "fs",
        [](RtfCharState &c, const RtfToken &t) {
            c.halfPoints = t.hasParam && t.param > 0 ? std::min(t.param, 3276) : 24;
        } },
    { "highlight", setBackground },
    { "i", [](RtfCharState &c, const RtfToken &t) { c.italic = isOn(t); } },
    { "nosupersub", [](RtfCharState &c, const RtfToken &) { c.vertical = 0; } },
    { "plain", [](RtfCharState &c, const RtfToken &) { c = RtfCharState(); } },
    { "strike", setStrike },
    { "striked", setStrike },
    { "sub", [](RtfCharState &c, const RtfToken &) { c.vertical = -1; } },
    { "super", [](RtfCharState &c, const RtfToken &) { c.vertical = 1; } },
    { "ul", setUnderline },
    { "uld", setUnderline },
    { "uldash", setUnderline },
    { "uldb", setUnderline },
    { "ulnone", [](RtfCharState &c, const RtfToken &) { c.underline = false; } },
    { "ulth", setUnderline },
    { "ulw", setUnderline },
    { "ulwave", setUnderline },
    { "v", [](RtfCharState &c, const RtfToken &t) { c.hidden = isOn(t); } },
};
static_assert(isSorted(kCharacterWords));

// Paragraph words get their number in twips, kept within a few metres.
using ParagraphAction = void (*)(RtfParaState &, int);

void addTabStop(RtfParaState &p, int twips)
{
    if (p.tabs.size() < RtfParaState::kMaxTabs && twips >= 0) {
        p.pendingTab.position = twips;
        p.tabs.append(p.pendingTab);
    }
    p.pendingTab = {};
}

constexpr Keyword<ParagraphAction> kParagraphWords[] = {
    { "fi", [](RtfParaState &p, int twips) { p.firstIndent = twips; } },
    { "li", [](RtfParaState &p, int twips) { p.leftIndent = twips; } },
    { "pard", [](RtfParaState &p, int) { p = RtfParaState(); } },
    { "qc", [](RtfParaState &p, int) { p.alignment = RtfParaState::Center; } },
    { "qd", [](RtfParaState &p, int) { p.alignment = RtfParaState::Justify; } },
    { "qj", [](RtfParaState &p, int) { p.alignment = RtfParaState::Justify; } },
    { "ql", [](RtfParaState &p, int) { p.alignment = RtfParaState::Left; } },
    { "qr", [](RtfParaState &p, int) { p.alignment = RtfParaState::Right; } },
    { "ri", [](RtfParaState &p, int twips) { p.rightIndent = twips; } },
    { "sa", [](RtfParaState &p, int twips) { p.spaceAfter = twips; } },
    { "sb", [](RtfParaState &p, int twips) { p.spaceBefore = twips; } },
    { "tldot", [](RtfParaState &p, int) { p.pendingTab.dotLeader = true; } },
    { "tqc", [](RtfParaState &p, int) { p.pendingTab.kind = RtfParaState::Tab::Center; } },
    { "tqr", [](RtfParaState &p, int) { p.pendingTab.kind = RtfParaState::Tab::Right; } },
    { "tx", addTabStop },
};
static_assert(isSorted(kParagraphWords));

using PictureAction = void (*)(RtfPicture &, const RtfToken &);

constexpr Keyword<PictureAction> kPictureWords[] = {
    { "dibitmap", [](RtfPicture &p, const RtfToken &) { p.kind = RtfPicture::Dib; } },
    { "emfblip", [](RtfPicture &p, const RtfToken &) { p.kind = RtfPicture::Emf; } },
    { "jpegblip", [](RtfPicture &p, const RtfToken &) { p.kind = RtfPicture::Jpeg; } },
    { "pich", [](RtfPicture &p, const RtfToken &t) { p.pich = valueOf(t); } },
    { "pichgoal", [](RtfPicture &p, const RtfToken &t) { p.goalHeight = valueOf(t); } },
    { "picscalex", [](RtfPicture &p, const RtfToken &t) { p.scaleX = valueOf(t); } },
    { "picscaley", [](RtfPicture &p, const RtfToken &t) { p.scaleY = valueOf(t); } },
    { "picw", [](RtfPicture &p, const RtfToken &t) { p.picw = valueOf(t); } },
    { "picwgoal", [](RtfPicture &p, const RtfToken &t) { p.goalWidth = valueOf(t); } },
    { "pngblip", [](RtfPicture &p, const RtfToken &) { p.kind = RtfPicture::Png; } },
    { "wbitmap", [](RtfPicture &p, const RtfToken &) { p.kind = RtfPicture::WBitmap; } },
    { "wbmbitspixel", [](RtfPicture &p, const RtfToken &t) { p.bitsPerPixel = valueOf(t); } },
    { "wbmplanes", [](RtfPicture &p, const RtfToken &t) { p.planes = valueOf(t); } },
    { "wbmwidthbytes", [](RtfPicture &p, const RtfToken &t) { p.widthBytes = valueOf(t); } },
    { "wmetafile",
        [](RtfPicture &p, const RtfToken &t) {
            p.kind = RtfPicture::WMetafile;
            if (t.hasParam)
                p.mapMode = t.param;
        } },
};
static_assert(isSorted(kPictureWords));

// Words that stand for a character; kParagraphEnd ends the paragraph.
constexpr char16_t kParagraphEnd = 0;

constexpr Keyword<char16_t> kSpecialCharacters[] = {
    { "bullet", 0x2022 },
    { "emdash", 0x2014 },
    { "emspace", 0x2003 },
    { "endash", 0x2013 },
    { "enspace", 0x2002 },
    { "ldblquote", 0x201C },
    { "line", 0x2028 },
    { "lquote", 0x2018 },
    { "page", kParagraphEnd },
    { "par", kParagraphEnd },
    { "rdblquote", 0x201D },
    { "rquote", 0x2019 },
    { "sect", kParagraphEnd },
    { "tab", u'\t' },
};
static_assert(isSorted(kSpecialCharacters));

// Groups whose contents are never body text, starred or not.
constexpr std::string_view kSkippedDestinations[] = { "aftncn", "aftnsep", "aftnsepc", "annotation",
    "atnauthor", "atnid", "author", "background", "bkmkend", "bkmkstart", "blipuid", "colorschememapping",
    "comment", "datastore", "doccomm", "docvar", "falt", "fchars", "filetbl", "fldinst", "footer", "footerf",
    "footerl", "footerr", "footnote", "formfield", "ftncn", "ftnsep", "ftnsepc", "generator", "header",
    "headerf", "headerl", "headerr", "info", "keywords", "latentstyles", "lchars", "listoverridetable",
    "listpicture", "listtable", "mmathPr", "nonshppict", "objclass", "objdata", "operator", "panose",
    "pgdsctbl", "picprop", "pnseclvl", "pntxta", "pntxtb", "private", "revtbl", "rsidtbl", "rxe", "shpinst",
    "shptxt", "sn", "sp", "stylesheet", "subject", "sv", "tc", "template", "themedata", "title", "txe",
    "userprops", "xe", "xmlnstbl" };
static_assert(isSorted(kSkippedDestinations));

} // namespace

void RtfParser::controlWord(const RtfToken &t)
{
    if (m_starred) {
        m_starred = false;
        // "\*\shppict" holds the picture proper; every other starred
        // destination this reader does not know is skipped whole.
        if (t.text != "shppict")
            m_state.destination = Destination::Skip;
        return;
    }
    if (m_state.destination == Destination::Skip || destinationWord(t.text))
        return;
    switch (m_state.destination) {
    case Destination::FontTable:
        fontTableWord(t);
        return;
    case Destination::ColorTable:
        colorTableWord(t);
        return;
    case Destination::Picture:
        if (const PictureAction *action = lookUp(kPictureWords, t.text))
            (*action)(m_picture, t);
        return;
    case Destination::Body:
        bodyWord(t);
        return;
    case Destination::Skip:
        return;
    }
}

bool RtfParser::destinationWord(std::string_view word)
{
    static constexpr Keyword<Destination> kDestinations[] = {
        { "colortbl", Destination::ColorTable },
        { "fonttbl", Destination::FontTable },
        { "pict", Destination::Picture },
    };
    static_assert(isSorted(kDestinations));
    if (const Destination *destination = lookUp(kDestinations, word))
        enterDestination(*destination);
    else if (entryFor(kSkippedDestinations, word))
        enterDestination(Destination::Skip);
    else
        return false;
    return true;
}

void RtfParser::enterDestination(Destination destination)
{
    switch (destination) {
    case Destination::FontTable:
        m_fontName.clear();
        break;
    case Destination::ColorTable:
        m_colors.clear();
        m_red = m_green = m_blue = -1;
        break;
    case Destination::Picture:
        // Only a picture in the text is shown; one anywhere else is skipped.
        if (m_state.destination != Destination::Body) {
            destination = Destination::Skip;
            break;
        }
        flush();
        m_picture = RtfPicture();
        m_pictureGroupDepth = int(m_stack.size());
        m_nibble = -1;
        break;
    case Destination::Skip:
        if (m_state.destination == Destination::FontTable && !m_fontName.isEmpty())
            finishFontEntry();
        break;
    case Destination::Body:
        break;
    }
    m_state.destination = destination;
}

void RtfParser::fontTableWord(const RtfToken &t)
{
    if (unicodeWord(t))
        return;
    if (t.text == "f" && t.hasParam) {
        if (!m_fontName.isEmpty())
            finishFontEntry();
        m_fontEntry = t.param;
    } else if (t.text == "fcharset") {
        m_fontCharset = t.param;
    }
}

void RtfParser::colorTableWord(const RtfToken &t)
{
    static constexpr Keyword<int RtfParser::*> kComponents[] = {
        { "blue", &RtfParser::m_blue },
        { "green", &RtfParser::m_green },
        { "red", &RtfParser::m_red },
    };
    static_assert(isSorted(kComponents));
    if (int RtfParser::*const *component = lookUp(kComponents, t.text))
        this->**component = std::clamp(t.param, 0, 255);
}

void RtfParser::bodyWord(const RtfToken &t)
{
    if (unicodeWord(t))
        return;
    if (tableWord(t))
        return;
    if (t.text == "deff") {
        m_defaultFont = t.param;
    } else if (t.text == "deftab") {
        m_defaultTab = std::clamp(t.param, 0, 100000);
    } else if (const CharacterAction *action = lookUp(kCharacterWords, t.text)) {
        (*action)(m_state.chr, t);
    } else if (const ParagraphAction *action = lookUp(kParagraphWords, t.text)) {
        (*action)(m_state.para, std::clamp(t.param, -100000, 100000));
    } else {
        specialCharacterWord(t.text);
    }
}

// \uN and \ucN, read in the text and in font names alike.
bool RtfParser::unicodeWord(const RtfToken &t)
{
    if (t.text == "u" && t.hasParam) {
        addUnicode(t.param);
        return true;
    }
    if (t.text == "uc") {
        m_state.unicodeSkip = std::clamp(t.param, 0, 16);
        return true;
    }
    return false;
}

bool RtfParser::tableWord(const RtfToken &t)
{
    if (t.text == "trowd") {
        flush();
        m_cellRights.clear();
        m_handler.rowStart();
    } else if (t.text == "cellx") {
        if (m_cellRights.size() < kMaxColumns)
            m_cellRights.append(std::clamp(t.param, 0, 100000));
    } else if (t.text == "cell") {
        flush();
        m_handler.cellEnd(m_state.para, m_state.chr);
    } else if (t.text == "row") {
        flush();
        m_handler.rowEnd();
    } else {
        return false;
    }
    return true;
}

void RtfParser::specialCharacterWord(std::string_view word)
{
    const char16_t *c = lookUp(kSpecialCharacters, word);
    if (!c)
        return;
    if (*c == kParagraphEnd)
        endParagraph();
    else
        addChar(QChar(*c));
}
