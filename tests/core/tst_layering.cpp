// The core library must build without widgets, and the UI must never be
// reached from the core: every include in src/core is checked here.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void coreIncludesNoWidgets()
    {
        const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"));
        const QStringList forbidden {QStringLiteral("QtWidgets"), QStringLiteral("QWidget"),
                                     QStringLiteral("QApplication"), QStringLiteral("QPrinter"),
                                     QStringLiteral("QDialog"), QStringLiteral("QMessageBox"),
                                     QStringLiteral("ui/"), QStringLiteral("surface/"), QStringLiteral("app/")};
        QStringList offenders;
        int files = 0;
        QDirIterator it(QStringLiteral(DW_SOURCE_DIR "/core"), {"*.h", "*.cpp"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            ++files;
            int lineNumber = 0;
            while (!file.atEnd()) {
                const QString line = QString::fromUtf8(file.readLine());
                ++lineNumber;
                const auto match = include.match(line);
                if (!match.hasMatch())
                    continue;
                const QString target = match.captured(1);
                for (const QString &word : forbidden) {
                    if (target.startsWith(word) || target.contains(QLatin1Char('/') + word))
                        offenders << QStringLiteral("%1:%2 %3").arg(file.fileName()).arg(lineNumber).arg(target);
                }
            }
        }
        QVERIFY2(files > 10, "the core sources were not found");
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
