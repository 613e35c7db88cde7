// The configuration report: reading the system's files, and the report's
// lines, labels and order.
#include "platform/configurationreport.h"
#include "platform/systeminformation.h"

#include <QtTest>

class TestConfigurationReport : public QObject
{
    Q_OBJECT

private slots:
    void readsTheSystemsFiles()
    {
        SystemInformation info;
        info.readOsRelease(
            "# built by hand\nNAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"
            "ID=debian\n");
        QCOMPARE(info.systemName, QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
        info.readOsRelease("NAME='Alpine Linux'\nVERSION_ID=3.19\n");
        QCOMPARE(info.systemName, QStringLiteral("Alpine Linux"));

        info.readKernelRelease("6.1.0-18-amd64", "  #1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1 ");
        QCOMPARE(info.versionMajor, 6);
        QCOMPARE(info.versionMinor, 1);
        QCOMPARE(info.build, 0);
        QCOMPARE(info.buildText, QStringLiteral("#1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1"));
        info.readKernelRelease("5.10", "");
        QCOMPARE(info.versionMinor, 10);
        QCOMPARE(info.build, 0);

        info.readCpuInfo(
            "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Core(TM) i5 CPU\n");
        QCOMPARE(info.processor, QStringLiteral("Intel(R) Core(TM) i5 CPU"));
        // Arm boards name the board, not a model.
        info.readCpuInfo("processor\t: 0\nBogoMIPS\t: 108.00\nModel\t\t: Raspberry Pi 4 Model B Rev 1.4\n");
        QCOMPARE(info.processor, QStringLiteral("Raspberry Pi 4 Model B Rev 1.4"));

        info.readLocaleConf("# comment\nLANG=\"de_DE.UTF-8\"\nLANGUAGE=de\n");
        QCOMPARE(info.systemLocaleName, QStringLiteral("de_DE.UTF-8"));
    }

    void readsMemoryInBytes()
    {
        SystemInformation info;
        info.readMemInfo("MemTotal:       16000000 kB\nMemFree:  1000000 kB\nMemAvailable:    4000000 kB\n"
                         "SwapTotal:  2000000 kB\nSwapFree: 1500000 kB\nbroken line\nHugePages_Total:  0\n"
                         "CommitLimit:  10000000 kB\nCommitted_AS:   12000000 kB\n");
        QCOMPARE(info.physicalTotal, qint64(16000000) * 1024);
        QCOMPARE(info.physicalAvailable, qint64(4000000) * 1024);
        QCOMPARE(info.swapTotal, qint64(2000000) * 1024);
        QCOMPARE(info.swapFree, qint64(1500000) * 1024);
        QCOMPARE(info.virtualTotal, qint64(10000000) * 1024);
        // Overcommitted: nothing is left, never a negative amount.
        QCOMPARE(info.virtualAvailable, qint64(0));
        QCOMPARE(info.memoryLoad(), 75);

        // Old kernels give no estimate of what is available: the free memory.
        SystemInformation old;
        old.readMemInfo("MemTotal: 3 kB\nMemFree: 2 kB\n");
        QCOMPARE(old.physicalAvailable, qint64(2048));
        QCOMPARE(old.memoryLoad(), 33);
        QCOMPARE(SystemInformation().memoryLoad(), 0);
    }

    void readsThisComputer()
    {
        const SystemInformation info = SystemInformation::current();
        QVERIFY(!info.systemName.isEmpty());
        QVERIFY(!info.architecture.isEmpty());
        QVERIFY(info.versionMajor > 0);
        QVERIFY(info.physicalTotal > 0);
        QVERIFY(info.physicalAvailable <= info.physicalTotal);
    }

    void colorsFollowTheBitsPerPixel_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<qint64>("colors");
        QTest::newRow("1") << 1 << qint64(2);
        QTest::newRow("4") << 4 << qint64(16);
        QTest::newRow("8") << 8 << qint64(256);
        QTest::newRow("15") << 15 << qint64(32768);
        QTest::newRow("16") << 16 << qint64(65536);
        QTest::newRow("24") << 24 << qint64(16777216);
        QTest::newRow("32") << 32 << qint64(16777216);
        QTest::newRow("other depths as they are") << 30 << qint64(30);
    }

    void colorsFollowTheBitsPerPixel()
    {
        QFETCH(int, bits);
        QFETCH(qint64, colors);
        QCOMPARE(ConfigurationReport::colorCount(bits), colors);
    }

    void reportsEverySectionInOrder()
    {
        ConfigurationReport::Facts facts;
        facts.today = QDate(2026, 12, 7);
        facts.userLocale = QLocale(QLocale::English, QLocale::UnitedStates);
        facts.systemLocale = QLocale(QLocale::German, QLocale::Germany);
        SystemInformation &s = facts.system;
        s.systemName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
        s.versionMajor = 6;
        s.versionMinor = 1;
        s.build = 0;
        s.buildText = QStringLiteral("#1 SMP");
        s.architecture = QStringLiteral("x86_64");
        s.processor = QStringLiteral("Intel(R) Xeon(R)");
        s.physicalTotal = 8589934592;
        s.physicalAvailable = 2147483648;
        s.swapTotal = 1048576;
        s.swapFree = 524288;
        s.virtualTotal = 5000000000;
        s.virtualAvailable = 1234567;
        facts.screenSize = QSize(1920, 1080);
        facts.screenDepth = 16;
        facts.logicalDpi = 120;
        Preferences &p = facts.preferences;
        p.mainZoomPercent = 75;
        p.previewZoomPercent = 30;
        p.defaultEditorFont.name = QStringLiteral("Arial");
        p.defaultEditorFont.size = 12;
        p.defaultEditorFont.bold = true;
        p.defaultEditorFont.underline = true;
        p.defaultEditorFont.strikeout = true; // not listed
        p.defaultEditorFont.color = TColor(255);
        p.iconFileName = QStringLiteral("/home/u/.local/share/datewright/MISC1.ICL");
        p.iconToolWanted = false;
        p.hintsOn = true;

        const QLocale &us = facts.userLocale;
        const QStringList expected {
            QStringLiteral("Monday, December 7, 2026"),
            QString(),
            QStringLiteral("[Product]"),
            QStringLiteral("Program:     \tDatewright"),
            QStringLiteral("Version:     \t3.2g"),
            QString(),
            QStringLiteral("[Environment]"),
            QStringLiteral("Windows:     \tDebian GNU/Linux 12 (bookworm) version 6.1 build:0 #1 SMP"),
            QStringLiteral("CPU:         \tProcessor:  x86_64 Intel(R) Xeon(R)"),
            QStringLiteral("Video:       \t1920x1080x65536 colors"),
            QStringLiteral("Font:        \tLarge Fonts in use"),
            QStringLiteral("Memory Load: \t75"),
            QStringLiteral("Phys Memory: \t8,589,934,592/2,147,483,648"),
            QStringLiteral("Page File:   \t1,048,576/524,288"),
            QStringLiteral("Virt Memory: \t5,000,000,000/1,234,567"),
            QStringLiteral("Language:    \tEnglish (United States)/German (Germany)"),
            QStringLiteral("Country:     \tUS/DE"),
            QStringLiteral("Date Format: \t") + us.dateFormat(QLocale::ShortFormat) + QLatin1Char('/')
                + us.dateFormat(QLocale::LongFormat),
            QStringLiteral("Time Format: \t") + us.timeFormat(QLocale::ShortFormat) + QLatin1Char('/')
                + us.timeFormat(QLocale::LongFormat),
            QString(),
            QStringLiteral("[DW.INI]"),
            QString(),
            QStringLiteral("LastZoom:    \t75/30"),
            QStringLiteral("DeFFont      \tArial,12,1,0,1,255"),
            QStringLiteral("LastIconFile:\t/home/u/.local/share/datewright/MISC1.ICL"),
            QStringLiteral("IconShowing :\t0"),
            QStringLiteral("ShowHint:   :\t1"),
        };
        QCOMPARE(ConfigurationReport::lines(facts), expected);
    }

    void fontSizesByScreenResolution()
    {
        ConfigurationReport::Facts facts;
        auto fontLine = [&facts](int dpi) {
            facts.logicalDpi = dpi;
            for (const QString &line : ConfigurationReport::lines(facts))
                if (line.startsWith(QLatin1String("Font:")))
                    return line.section(QLatin1Char('\t'), 1);
            return QString();
        };
        QCOMPARE(fontLine(96), QStringLiteral("Small Fonts in use"));
        QCOMPARE(fontLine(120), QStringLiteral("Large Fonts in use"));
        QCOMPARE(fontLine(144), QStringLiteral("Custom font size in use"));
    }
};

QTEST_GUILESS_MAIN(TestConfigurationReport)
#include "tst_configurationreport.moc"
