#pragma once

// Pascal-case object names are the dialog's documented control names.

#include <QDialog>

#include <memory>

class ColorComboBox;
class QComboBox;
class TVBaseLabel;
class TVPLabel;

// "Text 3D Effects": a label's shadow and highlight (direction, depth,
// colour) and its font colour, tried at once on a sample label; the label
// takes them over only on OK.
class TVFont3DEffects : public QDialog
{
    Q_OBJECT

public:
    // The sample takes the label's font and its shadow and highlight.
    explicit TVFont3DEffects(const TVBaseLabel &label, QWidget *parent = nullptr);
    ~TVFont3DEffects() override;

    [[nodiscard]] TVPLabel &sample() { return *m_sample; }

    // The label's "3D Effects" command: on OK the label takes the sample's
    // font and its shadow and highlight, and reports itself modified.
    static bool editEffects(TVBaseLabel &label, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void loadControls();
    void connectControls();
    // After every change the sample grows to show its whole text.
    void refit();

    std::unique_ptr<TVPLabel> m_sample;
    QComboBox *m_shadowDirection = nullptr;
    QComboBox *m_shadowDepth = nullptr;
    ColorComboBox *m_shadowColor = nullptr;
    QComboBox *m_highlightDirection = nullptr;
    QComboBox *m_highlightDepth = nullptr;
    ColorComboBox *m_highlightColor = nullptr;
    ColorComboBox *m_fontColor = nullptr;
};

// Copies the font and the six shadow and highlight properties.
void copyLabelEffects(const TVBaseLabel &from, TVBaseLabel &to);
