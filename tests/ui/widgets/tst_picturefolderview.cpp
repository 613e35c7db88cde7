// The picture browsers' folder tree: the folder a browser opens on is in
// sight once the tree has read the folders leading to it, and stays there.
#include "widgets/picturefolderview.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

class TestPictureFolderView : public QObject
{
    Q_OBJECT

private slots:
    void openingFolderIsInSight()
    {
        // Many siblings before it, so the folder lies far below the tree's
        // first screenful.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (int i = 0; i < 60; ++i)
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("f%1").arg(i, 2, 10, QLatin1Char('0'))));
        const QString folder = dir.filePath(QStringLiteral("f55/Pictures"));
        QVERIFY(QDir().mkpath(folder));

        PictureFolderView view({ QStringLiteral(".BMP") });
        view.resize(300, 240);
        view.setFolder(folder);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto *tree = view.findChild<QTreeView *>(QStringLiteral("DirectoryListBox1"));
        QVERIFY(tree);
        const auto inSight = [tree] {
            const QModelIndex current = tree->currentIndex();
            return current.data().toString() == QStringLiteral("Pictures")
                && current.parent().data().toString() == QStringLiteral("f55")
                && tree->viewport()->rect().contains(tree->visualRect(current));
        };
        // Seconds without the folder in sight would be a tree left at the top.
        QTRY_VERIFY_WITH_TIMEOUT(inSight(), 2000);
        QTest::qWait(200);
        QVERIFY2(inSight(), "the folder moved out of sight when the tree sorted its rows");
    }
};

QTEST_MAIN(TestPictureFolderView)
#include "tst_picturefolderview.moc"
