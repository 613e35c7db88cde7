// Windows come back where they were, fitted onto the screen, or centred.
#include "widgets/formplacement.h"

#include "platform/inifile.h"

#include "testfiles.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

class TPlacedForm : public QWidget
{
    Q_OBJECT
};

class TestFormPlacement : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString section() const
    {
        const int ppi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
        return ppi > 96 ? QStringLiteral("TPlacedForm_Placement%1").arg(ppi)
                        : QStringLiteral("TPlacedForm_Placement");
    }

private slots:
    void aStoredRectangleComesBackFittedOntoTheScreen()
    {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        const QString path = m_dir.filePath("fit.ini");
        writeFile(path,
            QStringLiteral("[%1]\nLeft=100\nTop=40\nRight=%2\nBottom=240\nMaximized=0\n")
                .arg(section())
                .arg(screen.width() + 50)
                .toUtf8());
        IniFile ini(path);
        TPlacedForm form;
        QVERIFY(FormPlacement::RestoreWindowPlacement(&form, ini));
        // 50 pixels too far right: shifted left by the overhang and cut to the screen.
        QCOMPARE(form.geometry(), QRect(QPoint(50, 40), QPoint(screen.width() - 1, 239)));
        QCOMPARE(ini.readInteger(section(), "Right", 0), screen.width());
    }

    void withoutABottomTheWindowIsCentredAndTheSectionWritten()
    {
        const QString path = m_dir.filePath("centre.ini");
        writeFile(
            path, QStringLiteral("[%1]\nLeft=10\nTop=10\nRight=300\nBottom=0\n").arg(section()).toUtf8());
        IniFile ini(path);
        QWidget main;
        main.setGeometry(100, 100, 600, 400);
        FormPlacement::setMainWindow(&main);
        TPlacedForm form;
        form.resize(201, 101);
        QVERIFY(FormPlacement::RestoreWindowPlacement(&form, ini));
        // Centred over the main window, halves truncated.
        QCOMPARE(form.pos(), QPoint(100 + (600 - 201) / 2, 100 + (400 - 101) / 2));
        QCOMPARE(ini.readInteger(section(), "Bottom", 0), form.y() + 101);
        FormPlacement::setMainWindow(nullptr);
    }

    void aFailedWriteIsReported()
    {
        const QString blocked = m_dir.filePath("blocked.ini");
        QDir().mkpath(blocked);
        IniFile ini(blocked);
        TPlacedForm form;
        QVERIFY(!FormPlacement::SaveWindowPlacement(&form, ini));
        QVERIFY(ini.error().startsWith(QLatin1String("Unable to write to ")));
    }
};

QTEST_MAIN(TestFormPlacement)
#include "tst_formplacement.moc"
