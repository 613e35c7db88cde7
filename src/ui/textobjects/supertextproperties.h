#pragma once

// Pascal-case object names are the dialog's documented control names.

#include <QDialog>
#include <QImage>
#include <QTimer>

#include <memory>

class ColorButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QStackedWidget;
class QToolButton;
class TVSuperText;

// "SuperText Properties": every property of a SuperText's letters tried at
// once on a preview copy, which refits itself to the typed text 200 ms
// after typing; the object takes them over only on OK, never its
// background, border or size.
class TSuperTextProperties : public QDialog
{
    Q_OBJECT

public:
    explicit TSuperTextProperties(const TVSuperText &object, QWidget *parent = nullptr);
    ~TSuperTextProperties() override;

    [[nodiscard]] TVSuperText &preview() { return *m_preview; }
    [[nodiscard]] bool refitPending() const { return m_refitPending; }
    // The picture the thumbnail shows (the last texture chosen here).
    [[nodiscard]] const QImage &thumbnail() const { return m_thumbnail; }

    // The buttons beside the font: size steps of 5 points, then a refit.
    void stepFontSize(bool up);
    void chooseFont();
    void chooseSymbol();
    void loadTexture();

    // Stays open with a message while the text is empty.
    void accept() override;

    // The SuperText's "Properties" command and the SuperText tool's step. On
    // OK the object takes the letters' properties, lays itself out,
    // repaints and reports itself modified. True on OK.
    static bool editProperties(TVSuperText &object, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    [[nodiscard]] QWidget *buildTextControls();
    [[nodiscard]] QWidget *buildFillControls();
    [[nodiscard]] QWidget *buildLineControls();
    void loadControls();
    void connectControls();
    void connectColors();
    // Only the group of the current surface type shows.
    void showSurfaceGroups();
    void setSurfaceType(int type);
    void setThumbnail(const QImage &image);
    // CaptionText shows the text in the preview's face.
    void showCaptionFace();
    void refit();

    std::unique_ptr<TVSuperText> m_preview;
    QImage m_thumbnail;
    bool m_updating = true;
    bool m_refitPending = false;
    QTimer m_refitTimer;
    QLineEdit *m_caption = nullptr;
    QLabel *m_fontSize = nullptr;
    QToolButton *m_sizeDown = nullptr;
    QToolButton *m_sizeUp = nullptr;
    QComboBox *m_surfaceType = nullptr;
    QStackedWidget *m_surfaceGroups = nullptr;
    QGroupBox *m_gradientGroup = nullptr;
    QGroupBox *m_textureGroup = nullptr;
    QGroupBox *m_fontColorGroup = nullptr;
    QComboBox *m_fillDirection = nullptr;
    ColorButton *m_gradientFrom = nullptr;
    ColorButton *m_gradientTo = nullptr;
    ColorButton *m_fontColor = nullptr;
    QLabel *m_lastUsedImage = nullptr;
    ColorButton *m_outlineColor = nullptr;
    QComboBox *m_outlineStyle = nullptr;
    QSpinBox *m_outlineWidth = nullptr;
    ColorButton *m_shadowColor = nullptr;
    QComboBox *m_shadowOrientation = nullptr;
    QSpinBox *m_shadowDepth = nullptr;
};
