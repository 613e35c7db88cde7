#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

// A dialog control with the name that tests and the help cursor know it by,
// and the text the help cursor shows for it.
template <typename Control> Control *described(Control *control, const char *name, const QString &whatsThis)
{
    control->setObjectName(QLatin1String(name));
    control->setWhatsThis(whatsThis);
    return control;
}

inline QComboBox *describedComboBox(const char *name, const QStringList &items, const QString &whatsThis)
{
    auto *box = described(new QComboBox, name, whatsThis);
    box->addItems(items);
    return box;
}
