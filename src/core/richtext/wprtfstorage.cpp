#include "wprtfstorage.h"

#include <QStringDecoder>

namespace {

// Group destinations whose contents are not body text.
bool isHiddenDestination(const QByteArray &word)
{
    static const char *const hidden[] = {"fonttbl", "colortbl", "stylesheet", "info", "pict",
                                         "header", "footer", "object", "themedata", "listtable"};
    for (const char *name : hidden) {
        if (word == name)
            return true;
    }
    return false;
}

} // namespace

bool TWPRtfStorage::isEmpty() const
{
    return plainText().trimmed().isEmpty() && !m_rtf.contains("\\pict");
}

// Text only: enough to tell what a cell says. Formatting is the rich-text
// engine's business.
QString TWPRtfStorage::plainText() const
{
    if (!m_rtf.startsWith("{\\rtf"))
        return QString::fromUtf8(m_rtf);
    QStringDecoder cp1252("Windows-1252");
    QString text;
    int depth = 0;
    int hiddenDepth = 0; // depth at which a hidden group started, 0 when none
    const int size = int(m_rtf.size());
    for (int i = 0; i < size; ++i) {
        const char c = m_rtf.at(i);
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (hiddenDepth == depth)
                hiddenDepth = 0;
            --depth;
        } else if (c == '\\' && i + 1 < size) {
            const char next = m_rtf.at(i + 1);
            if (next == '*' || (next == '\'' && i + 3 < size)) {
                if (next == '*' && hiddenDepth == 0)
                    hiddenDepth = depth;
                else if (next == '\'' && hiddenDepth == 0)
                    text += cp1252.decode(QByteArray::fromHex(m_rtf.mid(i + 2, 2)));
                i += next == '*' ? 1 : 3;
                continue;
            }
            if (!isalpha(static_cast<unsigned char>(next))) {
                if (hiddenDepth == 0 && (next == '\\' || next == '{' || next == '}'))
                    text += QLatin1Char(next);
                ++i;
                continue;
            }
            int end = i + 1;
            while (end < size && isalpha(static_cast<unsigned char>(m_rtf.at(end))))
                ++end;
            const QByteArray word = m_rtf.mid(i + 1, end - i - 1);
            while (end < size && (m_rtf.at(end) == '-' || isdigit(static_cast<unsigned char>(m_rtf.at(end)))))
                ++end;
            if (end < size && m_rtf.at(end) == ' ')
                ++end;
            if (hiddenDepth == 0 && isHiddenDestination(word))
                hiddenDepth = depth;
            else if (hiddenDepth == 0 && (word == "par" || word == "line"))
                text += QLatin1Char('\n');
            else if (hiddenDepth == 0 && word == "tab")
                text += QLatin1Char('\t');
            i = end - 1;
        } else if (hiddenDepth == 0 && depth > 0 && c != '\r' && c != '\n') {
            text += QLatin1Char(c);
        }
    }
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}
