#pragma once

// Pascal-case object names are the dialog's documented control names.

#include <QDialog>

#include <memory>

class ColorButton;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QSpinBox;
class TVFlatCalendar;

// "Floating Calendar Properties": every property of a floating calendar on
// one page, tried out at once on a preview copy (Sample); the object takes
// them over only when the user says OK.
class TFlatCalendarEditor : public QDialog
{
    Q_OBJECT

public:
    // Copies the object's properties, and its size at 100%, into Sample.
    explicit TFlatCalendarEditor(const TVFlatCalendar &object, QWidget *parent = nullptr);
    ~TFlatCalendarEditor() override;

    [[nodiscard]] TVFlatCalendar &sample() { return *m_sample; }

    // The "Properties" command: on OK the object takes every property but
    // its size, repaints and reports itself modified. True on OK.
    static bool editProperties(TVFlatCalendar &object, QWidget *parent = nullptr);

private:
    void buildControls();
    [[nodiscard]] QFormLayout *controlsForm();
    void layoutControls();
    void loadControls();
    void connectControls();
    void connectColors();
    // Runs a control's change unless the controls are being filled.
    template <typename Apply> void whenEdited(Apply apply);
    void chooseFont(int which);

    std::unique_ptr<TVFlatCalendar> m_sample;
    bool m_updating = true;
    QCheckBox *m_showYear = nullptr;
    QComboBox *m_month = nullptr;
    QSpinBox *m_year = nullptr;
    QComboBox *m_weekStart = nullptr;
    QComboBox *m_headersStyle = nullptr;
    QComboBox *m_calendarBorder = nullptr;
    QComboBox *m_headerBorder = nullptr;
    QComboBox *m_cellBorder = nullptr;
    ColorButton *m_titleBackground = nullptr;
    ColorButton *m_headerBackground = nullptr;
    ColorButton *m_bodyBackground = nullptr;
    ColorButton *m_shadowColor = nullptr;
    QComboBox *m_shadowOrientation = nullptr;
    QSpinBox *m_shadowDepth = nullptr;
    QComboBox *m_language = nullptr;
    QCheckBox *m_transparent = nullptr;
};
