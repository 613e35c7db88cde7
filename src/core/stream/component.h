#pragma once

#include <QMultiHash>
#include <QString>

#include <vector>

class RecordTable;
class TReader;
class TWriter;

// What a component's readProperty() did with one stored property.
enum class PropertyRead {
    // The value was read: exactly one value consumed.
    Done,
    // No such property; nothing consumed. The reader skips the value and
    // fails with "Property does not exist".
    NotFound,
    // A dotted path whose leading part is not an object property; nothing
    // consumed ("Invalid property path").
    InvalidPath
};

// Base of everything the stream writes and reads as a component record.
//
// Ownership: an owner frees its components (in reverse order) when it is
// freed; components() lists them in the order they were added. Independently
// a component may have a parent; children() is the parent's stacking order,
// bottom to top, which is the order records are written in.
//
// A derived class:
//   - returns its record class name from className() ("TVPLabel"),
//   - lists its stored properties in records(): a RecordTable that starts
//     with the base class's table, so inherited properties come first (see
//     recordtable.h). Writing walks the table; reading looks the path up in
//     it, without regard to case, and reads exactly one value,
//   - may override loaded(), run once after the whole record was read.
// A component whose records fit no table may override writeProperties() and
// readProperty() instead, calling the base class's first (write) or last
// (read, for the paths it does not take).
// While a record is read, isLoading() and isReading() are true, so setters
// can skip change notifications.
//
//   class TBox : public TComponent {
//   public:
//       using TComponent::TComponent;
//       QString className() const override { return QStringLiteral("TBox"); }
//       int width() const { return m_width; }
//       void setWidth(int width) { m_width = width; }
//       const RecordTable &records() const override {
//           static const RecordTable table(TComponent::records(),
//               { Records::record("Width", &TBox::width, &TBox::setWidth, Records::integer) });
//           return table;
//       }
//   private:
//       int m_width = 0;
//   };
//   TClassRegistry::registerClass<TBox>(QStringLiteral("TBox"));
class TComponent
{
public:
    explicit TComponent(TComponent *owner = nullptr);
    virtual ~TComponent();
    TComponent(const TComponent &) = delete;
    TComponent &operator=(const TComponent &) = delete;

    [[nodiscard]] virtual QString className() const;

    [[nodiscard]] const QString &name() const { return m_name; }
    // Stores the name; uniqueness within the owner is the reader's check.
    void setName(const QString &name);
    [[nodiscard]] int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // --- ownership -----------------------------------------------------------
    [[nodiscard]] TComponent *owner() const { return m_owner; }
    [[nodiscard]] const std::vector<TComponent *> &components() const { return m_components; }
    [[nodiscard]] int componentCount() const { return int(m_components.size()); }
    // By name, compared without regard to case; nullptr when none (or empty
    // name). Looked up in an index, so reading or naming many objects stays
    // linear. Of several with the name, any one.
    [[nodiscard]] TComponent *findComponent(const QString &name) const;
    // Frees every owned component, last first.
    void destroyComponents();

    // --- parent and stacking order ---------------------------------------------
    [[nodiscard]] TComponent *parent() const { return m_parent; }
    // Appends to the new parent's children (on top); nullptr detaches.
    void setParent(TComponent *parent);
    [[nodiscard]] const std::vector<TComponent *> &children() const { return m_children; }
    [[nodiscard]] int childIndex() const; // -1 without a parent
    void bringToFront();
    void sendToBack();

    // --- streaming -----------------------------------------------------------
    // The stored properties of the class; here only Tag (default 0).
    [[nodiscard]] virtual const RecordTable &records() const;
    // Writes the records of records() in order.
    virtual void writeProperties(TWriter &writer) const;
    // Reads the record of records() that takes the path; any other plain
    // name is NotFound, any other dotted path InvalidPath.
    virtual PropertyRead readProperty(const QString &path, TReader &reader);
    // Runs after the record was read; isLoading() is already false here.
    virtual void loaded() { }

    [[nodiscard]] bool isLoading() const { return m_loading; }
    [[nodiscard]] bool isReading() const { return m_reading; }

private:
    friend class TReader;

    QString m_name;
    int m_tag = 0;
    TComponent *m_owner = nullptr;
    TComponent *m_parent = nullptr;
    std::vector<TComponent *> m_components;
    // The named ones among m_components, by case-folded name.
    QMultiHash<QString, TComponent *> m_componentNames;
    std::vector<TComponent *> m_children;
    bool m_loading = false;
    bool m_reading = false;
};
