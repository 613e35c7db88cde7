#include "richtext/rtftokenizer.h"

#include <algorithm>
#include <climits>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool endsText(char c)
{
    return c == '{' || c == '}' || c == '\\' || isLineEnd(c);
}

RtfToken token(RtfToken::Kind kind)
{
    RtfToken t;
    t.kind = kind;
    return t;
}

} // namespace

RtfTokenizer::RtfTokenizer(const QByteArray &bytes, int start)
    : m_data(bytes.constData())
    , m_size(int(std::min<qsizetype>(bytes.size(), INT_MAX)))
    , m_pos(std::clamp(start, 0, m_size))
{
}

int RtfTokenizer::hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken RtfTokenizer::next()
{
    while (m_pos < m_size && isLineEnd(m_data[m_pos]))
        ++m_pos;
    if (m_pos >= m_size)
        return {};
    switch (m_data[m_pos++]) {
    case '{':
        return token(RtfToken::Kind::GroupOpen);
    case '}':
        return token(RtfToken::Kind::GroupClose);
    case '\\':
        return escape();
    default:
        --m_pos;
        return text();
    }
}

RtfToken RtfTokenizer::escape()
{
    if (m_pos >= m_size)
        return {}; // a lone backslash at the end
    if (isLetter(m_data[m_pos]))
        return controlWord();
    const char symbol = m_data[m_pos++];
    if (symbol == '\'')
        return hexEscape();
    RtfToken t = token(RtfToken::Kind::ControlSymbol);
    t.symbol = symbol;
    return t;
}

RtfToken RtfTokenizer::controlWord()
{
    const int start = m_pos;
    while (m_pos < m_size && isLetter(m_data[m_pos]))
        ++m_pos;
    RtfToken t = token(RtfToken::Kind::ControlWord);
    t.text = std::string_view(m_data + start, size_t(std::min(m_pos - start, kMaxWordLength)));
    t.hasParam = readParameter(&t.param);
    // One space ends the word and belongs to it.
    if (m_pos < m_size && m_data[m_pos] == ' ')
        ++m_pos;
    if (t.text == "bin") {
        const int count = std::clamp(t.hasParam ? t.param : 0, 0, m_size - m_pos);
        t.kind = RtfToken::Kind::Binary;
        t.text = std::string_view(m_data + m_pos, size_t(count));
        m_pos += count;
    }
    return t;
}

bool RtfTokenizer::readParameter(int *value)
{
    bool negative = false;
    if (m_pos + 1 < m_size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    bool digits = false;
    long long magnitude = 0;
    while (m_pos < m_size && isDigit(m_data[m_pos])) {
        digits = true;
        magnitude = std::min<long long>(magnitude * 10 + (m_data[m_pos] - '0'), INT_MAX);
        ++m_pos;
    }
    *value = int(negative ? -magnitude : magnitude);
    return digits;
}

// \'hh: the byte is the parameter. A pair that is not hex gives the symbol
// alone and leaves what follows to be read as text; an escape cut short
// by the end of the data is dropped.
RtfToken RtfTokenizer::hexEscape()
{
    if (m_pos + 2 > m_size) {
        m_pos = m_size;
        return {};
    }
    RtfToken t = token(RtfToken::Kind::ControlSymbol);
    t.symbol = '\'';
    const int high = hexValue(m_data[m_pos]);
    const int low = hexValue(m_data[m_pos + 1]);
    if (high < 0 || low < 0) {
        if (high >= 0)
            ++m_pos;
        return t;
    }
    m_pos += 2;
    t.hasParam = true;
    t.param = high * 16 + low;
    return t;
}

RtfToken RtfTokenizer::text()
{
    const int start = m_pos;
    while (m_pos < m_size && !endsText(m_data[m_pos]))
        ++m_pos;
    RtfToken t = token(RtfToken::Kind::Text);
    t.text = std::string_view(m_data + start, size_t(m_pos - start));
    return t;
}
