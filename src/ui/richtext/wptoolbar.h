#pragma once

#include <QPointer>
#include <QToolBar>

class QAction;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class TWPRichText;

// The formatting tool bar of a rich-text editor: face, size and colour
// lists, bold, italic and underline, left, centre and right alignment, and
// the clipboard commands. It works on the editor attached to it and shows
// that editor's current attributes.
class TWPToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit TWPToolBar(QWidget *parent = nullptr);

    void attachEditor(TWPRichText *editor);
    [[nodiscard]] TWPRichText *editor() const { return m_editor; }

    [[nodiscard]] QFontComboBox *fontList() const { return m_fontList; }
    [[nodiscard]] QComboBox *sizeList() const { return m_sizeList; }
    [[nodiscard]] QComboBox *colorList() const { return m_colorList; }
    [[nodiscard]] QAction *boldAction() const { return m_bold; }
    [[nodiscard]] QAction *italicAction() const { return m_italic; }
    [[nodiscard]] QAction *underlineAction() const { return m_underline; }
    [[nodiscard]] QAction *leftAction() const { return m_left; }
    [[nodiscard]] QAction *rightAction() const { return m_right; }
    [[nodiscard]] QAction *centerAction() const { return m_center; }
    [[nodiscard]] QAction *copyAction() const { return m_copy; }
    [[nodiscard]] QAction *cutAction() const { return m_cut; }
    [[nodiscard]] QAction *pasteAction() const { return m_paste; }
    [[nodiscard]] QAction *selectAllAction() const { return m_selectAll; }

protected:
    // Ctrl+B, Ctrl+I and Ctrl+U in the attached editor.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addCommand(const QString &icon, const QString &text, const QString &hint, bool checkable);
    void showAttributes();
    void mergeFormat(const QTextCharFormat &format);
    void setAlignment(Qt::Alignment alignment);
    void applySize(const QString &text);

    QPointer<TWPRichText> m_editor;
    QList<QMetaObject::Connection> m_connections;
    bool m_updating = false;
    QFontComboBox *m_fontList;
    QComboBox *m_sizeList;
    QComboBox *m_colorList;
    QAction *m_bold = nullptr;
    QAction *m_italic = nullptr;
    QAction *m_underline = nullptr;
    QAction *m_left = nullptr;
    QAction *m_right = nullptr;
    QAction *m_center = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_cut = nullptr;
    QAction *m_paste = nullptr;
    QAction *m_selectAll = nullptr;
};
