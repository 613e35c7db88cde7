// The core library must build without widgets, the UI must never be reached
// from the core, and the core's folders depend downward only: every include
// in src/core is checked here.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Include
{
    QString file;
    int line = 0;
    QString target;
    bool quoted = false;

    [[nodiscard]] QString toString() const
    {
        return QStringLiteral("%1:%2 %3").arg(file).arg(line).arg(target);
    }
};

// A folder includes only folders of a lower rank; folders of one rank do not
// include each other.
int folderRank(const QString &folder)
{
    static const QHash<QString, int> ranks {
        { QStringLiteral("base"), 0 },
        { QStringLiteral("platform"), 1 },
        { QStringLiteral("stream"), 2 },
        { QStringLiteral("metafile"), 2 },
        { QStringLiteral("icons"), 2 },
        { QStringLiteral("report"), 2 },
        { QStringLiteral("pictures"), 3 },
        { QStringLiteral("richtext"), 4 },
        { QStringLiteral("calendar"), 5 },
        { QStringLiteral("objects"), 6 },
        { QStringLiteral("recurring"), 7 },
        { QStringLiteral("events"), 8 },
        { QStringLiteral("document"), 9 },
    };
    return ranks.value(folder, -1);
}

bool folderMayInclude(const QString &from, const QString &to)
{
    if (from == to)
        return true;
    const int fromRank = folderRank(from);
    const int toRank = folderRank(to);
    return fromRank >= 0 && toRank >= 0 && toRank < fromRank;
}

QList<Include> coreIncludes()
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"));
    QList<Include> includes;
    QDirIterator it(
        QStringLiteral(DW_SOURCE_DIR "/core"), { "*.h", "*.cpp" }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        int lineNumber = 0;
        while (!file.atEnd()) {
            const auto match = pattern.match(QString::fromUtf8(file.readLine()));
            ++lineNumber;
            if (match.hasMatch())
                includes.append(
                    { file.fileName(), lineNumber, match.captured(2), match.captured(1) == "\"" });
        }
    }
    return includes;
}

// "core/stream/writer.cpp" -> "stream"
QString folderOf(const QString &fileName)
{
    const QString relative = QDir(QStringLiteral(DW_SOURCE_DIR "/core")).relativeFilePath(fileName);
    return relative.section(QLatin1Char('/'), 0, 0);
}

} // namespace

class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void coreIncludesNoWidgets()
    {
        const QStringList forbidden { QStringLiteral("QtWidgets"), QStringLiteral("QWidget"),
            QStringLiteral("QApplication"), QStringLiteral("QPrinter"), QStringLiteral("QDialog"),
            QStringLiteral("QMessageBox"), QStringLiteral("ui/"), QStringLiteral("surface/"),
            QStringLiteral("app/") };
        const QList<Include> includes = coreIncludes();
        QVERIFY2(includes.size() > 10, "the core sources were not found");
        QStringList offenders;
        for (const Include &include : includes) {
            for (const QString &word : forbidden) {
                if (include.target.startsWith(word) || include.target.contains(QLatin1Char('/') + word))
                    offenders << include.toString();
            }
        }
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }

    void folderOrder_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("downward") << "objects"
                                  << "calendar" << true;
        QTest::newRow("to base") << "platform"
                                 << "base" << true;
        QTest::newRow("own folder") << "metafile"
                                    << "metafile" << true;
        QTest::newRow("upward") << "stream"
                                << "calendar" << false;
        QTest::newRow("base reaches up") << "base"
                                         << "platform" << false;
        QTest::newRow("stream and metafile") << "stream"
                                             << "metafile" << false;
        QTest::newRow("pictures over metafile") << "pictures"
                                                << "metafile" << true;
        QTest::newRow("metafile and pictures") << "metafile"
                                               << "pictures" << false;
        QTest::newRow("report and recurring") << "report"
                                              << "recurring" << false;
        QTest::newRow("events over recurring") << "events"
                                               << "recurring" << true;
        QTest::newRow("recurring and events") << "recurring"
                                              << "events" << false;
        QTest::newRow("unknown folder") << "calendar"
                                        << "surface" << false;
    }

    void folderOrder()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, allowed);
        QCOMPARE(folderMayInclude(from, to), allowed);
    }

    void coreIncludesFollowFolderOrder()
    {
        QStringList offenders;
        for (const Include &include : coreIncludes()) {
            if (!include.quoted || include.target.endsWith(QLatin1String(".moc")))
                continue;
            if (!include.target.contains(QLatin1Char('/'))) {
                offenders << include.toString() + QStringLiteral(" (name the folder)");
                continue;
            }
            const QString from = folderOf(include.file);
            const QString to = include.target.section(QLatin1Char('/'), 0, 0);
            if (!folderMayInclude(from, to))
                offenders << include.toString() + QStringLiteral(" (%1 may not include %2)").arg(from, to);
        }
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
