#pragma once

// Answers the next modal dialog of a type once it shows: the test's change,
// then OK or Cancel.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <functional>

template <typename Dialog> void answerModal(const std::function<void(Dialog &)> &change, bool ok)
{
    QTimer::singleShot(0, [=] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (change)
            change(*dialog);
        ok ? dialog->accept() : dialog->reject();
    });
}
