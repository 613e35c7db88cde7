// Drawing speed of the text objects at 100% zoom: a SuperText headline
// 600 pixels wide with a gradient face, a shadow and an outline, painted
// for the first time (a new object: layout and gradient built) and again;
// and ten text labels with shadow, highlight, background and border.
// Targets: first paint 4 ms, repaint 1 ms, ten labels 1 ms.
// Run with -median 9 for the median of nine runs.
#include "objects/vplabel.h"
#include "objects/vsupertext.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<TVSuperText> headline()
{
    auto text = std::make_unique<TVSuperText>();
    CalendarFont font;
    font.name = QStringLiteral("Arial");
    font.size = 60;
    font.bold = true;
    text->setFont(font);
    text->setCaption(QStringLiteral("September 2026"));
    text->setSurfaceType(stGradientFill);
    text->setFillDirection(gdRight);
    text->setShadowOrientation(sdDownRight);
    text->setShadowDepth(4);
    text->setOutlineStyle(psSolid);
    text->setOutlineWidth(2);
    text->setBounds(20, 20, 600, 110);
    return text;
}

} // namespace

class BenchTextObjects : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void superTextFirstPaint();
    void superTextRepaint();
    void tenLabels();

private:
    QImage m_page { 816, 1056, QImage::Format_RGB32 };
};

void BenchTextObjects::initTestCase()
{
    // Fonts found and glyph caches warm, as on a surface already showing.
    m_page.fill(Qt::white);
    QPainter painter(&m_page);
    headline()->paint(painter, 1.0f);
}

void BenchTextObjects::superTextFirstPaint()
{
    QPainter painter(&m_page);
    QBENCHMARK
    {
        const auto text = headline();
        text->paint(painter, 1.0f);
    }
}

void BenchTextObjects::superTextRepaint()
{
    QPainter painter(&m_page);
    const auto text = headline();
    text->paint(painter, 1.0f);
    QBENCHMARK
    {
        text->paint(painter, 1.0f);
    }
}

void BenchTextObjects::tenLabels()
{
    std::vector<std::unique_ptr<TVPLabel>> labels;
    for (int i = 0; i < 10; ++i) {
        auto label = std::make_unique<TVPLabel>();
        CalendarFont font;
        font.name = QStringLiteral("Arial");
        font.size = 14;
        label->setFont(font);
        label->setCaption(QStringLiteral("Birthday %1").arg(i + 1));
        label->setTransparent(false);
        label->setBorderStyle(bsSingle);
        label->setDepthShadow(2);
        label->setDepthHighlight(1);
        label->setAngle((i % 4) * 90);
        label->setBounds(20 + (i % 5) * 150, 200 + (i / 5) * 200, 140, 140);
        label->layOut();
        labels.push_back(std::move(label));
    }
    QPainter painter(&m_page);
    for (const auto &label : labels)
        label->paint(painter, 1.0f);
    QBENCHMARK
    {
        for (const auto &label : labels)
            label->paint(painter, 1.0f);
    }
}

QTEST_MAIN(BenchTextObjects)
#include "bench_textobjects.moc"
