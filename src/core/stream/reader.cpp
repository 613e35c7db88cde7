#include "stream/reader.h"

#include "stream/classregistry.h"
#include "stream/colornames.h"
#include "stream/component.h"
#include "stream/extendedfloat.h"
#include "stream/streamerror.h"

#include "platform/codepage1252.h"

#include <QIODevice>

#include <cstring>

namespace {

// Keeps the nesting count right whichever way a nested read leaves.
class DepthGuard
{
public:
    DepthGuard(int &depth, int limit)
        : m_depth(depth)
    {
        if (++m_depth > limit) {
            --m_depth;
            throw StreamError(StreamMessages::invalidStreamFormat());
        }
    }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard &) = delete;
    DepthGuard &operator=(const DepthGuard &) = delete;

private:
    int &m_depth;
};

// A record that failed takes the children created for it along.
void freeWithChildren(TComponent *component)
{
    while (!component->children().empty()) {
        TComponent *child = component->children().back();
        child->setParent(nullptr);
        freeWithChildren(child);
    }
    delete component;
}

} // namespace

TReader::TReader(QIODevice &device)
    : m_device(device)
{
}

TReader::~TReader()
{
    if (!m_device.isSequential() && m_end > m_position)
        m_device.seek(m_device.pos() - (m_end - m_position));
}

void TReader::propertyValueError()
{
    throw StreamError(StreamMessages::invalidPropertyValue());
}

bool TReader::fillBuffer()
{
    const qint64 count = m_device.read(m_buffer.data(), kBufferSize);
    if (count <= 0)
        return false;
    m_position = 0;
    m_end = int(count);
    return true;
}

void TReader::read(void *data, int count)
{
    char *out = static_cast<char *>(data);
    while (count > 0) {
        if (m_position == m_end) {
            if (count >= kBufferSize) { // large blocks bypass the buffer
                const qint64 got = m_device.read(out, count);
                if (got <= 0)
                    throw StreamError(StreamMessages::readError());
                out += got;
                count -= int(got);
                continue;
            }
            if (!fillBuffer())
                throw StreamError(StreamMessages::readError());
        }
        const int chunk = std::min(count, m_end - m_position);
        std::memcpy(out, m_buffer.data() + m_position, size_t(chunk));
        m_position += chunk;
        out += chunk;
        count -= chunk;
    }
}

TValueType TReader::readValue()
{
    quint8 byte = 0;
    read(&byte, 1);
    return TValueType(byte);
}

TValueType TReader::nextValue()
{
    if (m_position == m_end && !fillBuffer())
        throw StreamError(StreamMessages::readError());
    return TValueType(quint8(m_buffer[size_t(m_position)]));
}

void TReader::readListBegin()
{
    if (readValue() != vaList)
        propertyValueError();
}

void TReader::readListEnd()
{
    if (readValue() != vaNull)
        propertyValueError();
}

qint32 TReader::readLength()
{
    quint8 bytes[4];
    read(bytes, 4);
    return qint32(
        quint32(bytes[0]) | (quint32(bytes[1]) << 8) | (quint32(bytes[2]) << 16) | (quint32(bytes[3]) << 24));
}

QByteArray TReader::readBytes(qint64 count)
{
    if (count < 0)
        throw StreamError(StreamMessages::readError());
    // A length beyond what the device still holds is refused before any
    // memory is taken for it.
    if (!m_device.isSequential() && count > (m_end - m_position) + m_device.bytesAvailable())
        throw StreamError(StreamMessages::readError());
    QByteArray out;
    constexpr qint64 kChunk = 1 << 20;
    while (count > 0) {
        const int chunk = int(std::min(count, kChunk));
        const qsizetype start = out.size();
        out.resize(start + chunk);
        read(out.data() + start, chunk);
        count -= chunk;
    }
    return out;
}

void TReader::skipBytes(qint64 count)
{
    if (count < 0)
        throw StreamError(StreamMessages::readError());
    char scratch[256];
    while (count > 0) {
        const int chunk = int(std::min<qint64>(count, sizeof scratch));
        read(scratch, chunk);
        count -= chunk;
    }
}

qint32 TReader::readInteger()
{
    switch (readValue()) {
    case vaInt8: {
        qint8 value = 0;
        read(&value, 1);
        return value;
    }
    case vaInt16: {
        quint8 bytes[2];
        read(bytes, 2);
        return qint16(quint16(bytes[0] | (bytes[1] << 8)));
    }
    case vaInt32:
        return readLength();
    default:
        propertyValueError();
    }
}

bool TReader::readBoolean()
{
    return readValue() == vaTrue;
}

QString TReader::readString()
{
    switch (readValue()) {
    case vaString: {
        quint8 length = 0;
        read(&length, 1);
        return CodePage1252::toUnicode(readBytes(length));
    }
    case vaLString:
        return CodePage1252::toUnicode(readBytes(readLength()));
    case vaUTF8String:
        return QString::fromUtf8(readBytes(readLength()));
    case vaWString: {
        const qint64 units = readLength();
        const QByteArray bytes = readBytes(units * 2);
        QString text(qsizetype(units), Qt::Uninitialized);
        for (qint64 i = 0; i < units; ++i)
            text[qsizetype(i)] = QChar(quint16(quint8(bytes[2 * i]) | (quint8(bytes[2 * i + 1]) << 8)));
        return text;
    }
    default:
        propertyValueError();
    }
}

double TReader::readFloat()
{
    if (nextValue() != vaExtended)
        return readInteger();
    (void)readValue();
    ExtendedFloat::Bytes bytes {};
    read(bytes.data(), int(bytes.size()));
    return ExtendedFloat::toDouble(bytes);
}

QString TReader::readIdent()
{
    switch (readValue()) {
    case vaIdent:
        return readStr();
    case vaFalse:
        return QStringLiteral("False");
    case vaTrue:
        return QStringLiteral("True");
    case vaNil:
        return QStringLiteral("nil");
    default:
        propertyValueError();
    }
}

QByteArray TReader::readBinary()
{
    if (readValue() != vaBinary)
        propertyValueError();
    return readBytes(readLength());
}

QString TReader::readStr()
{
    quint8 length = 0;
    read(&length, 1);
    return CodePage1252::toUnicode(readBytes(length));
}

void TReader::skipSetBody()
{
    while (!readStr().isEmpty()) { }
}

quint32 TReader::readSet(const QStringList &elementNames)
{
    if (readValue() != vaSet)
        propertyValueError();
    quint32 result = 0;
    for (;;) {
        const QString member = readStr();
        if (member.isEmpty())
            return result;
        int ordinal = -1;
        for (int i = 0; i < elementNames.size(); ++i) {
            if (elementNames[i].compare(member, Qt::CaseInsensitive) == 0) {
                ordinal = i;
                break;
            }
        }
        if (ordinal < 0) {
            skipSetBody();
            propertyValueError();
        }
        if (ordinal <= 31)
            result |= quint32(1) << ordinal;
    }
}

int TReader::readEnum(const QStringList &names)
{
    const QString ident = readIdent();
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].compare(ident, Qt::CaseInsensitive) == 0)
            return i;
    }
    propertyValueError();
}

quint32 TReader::readColor()
{
    if (nextValue() != vaIdent)
        return quint32(readInteger());
    TColor color = 0;
    if (!ColorNames::identToColor(readIdent(), &color))
        propertyValueError();
    return color;
}

void TReader::readSignature()
{
    char signature[4];
    read(signature, 4);
    if (std::memcmp(signature, "TPF0", 4) != 0)
        throw StreamError(StreamMessages::invalidStreamFormat());
}

int TReader::readPrefix(int *childPosition)
{
    const quint8 next = nextValue();
    if ((next & 0xF0) != 0xF0)
        return 0;
    (void)readValue();
    const int flags = next & 0x0F;
    if (flags & ffChildPos) {
        const int position = readInteger();
        if (childPosition)
            *childPosition = position;
    }
    return flags;
}

void TReader::skipValue()
{
    DepthGuard guard(m_depth, kMaxDepth);
    switch (readValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
        break;
    case vaList:
        while (!endOfList())
            skipValue();
        readListEnd();
        break;
    case vaInt8:
        skipBytes(1);
        break;
    case vaInt16:
        skipBytes(2);
        break;
    case vaInt32:
        skipBytes(4);
        break;
    case vaExtended:
        skipBytes(10);
        break;
    case vaString:
    case vaIdent:
        (void)readStr();
        break;
    case vaBinary:
    case vaLString:
    case vaUTF8String:
        skipBytes(readLength());
        break;
    case vaWString:
        skipBytes(qint64(readLength()) * 2);
        break;
    case vaSet:
        skipSetBody();
        break;
    case vaCollection:
        // Items: an optional index, a list of name/value pairs, an end marker.
        while (!endOfList()) {
            const TValueType next = nextValue();
            if (next == vaInt8 || next == vaInt16 || next == vaInt32)
                (void)readInteger();
            readListBegin();
            while (!endOfList()) {
                (void)readStr();
                skipValue();
            }
            readListEnd();
        }
        readListEnd();
        break;
    default:
        propertyValueError();
    }
}

void TReader::findMethod(const QString &methodName)
{
    bool error = true;
    if (onFindMethod)
        onFindMethod(*this, methodName, error);
    if (error)
        propertyValueError();
}

void TReader::readProperty(TComponent &component)
{
    const QString path = readStr();
    switch (component.readProperty(path, *this)) {
    case PropertyRead::Done:
        return;
    case PropertyRead::NotFound:
        skipValue();
        throw StreamError(StreamMessages::propertyDoesNotExist());
    case PropertyRead::InvalidPath:
        throw StreamError(StreamMessages::invalidPropertyPath());
    }
}

void TReader::readRecordBody(TComponent &component)
{
    while (!endOfList())
        readProperty(component);
    readListEnd();
    TComponent *const savedParent = m_parent;
    m_parent = &component;
    try {
        while (!endOfList())
            (void)readComponent();
    } catch (...) {
        m_parent = savedParent;
        throw;
    }
    m_parent = savedParent;
    readListEnd();
}

TComponent *TReader::readComponent()
{
    DepthGuard guard(m_depth, kMaxDepth);
    const int flags = readPrefix();
    const QString className = readStr();
    QString name = readStr();
    TComponent *component = nullptr;
    const bool inherited = (flags & ffInherited) != 0;
    if (inherited) {
        // Only written against an ancestor, which this program never does.
        component = m_owner ? m_owner->findComponent(name) : nullptr;
        if (!component)
            throw StreamError(StreamMessages::invalidStreamFormat());
    } else {
        component = TClassRegistry::create(className, m_owner);
        if (!component)
            throw StreamError(StreamMessages::classNotFound(className));
    }
    component->m_loading = component->m_reading = true;
    try {
        if (!inherited) {
            if (m_parent)
                component->setParent(m_parent);
            if (onSetName)
                onSetName(*this, component, name);
            const TComponent *other = m_owner ? m_owner->findComponent(name) : nullptr;
            if (other && other != component)
                throw StreamError(StreamMessages::duplicateName(name));
            component->setName(name);
        }
        readRecordBody(*component);
    } catch (...) {
        if (inherited)
            component->m_loading = component->m_reading = false;
        else
            freeWithChildren(component);
        throw;
    }
    component->m_loading = component->m_reading = false;
    component->loaded();
    return component;
}

void TReader::readComponents(TComponent *owner, TComponent *parent, const ComponentCallback &callback)
{
    TComponent *const savedOwner = m_owner;
    TComponent *const savedParent = m_parent;
    m_owner = owner;
    m_parent = parent;
    try {
        while (!endOfList()) {
            readSignature();
            TComponent *component = readComponent();
            if (callback)
                callback(component);
        }
        readListEnd();
    } catch (...) {
        m_owner = savedOwner;
        m_parent = savedParent;
        throw;
    }
    m_owner = savedOwner;
    m_parent = savedParent;
}

void TReader::readRootComponent(TComponent &root)
{
    readSignature();
    DepthGuard guard(m_depth, kMaxDepth);
    (void)readPrefix();
    (void)readStr(); // the class name: the object exists already
    QString name = readStr();
    if (const TComponent *owner = root.owner()) {
        const QString stored = name;
        for (int n = 1; !stored.isEmpty(); ++n) {
            const TComponent *other = owner->findComponent(name);
            if (!other || other == &root)
                break;
            name = stored + QLatin1Char('_') + QString::number(n);
        }
    }
    TComponent *const savedOwner = m_owner;
    m_owner = &root;
    root.m_loading = root.m_reading = true;
    try {
        root.setName(name);
        readRecordBody(root);
    } catch (...) {
        root.m_loading = root.m_reading = false;
        m_owner = savedOwner;
        throw;
    }
    root.m_loading = root.m_reading = false;
    m_owner = savedOwner;
    root.loaded();
}
