#pragma once

#include <QtGlobal>

// The one-byte tag in front of every value of the stream. The numbers are
// the file format; never renumber them.
enum TValueType : quint8 {
    vaNull = 0, // end marker of a list, a property list or a child list
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5, // 80-bit extended float
    vaString = 6, // length byte + Windows-1252 text
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10, // 4-byte length + bytes
    vaSet = 11,
    vaLString = 12, // 4-byte length + Windows-1252 text
    vaNil = 13,
    vaCollection = 14,
    vaWString = 18, // 4-byte count + UTF-16 code units (read only)
    vaUTF8String = 20 // 4-byte length + UTF-8 text, for text beyond Windows-1252
};

// Flags of the optional prefix byte of a component record ($F0 or'd).
enum TFilerFlag : quint8 { ffInherited = 1, ffChildPos = 2 };
