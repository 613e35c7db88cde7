#pragma once

// Rich Text Format state machine over RtfTokenizer's tokens. Qt reads HTML
// and Markdown but no RTF, and cell texts are stored as RTF, so the program
// reads it itself. The parser only tracks the character, paragraph and
// picture state that word processors write and hands runs of text,
// paragraph ends and pictures to a handler; building a document is the
// handler's job.
//
// The input is hostile: nesting, counts, numbers and sizes are bounded,
// truncated escapes and unbalanced braces end or skip quietly.

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QString>
#include <QVector>

#include <string_view>

struct RtfToken;
class RtfTokenizer;

struct RtfCharState
{
    int font = -1; // \f number; -1 is the document's default font
    int halfPoints = 24; // \fs
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false; // \v: not shown, not read
    int foreground = 0; // \cf colour table index; 0 is automatic
    int background = 0; // \cb, \highlight, \chcbpat; 0 is none
    int vertical = 0; // 1 superscript, -1 subscript

    friend bool operator==(const RtfCharState &a, const RtfCharState &b)
    {
        return a.font == b.font && a.halfPoints == b.halfPoints && a.bold == b.bold && a.italic == b.italic
            && a.underline == b.underline && a.strike == b.strike && a.hidden == b.hidden
            && a.foreground == b.foreground && a.background == b.background && a.vertical == b.vertical;
    }
    friend bool operator!=(const RtfCharState &a, const RtfCharState &b) { return !(a == b); }
};

struct RtfParaState
{
    enum Alignment { Left, Center, Right, Justify };
    Alignment alignment = Left;
    // Twips (1/1440 inch).
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;

    struct Tab
    {
        enum Kind { Left, Center, Right };
        int position = 0; // twips
        Kind kind = Left;
        bool dotLeader = false;
    };
    static constexpr int kMaxTabs = 64;
    // The block-format property that keeps each tab's dot leader (a list of bools).
    static constexpr int kTabLeadersProperty = 0x100000 + 1; // QTextFormat::UserProperty + 1
    QVector<Tab> tabs; // in the order given; a hostile text stops at kMaxTabs
    Tab pendingTab; // \tqc, \tqr and \tldot wait for the \tx they describe
};

struct RtfPicture
{
    enum Kind { Unknown, Png, Jpeg, Dib, WBitmap, WMetafile, Emf };
    Kind kind = Unknown;
    QByteArray data;
    int picw = 0; // pixels for bitmaps, 0.01 mm for metafiles
    int pich = 0;
    int goalWidth = 0; // twips
    int goalHeight = 0;
    int scaleX = 100; // percent
    int scaleY = 100;
    int bitsPerPixel = 1; // \wbmbitspixel
    int planes = 1; // \wbmplanes
    int widthBytes = 0; // \wbmwidthbytes
    int mapMode = 8; // \wmetafileN: the mapping mode of a plain metafile
};

struct RtfFont
{
    QString name;
    int charset = 0;
};

class RtfParser
{
public:
    class Handler
    {
    public:
        virtual ~Handler() = default;
        // A run of visible text sharing one character state.
        virtual void text(const QString &text, const RtfCharState &chr) = 0;
        // \par and its kin: the paragraph that just ended had these properties.
        virtual void paragraphEnd(const RtfParaState &para, const RtfCharState &chr) = 0;
        virtual void picture(const RtfPicture &picture, const RtfCharState &chr) = 0;
        // The last paragraph, which has no \par of its own.
        virtual void documentEnd(const RtfParaState &para, const RtfCharState &chr) = 0;
        // Tables: \trowd starts a row definition (its \cellx follow), \cell
        // ends a cell's last paragraph, \row ends the row.
        virtual void rowStart() { }
        virtual void cellEnd(const RtfParaState &para, const RtfCharState &chr) { paragraphEnd(para, chr); }
        virtual void rowEnd() { }
    };

    static constexpr int kMaxDepth = 128;
    static constexpr int kMaxColumns = 63;

    explicit RtfParser(Handler &handler);

    // True for bytes that start as an RTF document ("{\rtf", leading white
    // space allowed).
    [[nodiscard]] static bool looksLikeRtf(const QByteArray &bytes);
    // Parses a document; false (and nothing reported) when it is not RTF.
    bool parse(const QByteArray &rtf);

    [[nodiscard]] const QHash<int, RtfFont> &fonts() const { return m_fonts; }
    // The right edges (twips) of the cells of the row being defined.
    [[nodiscard]] const QVector<int> &cellRights() const { return m_cellRights; }
    [[nodiscard]] int defaultFont() const { return m_defaultFont; }
    // \deftab: the distance between default tab stops in twips; 0 when the
    // text names none.
    [[nodiscard]] int defaultTabTwips() const { return m_defaultTab; }
    // The colour of a table entry; invalid for the automatic entry or a bad index.
    [[nodiscard]] QColor color(int index) const;

private:
    enum class Destination { Body, FontTable, ColorTable, Picture, Skip };
    struct Group
    {
        Destination destination = Destination::Body;
        RtfCharState chr;
        RtfParaState para;
        int unicodeSkip = 1; // \uc
    };

    void run(RtfTokenizer &tokens);
    void token(const RtfToken &token);
    void ignoredToken(const RtfToken &token);
    void openGroup();
    void closeGroup();
    void controlSymbol(const RtfToken &token);
    void hexByte(unsigned char byte);
    void binary(std::string_view bytes);
    void plainText(std::string_view bytes);
    void plainByte(unsigned char byte);
    void addChar(QChar c);
    void addUnicode(int code);
    void flush();
    void endParagraph();
    void finishPicture();
    void finishFontEntry();
    void finishColorEntry();
    void finishDocument();

    // Control words, by destination (rtfparser_words.cpp).
    void controlWord(const RtfToken &token);
    bool destinationWord(std::string_view word);
    void enterDestination(Destination destination);
    void fontTableWord(const RtfToken &token);
    void colorTableWord(const RtfToken &token);
    void bodyWord(const RtfToken &token);
    bool unicodeWord(const RtfToken &token);
    void specialCharacterWord(std::string_view word);
    bool tableWord(const RtfToken &token);
    [[nodiscard]] bool skippingFallback();

    Handler &m_handler;
    bool m_ended = false;
    bool m_starred = false; // "\*" seen at the start of the current group
    bool m_groupStart = false; // no token yet in the current group
    int m_ignoredDepth = 0; // groups past the nesting limit
    int m_fallbackLeft = 0; // \u fallback characters still to drop
    QVector<Group> m_stack;
    Group m_state;

    QString m_pending;
    RtfCharState m_pendingState;

    QHash<int, RtfFont> m_fonts;
    QVector<int> m_cellRights;
    int m_defaultFont = 0;
    int m_defaultTab = 0;
    int m_fontEntry = 0;
    QString m_fontName;
    int m_fontCharset = 0;

    QVector<QColor> m_colors;
    int m_red = -1;
    int m_green = -1;
    int m_blue = -1;

    RtfPicture m_picture;
    int m_pictureGroupDepth = -1;
    int m_nibble = -1;
};
