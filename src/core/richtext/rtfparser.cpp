#include "richtext/rtfparser.h"

#include "platform/codepage1252.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kMaxWordLength = 32;
constexpr int kMaxFonts = 4096;
constexpr int kMaxColors = 4096;
constexpr int kMaxPictureBytes = 64 * 1024 * 1024;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Groups whose contents are never body text, starred or not.
bool isSkippedDestination(const QByteArray &word)
{
    static const char *const skipped[] = { "stylesheet", "info", "header", "headerl", "headerr", "headerf",
        "footer", "footerl", "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor",
        "nonshppict", "fldinst", "xe", "tc", "txe", "rxe", "pntxta", "pntxtb", "listtable",
        "listoverridetable", "revtbl", "rsidtbl", "filetbl", "pgdsctbl", "template", "comment", "author",
        "title", "subject", "keywords", "operator", "doccomm", "mmathPr", "bkmkstart", "bkmkend", "objdata",
        "objclass", "datastore", "themedata", "colorschememapping", "latentstyles", "xmlnstbl", "private",
        "generator", "userprops", "docvar", "falt", "panose", "fchars", "lchars", "ftnsep", "ftnsepc",
        "ftncn", "aftnsep", "aftnsepc", "aftncn", "blipuid", "picprop", "shpinst", "shptxt", "sp", "sn", "sv",
        "pnseclvl", "listpicture", "formfield", "background" };
    for (const char *name : skipped) {
        if (word == name)
            return true;
    }
    return false;
}

} // namespace

RtfParser::RtfParser(Handler &handler)
    : m_handler(handler)
{
}

bool RtfParser::looksLikeRtf(const QByteArray &bytes)
{
    int i = 0;
    while (i < bytes.size()
        && (bytes.at(i) == ' ' || bytes.at(i) == '\r' || bytes.at(i) == '\n' || bytes.at(i) == '\t'))
        ++i;
    return bytes.mid(i, 5) == "{\\rtf";
}

QColor RtfParser::color(int index) const
{
    return index >= 0 && index < m_colors.size() ? m_colors.at(index) : QColor();
}

bool RtfParser::parse(const QByteArray &rtf)
{
    if (!looksLikeRtf(rtf))
        return false;
    m_data = rtf.constData();
    m_size = int(std::min<qsizetype>(rtf.size(), INT_MAX));
    m_pos = 0;
    while (m_pos < m_size && m_data[m_pos] != '{')
        ++m_pos;
    run();
    finishDocument(); // a missing closing brace ends it all the same
    return true;
}

void RtfParser::run()
{
    while (m_pos < m_size && !m_ended) {
        const char c = m_data[m_pos++];
        if (m_ignoredDepth > 0) {
            // Past the nesting limit: only braces and binary data matter.
            if (c == '{') {
                ++m_ignoredDepth;
            } else if (c == '}') {
                --m_ignoredDepth;
            } else if (c == '\\' && m_pos < m_size && isLetter(m_data[m_pos])) {
                int start = m_pos;
                while (m_pos < m_size && isLetter(m_data[m_pos]))
                    ++m_pos;
                const bool isBin = QByteArray::fromRawData(m_data + start, m_pos - start) == "bin";
                long long n = 0;
                while (m_pos < m_size && isDigit(m_data[m_pos])) {
                    n = std::min<long long>(n * 10 + (m_data[m_pos] - '0'), INT_MAX);
                    ++m_pos;
                }
                if (m_pos < m_size && m_data[m_pos] == ' ')
                    ++m_pos;
                if (isBin)
                    m_pos += int(std::min<long long>(n, m_size - m_pos));
            } else if (c == '\\' && m_pos < m_size) {
                ++m_pos;
            }
            continue;
        }
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\': {
            if (m_pos >= m_size)
                return;
            const char next = m_data[m_pos];
            if (!isLetter(next)) {
                ++m_pos;
                controlSymbol(next);
                m_groupStart = false;
                break;
            }
            const int start = m_pos;
            while (m_pos < m_size && isLetter(m_data[m_pos]))
                ++m_pos;
            const QByteArray word(m_data + start, std::min(m_pos - start, kMaxWordLength));
            bool negative = false;
            if (m_pos < m_size && m_data[m_pos] == '-' && m_pos + 1 < m_size && isDigit(m_data[m_pos + 1])) {
                negative = true;
                ++m_pos;
            }
            bool hasParam = false;
            long long value = 0;
            while (m_pos < m_size && isDigit(m_data[m_pos])) {
                hasParam = true;
                value = std::min<long long>(value * 10 + (m_data[m_pos] - '0'), INT_MAX);
                ++m_pos;
            }
            if (m_pos < m_size && m_data[m_pos] == ' ')
                ++m_pos;
            controlWord(word, hasParam, int(negative ? -value : value));
            m_groupStart = false;
            break;
        }
        case '\r':
        case '\n':
            break;
        default:
            plainByte(static_cast<unsigned char>(c));
            m_groupStart = false;
            break;
        }
    }
}

void RtfParser::openGroup()
{
    if (m_stack.size() >= kMaxDepth) {
        m_ignoredDepth = 1;
        return;
    }
    m_stack.append(m_state);
    m_starred = false;
    m_groupStart = true;
    m_fallbackLeft = 0;
}

void RtfParser::closeGroup()
{
    if (m_stack.isEmpty()) {
        finishDocument(); // an unbalanced brace closes the document
        return;
    }
    const Destination leaving = m_state.destination;
    if (leaving == Destination::Picture && m_stack.size() == m_pictureGroupDepth)
        finishPicture();
    if (leaving == Destination::FontTable && !m_fontName.isEmpty())
        finishFontEntry();
    if (m_stack.size() == 1) {
        finishDocument(); // the outer group ends the document, in its own state
        return;
    }
    m_state = m_stack.takeLast();
    m_starred = false;
    m_groupStart = false;
    m_fallbackLeft = 0;
}

void RtfParser::finishDocument()
{
    if (m_ended)
        return;
    flush();
    m_handler.documentEnd(m_state.para, m_state.chr);
    m_ended = true;
}

void RtfParser::controlSymbol(char symbol)
{
    switch (symbol) {
    case '*':
        if (m_groupStart)
            m_starred = true;
        return;
    case '\'':
        hexByte();
        return;
    case '\\':
    case '{':
    case '}':
        plainByte(static_cast<unsigned char>(symbol));
        return;
    case '~':
        addChar(QChar(0x00A0));
        return;
    case '_':
        addChar(QChar(0x2011));
        return;
    case '-':
        return; // optional hyphen: shown only at a break
    case '\r':
    case '\n':
        if (m_state.destination == Destination::Body)
            endParagraph();
        return;
    case '\t':
        addChar(QLatin1Char('\t'));
        return;
    default:
        return;
    }
}

void RtfParser::hexByte()
{
    // A truncated escape at the end of the data is dropped.
    if (m_pos + 2 > m_size) {
        m_pos = m_size;
        return;
    }
    const int high = hexValue(m_data[m_pos]);
    const int low = hexValue(m_data[m_pos + 1]);
    if (high < 0 || low < 0) {
        // Not a hex pair: skip what is there, one character at a time.
        if (high >= 0)
            ++m_pos;
        return;
    }
    m_pos += 2;
    if (skippingFallback())
        return;
    const unsigned char byte = static_cast<unsigned char>(high * 16 + low);
    if (m_state.destination == Destination::FontTable) {
        m_fontName += CodePage1252::toUnicode(byte);
        return;
    }
    if (m_state.destination == Destination::Body)
        addChar(CodePage1252::toUnicode(byte));
}

void RtfParser::binary(int count)
{
    count = std::max(0, std::min(count, m_size - m_pos));
    if (m_state.destination == Destination::Picture && m_picture.data.size() + count <= kMaxPictureBytes)
        m_picture.data.append(m_data + m_pos, count);
    m_pos += count;
}

bool RtfParser::skippingFallback()
{
    if (m_fallbackLeft <= 0)
        return false;
    --m_fallbackLeft;
    return true;
}

void RtfParser::plainByte(unsigned char byte)
{
    switch (m_state.destination) {
    case Destination::Skip:
        return;
    case Destination::Picture:
        if (hexValue(char(byte)) >= 0 && m_picture.data.size() < kMaxPictureBytes) {
            if (m_nibble < 0) {
                m_nibble = hexValue(char(byte));
            } else {
                m_picture.data.append(char(m_nibble * 16 + hexValue(char(byte))));
                m_nibble = -1;
            }
        }
        return;
    case Destination::FontTable:
        if (skippingFallback())
            return;
        if (byte == ';')
            finishFontEntry();
        else if (byte >= 0x20)
            m_fontName += CodePage1252::toUnicode(byte);
        return;
    case Destination::ColorTable:
        if (byte == ';')
            finishColorEntry();
        return;
    case Destination::Body:
        if (skippingFallback())
            return;
        if (byte == '\t')
            addChar(QLatin1Char('\t'));
        else if (byte >= 0x20)
            addChar(CodePage1252::toUnicode(byte));
        return;
    }
}

void RtfParser::addChar(QChar c)
{
    if (m_state.destination == Destination::FontTable) {
        m_fontName += c;
        return;
    }
    if (m_state.destination != Destination::Body || m_state.chr.hidden)
        return;
    if (!m_pending.isEmpty() && m_pendingState != m_state.chr)
        flush();
    if (m_pending.isEmpty())
        m_pendingState = m_state.chr;
    m_pending += c;
}

void RtfParser::addUnicode(int code)
{
    if (code < 0)
        code += 65536;
    if (code >= 0 && code <= 0xFFFF)
        addChar(QChar(char16_t(code)));
    m_fallbackLeft = m_state.unicodeSkip;
}

void RtfParser::flush()
{
    if (m_pending.isEmpty())
        return;
    m_handler.text(m_pending, m_pendingState);
    m_pending.clear();
}

void RtfParser::endParagraph()
{
    flush();
    m_handler.paragraphEnd(m_state.para, m_state.chr);
}

void RtfParser::finishFontEntry()
{
    QString name = m_fontName.trimmed();
    if (name.endsWith(QLatin1Char(';')))
        name.chop(1);
    if (!name.isEmpty() && (m_fonts.size() < kMaxFonts || m_fonts.contains(m_fontEntry)))
        m_fonts.insert(m_fontEntry, RtfFont { name, m_fontCharset });
    m_fontName.clear();
    m_fontCharset = 0;
}

void RtfParser::finishColorEntry()
{
    if (m_colors.size() >= kMaxColors)
        return;
    if (m_red < 0 && m_green < 0 && m_blue < 0)
        m_colors.append(QColor());
    else
        m_colors.append(QColor(std::max(0, m_red), std::max(0, m_green), std::max(0, m_blue)));
    m_red = m_green = m_blue = -1;
}

void RtfParser::finishPicture()
{
    flush();
    if (!m_state.chr.hidden)
        m_handler.picture(m_picture, m_state.chr);
    m_picture = RtfPicture();
    m_pictureGroupDepth = -1;
    m_nibble = -1;
}

void RtfParser::controlWord(const QByteArray &word, bool hasParam, int param)
{
    if (word == "bin") {
        binary(hasParam ? param : 0);
        return;
    }
    if (m_starred) {
        m_starred = false;
        // "\*\shppict" holds the picture proper; every other starred
        // destination this reader does not know is skipped whole.
        if (word != "shppict")
            m_state.destination = Destination::Skip;
        return;
    }
    if (m_state.destination == Destination::Skip)
        return;
    if (destinationWord(word))
        return;
    switch (m_state.destination) {
    case Destination::FontTable:
        if (word == "f" && hasParam) {
            if (!m_fontName.isEmpty())
                finishFontEntry();
            m_fontEntry = param;
        } else if (word == "fcharset") {
            m_fontCharset = param;
        } else if (word == "u" && hasParam) {
            addUnicode(param);
        } else if (word == "uc") {
            m_state.unicodeSkip = std::clamp(param, 0, 16);
        }
        return;
    case Destination::ColorTable:
        if (word == "red")
            m_red = std::clamp(param, 0, 255);
        else if (word == "green")
            m_green = std::clamp(param, 0, 255);
        else if (word == "blue")
            m_blue = std::clamp(param, 0, 255);
        return;
    case Destination::Picture:
        pictureWord(word, hasParam, param);
        return;
    case Destination::Skip:
        return;
    case Destination::Body:
        break;
    }
    if (word == "u" && hasParam) {
        addUnicode(param);
        return;
    }
    if (word == "uc") {
        m_state.unicodeSkip = std::clamp(param, 0, 16);
        return;
    }
    if (characterWord(word, hasParam, param) || paragraphWord(word, hasParam, param))
        return;
    specialCharacterWord(word);
}

bool RtfParser::destinationWord(const QByteArray &word)
{
    if (word == "fonttbl") {
        m_state.destination = Destination::FontTable;
        m_fontName.clear();
        return true;
    }
    if (word == "colortbl") {
        m_state.destination = Destination::ColorTable;
        m_colors.clear();
        m_red = m_green = m_blue = -1;
        return true;
    }
    if (word == "pict") {
        if (m_state.destination == Destination::Body) {
            flush();
            m_state.destination = Destination::Picture;
            m_picture = RtfPicture();
            m_pictureGroupDepth = int(m_stack.size());
            m_nibble = -1;
        } else {
            m_state.destination = Destination::Skip;
        }
        return true;
    }
    if (isSkippedDestination(word)) {
        if (m_state.destination == Destination::FontTable && !m_fontName.isEmpty())
            finishFontEntry();
        m_state.destination = Destination::Skip;
        return true;
    }
    return false;
}

bool RtfParser::characterWord(const QByteArray &word, bool hasParam, int param)
{
    RtfCharState &c = m_state.chr;
    const bool on = !hasParam || param != 0;
    if (word == "plain") {
        c = RtfCharState();
    } else if (word == "f") {
        c.font = param;
    } else if (word == "fs") {
        c.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : 24;
    } else if (word == "b") {
        c.bold = on;
    } else if (word == "i") {
        c.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "ulth"
        || word == "uldash" || word == "ulwave") {
        c.underline = on;
    } else if (word == "ulnone") {
        c.underline = false;
    } else if (word == "strike" || word == "striked") {
        c.strike = on;
    } else if (word == "v") {
        c.hidden = on;
    } else if (word == "cf") {
        c.foreground = std::max(0, param);
    } else if (word == "cb" || word == "highlight" || word == "chcbpat") {
        c.background = std::max(0, param);
    } else if (word == "super") {
        c.vertical = 1;
    } else if (word == "sub") {
        c.vertical = -1;
    } else if (word == "nosupersub") {
        c.vertical = 0;
    } else if (word == "deff") {
        m_defaultFont = param;
    } else {
        return false;
    }
    return true;
}

bool RtfParser::paragraphWord(const QByteArray &word, bool, int param)
{
    RtfParaState &p = m_state.para;
    // Indents and spacing beyond a few metres are nonsense; keep them sane.
    const int twips = std::clamp(param, -100000, 100000);
    if (word == "pard")
        p = RtfParaState();
    else if (word == "ql")
        p.alignment = RtfParaState::Left;
    else if (word == "qc")
        p.alignment = RtfParaState::Center;
    else if (word == "qr")
        p.alignment = RtfParaState::Right;
    else if (word == "qj" || word == "qd")
        p.alignment = RtfParaState::Justify;
    else if (word == "li")
        p.leftIndent = twips;
    else if (word == "ri")
        p.rightIndent = twips;
    else if (word == "fi")
        p.firstIndent = twips;
    else if (word == "sb")
        p.spaceBefore = twips;
    else if (word == "sa")
        p.spaceAfter = twips;
    else
        return false;
    return true;
}

bool RtfParser::pictureWord(const QByteArray &word, bool hasParam, int param)
{
    RtfPicture &p = m_picture;
    const int value = hasParam ? param : 0;
    if (word == "pngblip")
        p.kind = RtfPicture::Png;
    else if (word == "jpegblip")
        p.kind = RtfPicture::Jpeg;
    else if (word == "dibitmap")
        p.kind = RtfPicture::Dib;
    else if (word == "wbitmap")
        p.kind = RtfPicture::WBitmap;
    else if (word == "wmetafile") {
        p.kind = RtfPicture::WMetafile;
        if (hasParam)
            p.mapMode = param;
    } else if (word == "emfblip")
        p.kind = RtfPicture::Emf;
    else if (word == "picw")
        p.picw = value;
    else if (word == "pich")
        p.pich = value;
    else if (word == "picwgoal")
        p.goalWidth = value;
    else if (word == "pichgoal")
        p.goalHeight = value;
    else if (word == "picscalex")
        p.scaleX = value;
    else if (word == "picscaley")
        p.scaleY = value;
    else if (word == "wbmbitspixel")
        p.bitsPerPixel = value;
    else if (word == "wbmplanes")
        p.planes = value;
    else if (word == "wbmwidthbytes")
        p.widthBytes = value;
    else
        return false;
    return true;
}

void RtfParser::specialCharacterWord(const QByteArray &word)
{
    if (word == "par" || word == "sect" || word == "page" || word == "row") {
        endParagraph();
    } else if (word == "line") {
        addChar(QChar(QChar::LineSeparator));
    } else if (word == "tab" || word == "cell") {
        addChar(QLatin1Char('\t'));
    } else if (word == "emdash") {
        addChar(QChar(0x2014));
    } else if (word == "endash") {
        addChar(QChar(0x2013));
    } else if (word == "bullet") {
        addChar(QChar(0x2022));
    } else if (word == "lquote") {
        addChar(QChar(0x2018));
    } else if (word == "rquote") {
        addChar(QChar(0x2019));
    } else if (word == "ldblquote") {
        addChar(QChar(0x201C));
    } else if (word == "rdblquote") {
        addChar(QChar(0x201D));
    } else if (word == "emspace") {
        addChar(QChar(0x2003));
    } else if (word == "enspace") {
        addChar(QChar(0x2002));
    }
}
