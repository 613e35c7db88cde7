#pragma once

#include "stream/valuetype.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QIODevice;
class TComponent;

// Reads the typed value stream from an open device through a 1000-byte
// buffer. Every failure throws StreamError with the user's message:
// "Invalid property value" (a value of the wrong kind), "Invalid stream
// format" (no signature), "Stream read error" (the data ends early), "Class
// %s not found", "A component named %s already exists", "Property does not
// exist", "Invalid property path". When the reader is destroyed, a
// random-access device is left positioned just after the last value read.
//
// Placed objects of a list, as a calendar file or the clipboard holds them:
//
//   TReader reader(file);
//   reader.onSetName = [&](TReader &, TComponent *, QString &name) { name = freeName(); };
//   reader.onFindMethod = [](TReader &, const QString &, bool &error) { error = false; };
//   reader.readListBegin();
//   reader.readComponents(&owner, &parent, [](TComponent *c) { c->setLeft(c->left() + 15); });
//   // readComponents() consumed the list's end marker.
//
// Components are created from their class names through TClassRegistry.
class TReader
{
public:
    static constexpr int kBufferSize = 1000;
    // Deeper nesting of lists or child records is refused as hostile input.
    static constexpr int kMaxDepth = 64;

    using FindMethodEvent = std::function<void(TReader &reader, const QString &methodName, bool &error)>;
    using SetNameEvent = std::function<void(TReader &reader, TComponent *component, QString &name)>;
    using ComponentCallback = std::function<void(TComponent *component)>;

    explicit TReader(QIODevice &device);
    ~TReader();
    TReader(const TReader &) = delete;
    TReader &operator=(const TReader &) = delete;

    // Asked for an event handler named in the stream; error starts true (this
    // program has no handler table), set it false to leave the event unassigned.
    FindMethodEvent onFindMethod;
    // May change the name a newly created component is about to get.
    SetNameEvent onSetName;

    void read(void *data, int count);
    [[nodiscard]] TValueType readValue();
    [[nodiscard]] TValueType nextValue(); // peeks
    [[nodiscard]] bool endOfList() { return nextValue() == vaNull; }

    void readListBegin();
    void readListEnd();
    [[nodiscard]] qint32 readInteger();
    // One tag; true exactly when it is the true tag (an integer reads false).
    [[nodiscard]] bool readBoolean();
    // Tags 6, 12, 18 (UTF-16) and 20 (UTF-8).
    [[nodiscard]] QString readString();
    // Tag 5, else an integer converted.
    [[nodiscard]] double readFloat();
    // Tag 7, or "False", "True", "nil" for tags 8, 9, 13.
    [[nodiscard]] QString readIdent();
    [[nodiscard]] QByteArray readBinary();
    // Members as a bit set over the element names (ordinals above 31 are
    // ignored); an unknown name skips the rest and fails.
    [[nodiscard]] quint32 readSet(const QStringList &elementNames);
    // An identifier that must be one of names (any case): its index.
    [[nodiscard]] int readEnum(const QStringList &names);
    // A colour: its constant name or an integer.
    [[nodiscard]] quint32 readColor();
    [[nodiscard]] QString readStr(); // short string without a tag
    void readSignature();
    // The optional prefix byte; returns the TFilerFlag bits (0 when absent).
    int readPrefix(int *childPosition = nullptr);
    void skipValue();

    // Runs onFindMethod for an event handler name; fails with "Invalid
    // property value" unless the handler reports no error.
    void findMethod(const QString &methodName);

    // A root record into an existing object: signature, class name (ignored),
    // name (made unique within the object's owner: name, name_1, name_2, ...),
    // properties and children. loaded() runs at the end.
    void readRootComponent(TComponent &root);
    // Records (each with signature) until the end marker, which is consumed.
    // Each is created from its class name with the owner, given the parent,
    // named (onSetName may change the name), read, loaded() and passed to
    // the callback. A record that fails is freed and the failure passes on;
    // the ones before it stay with the owner.
    void readComponents(TComponent *owner, TComponent *parent, const ComponentCallback &callback);
    // One record without signature, created with the current owner and parent.
    TComponent *readComponent();

private:
    [[nodiscard]] qint32 readLength();
    [[nodiscard]] QByteArray readBytes(qint64 count);
    void readProperty(TComponent &component);
    void readRecordBody(TComponent &component);
    void skipSetBody();
    void skipBytes(qint64 count);
    void enter();
    void leave() { --m_depth; }
    [[nodiscard]] bool fillBuffer();
    [[noreturn]] static void propertyValueError();

    QIODevice &m_device;
    std::array<char, kBufferSize> m_buffer {};
    int m_position = 0;
    int m_end = 0;
    int m_depth = 0;
    TComponent *m_owner = nullptr;
    TComponent *m_parent = nullptr;
};
