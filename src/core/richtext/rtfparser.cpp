#include "richtext/rtfparser.h"

#include "platform/codepage1252.h"
#include "richtext/rtftokenizer.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kMaxFonts = 4096;
constexpr int kMaxColors = 4096;
constexpr int kMaxPictureBytes = 64 * 1024 * 1024;

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
    RtfTokenizer tokens(rtf, int(std::min<qsizetype>(rtf.indexOf('{'), INT_MAX)));
    run(tokens);
    finishDocument(); // a missing closing brace ends it all the same
    return true;
}

void RtfParser::run(RtfTokenizer &tokens)
{
    while (!m_ended) {
        const RtfToken t = tokens.next();
        if (t.kind == RtfToken::Kind::End)
            return;
        if (m_ignoredDepth > 0)
            ignoredToken(t);
        else
            token(t);
    }
}

void RtfParser::token(const RtfToken &t)
{
    switch (t.kind) {
    case RtfToken::Kind::GroupOpen:
        openGroup();
        return;
    case RtfToken::Kind::GroupClose:
        closeGroup();
        return;
    case RtfToken::Kind::ControlWord:
        controlWord(t);
        break;
    case RtfToken::Kind::ControlSymbol:
        controlSymbol(t);
        break;
    case RtfToken::Kind::Text:
        plainText(t.text);
        break;
    case RtfToken::Kind::Binary:
        binary(t.text);
        break;
    case RtfToken::Kind::End:
        return;
    }
    m_groupStart = false;
}

// Past the nesting limit only the braces count, until the group that went
// too deep closes.
void RtfParser::ignoredToken(const RtfToken &t)
{
    if (t.kind == RtfToken::Kind::GroupOpen)
        ++m_ignoredDepth;
    else if (t.kind == RtfToken::Kind::GroupClose)
        --m_ignoredDepth;
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

void RtfParser::controlSymbol(const RtfToken &t)
{
    switch (t.symbol) {
    case '*':
        if (m_groupStart)
            m_starred = true;
        return;
    case '\'':
        if (t.hasParam) // not a hex pair: nothing
            hexByte(static_cast<unsigned char>(t.param));
        return;
    case '\\':
    case '{':
    case '}':
        plainByte(static_cast<unsigned char>(t.symbol));
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

void RtfParser::hexByte(unsigned char byte)
{
    if (skippingFallback())
        return;
    if (m_state.destination == Destination::FontTable) {
        m_fontName += CodePage1252::toUnicode(byte);
        return;
    }
    if (m_state.destination == Destination::Body)
        addChar(CodePage1252::toUnicode(byte));
}

void RtfParser::binary(std::string_view bytes)
{
    const qsizetype count = qsizetype(bytes.size());
    if (m_state.destination == Destination::Picture && m_picture.data.size() + count <= kMaxPictureBytes)
        m_picture.data.append(bytes.data(), count);
}

bool RtfParser::skippingFallback()
{
    if (m_fallbackLeft <= 0)
        return false;
    --m_fallbackLeft;
    return true;
}

void RtfParser::plainText(std::string_view bytes)
{
    for (char c : bytes)
        plainByte(static_cast<unsigned char>(c));
}

void RtfParser::plainByte(unsigned char byte)
{
    switch (m_state.destination) {
    case Destination::Skip:
        return;
    case Destination::Picture:
        if (RtfTokenizer::hexValue(char(byte)) >= 0 && m_picture.data.size() < kMaxPictureBytes) {
            if (m_nibble < 0) {
                m_nibble = RtfTokenizer::hexValue(char(byte));
            } else {
                m_picture.data.append(char(m_nibble * 16 + RtfTokenizer::hexValue(char(byte))));
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
