// The desktop entry and the file types it announces agree with each other.
#include <QFile>
#include <QMap>
#include <QXmlStreamReader>
#include <QtTest>

class TestPackaging : public QObject
{
    Q_OBJECT

private slots:
    void desktopEntryOpensBothFileTypes()
    {
        const QString folder = QStringLiteral(DW_PACKAGING_DIR);
        // Read by hand: QSettings takes ';' for a comment.
        QFile desktop(folder + "/datewright.desktop");
        QVERIFY(desktop.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(desktop.readAll()).split('\n');
        QCOMPARE(lines.first(), QStringLiteral("[Desktop Entry]"));
        QMap<QString, QString> entry;
        for (const QString &line : lines.mid(1)) {
            const int equals = line.indexOf('=');
            if (equals > 0)
                entry.insert(line.left(equals), line.mid(equals + 1));
        }
        QCOMPARE(entry.value("Exec"), QStringLiteral("datewright %f"));
        QCOMPARE(entry.value("Icon"), QStringLiteral("datewright"));
        QVERIFY(QFile::exists(folder + "/datewright.svg"));
        QStringList announced = entry.value("MimeType").split(';', Qt::SkipEmptyParts);

        QFile xml(folder + "/datewright-mime.xml");
        QVERIFY(xml.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&xml);
        QStringList defined;
        QStringList globs;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == QLatin1String("mime-type"))
                defined << reader.attributes().value("type").toString();
            else if (reader.name() == QLatin1String("glob"))
                globs << reader.attributes().value("pattern").toString();
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        announced.sort();
        defined.sort();
        QCOMPARE(announced, defined);
        QCOMPARE(globs, QStringList({ "*.dwf", "*.dws" }));
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
