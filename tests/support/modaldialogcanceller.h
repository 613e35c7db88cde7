#pragma once

// Cancels every modal dialog that opens while it lives, and remembers the
// title of the last one, for tests that walk through commands which open an
// editor on the way.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

class ModalDialogCanceller
{
public:
    ModalDialogCanceller()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                m_opened = dialog->windowTitle();
                if (m_inspect)
                    m_inspect(*dialog);
                dialog->reject();
            }
        });
        m_timer.start(20);
    }

    [[nodiscard]] const QString &opened() const { return m_opened; }
    void clear() { m_opened.clear(); }
    // Looks at each dialog as it opened, before it is cancelled.
    void inspect(std::function<void(QDialog &)> look) { m_inspect = std::move(look); }

private:
    QTimer m_timer;
    QString m_opened;
    std::function<void(QDialog &)> m_inspect;
};
