#pragma once

#include "stream/component.h"
#include "stream/propertyio.h"
#include "stream/reader.h"
#include "stream/writer.h"

#include <QBuffer>
#include <QByteArray>

#include <functional>

// Bytes a writer produces, and a reader over given bytes.
inline QByteArray written(const std::function<void(TWriter &)> &body)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        TWriter writer(buffer);
        body(writer);
        writer.flush();
    }
    return buffer.data();
}

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// A small component with one property of each kind the records use.
class TTestBox : public TComponent
{
public:
    using TComponent::TComponent;
    QString className() const override { return QStringLiteral("TTestBox"); }
    void writeProperties(TWriter &w) const override
    {
        TComponent::writeProperties(w);
        PropertyIO::writeInteger(w, "Left", left);
        PropertyIO::writeBoolean(w, "Locked", locked);
        PropertyIO::writeString(w, "Caption", caption);
        PropertyIO::writeBinary(w, "Picture.Data", data);
    }
    PropertyRead readProperty(const QString &path, TReader &r) override
    {
        if (PropertyIO::is(path, "Left"))
            left = r.readInteger();
        else if (PropertyIO::is(path, "Locked"))
            locked = r.readBoolean();
        else if (PropertyIO::is(path, "Caption"))
            caption = r.readString();
        else if (PropertyIO::is(path, "Picture.Data"))
            data = r.readBinary();
        else
            return TComponent::readProperty(path, r);
        return PropertyRead::Done;
    }
    void loaded() override
    {
        ++loadedCalls;
        wasLoadingInLoaded = isLoading();
    }

    int left = 0;
    bool locked = false;
    QString caption;
    QByteArray data;
    int loadedCalls = 0;
    bool wasLoadingInLoaded = true;
};
