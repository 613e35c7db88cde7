#pragma once

// Splits Rich Text Format into its tokens. Knows nothing of what a control
// word means except \binN, whose N raw bytes must not be read as RTF.
//
// The input is hostile: parameters saturate at the limits of int, words are
// cut to a sane length, and a truncated escape at the end of the data ends
// the tokens quietly.

#include <QByteArray>

#include <string_view>

struct RtfToken
{
    enum class Kind { End, GroupOpen, GroupClose, ControlWord, ControlSymbol, Text, Binary };
    Kind kind = Kind::End;
    // The letters of a control word, a run of text or the bytes of \binN;
    // a view into the tokenizer's data.
    std::string_view text;
    // The character after the backslash of a control symbol.
    char symbol = 0;
    // A control word's number, or the byte of a \'hh escape.
    bool hasParam = false;
    int param = 0;
};

class RtfTokenizer
{
public:
    static constexpr int kMaxWordLength = 32;

    // The bytes must outlive the tokenizer and its tokens.
    explicit RtfTokenizer(const QByteArray &bytes, int start = 0);

    // The next token; End from the end of the data on. Line ends in the
    // source are not text and yield no token.
    [[nodiscard]] RtfToken next();

    // The value of a hexadecimal digit, or -1 for any other byte.
    [[nodiscard]] static int hexValue(char c);

private:
    RtfToken escape();
    RtfToken controlWord();
    RtfToken hexEscape();
    RtfToken text();
    // An optional '-' and digits, saturating; false when there are no digits.
    bool readParameter(int *value);

    const char *m_data = nullptr;
    int m_size = 0;
    int m_pos = 0;
};
