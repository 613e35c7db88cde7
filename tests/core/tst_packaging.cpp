// The desktop entry and the file types it announces agree with each other.
#include <QFile>
#include <QSettings>
#include <QXmlStreamReader>
#include <QtTest>

class TestPackaging : public QObject
{
    Q_OBJECT

private slots:
    void desktopEntryOpensBothFileTypes()
    {
        const QString folder = QStringLiteral(DW_PACKAGING_DIR);
        QSettings entry(folder + "/datewright.desktop", QSettings::IniFormat);
        entry.beginGroup("Desktop Entry");
        QCOMPARE(entry.value("Exec").toString(), QStringLiteral("datewright %f"));
        QCOMPARE(entry.value("Icon").toString(), QStringLiteral("datewright"));
        QVERIFY(QFile::exists(folder + "/datewright.svg"));
        QStringList announced = entry.value("MimeType").toString().split(';', Qt::SkipEmptyParts);

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
        QCOMPARE(globs, QStringList({"*.dwf", "*.dws"}));
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
