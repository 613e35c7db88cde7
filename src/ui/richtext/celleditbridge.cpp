#include "richtext/celleditbridge.h"

#include "base/pageresolution.h"
#include "base/zoom.h"
#include "richtext/wprichtext.h"
#include "richtext/wptoolbar.h"
#include "surface/calendarpanel32.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>

#include <cmath>

namespace {

QImage pictureOf(const QMimeData *data)
{
    return data && data->hasImage() ? qvariant_cast<QImage>(data->imageData()) : QImage();
}

} // namespace

CellEditBridge::CellEditBridge(
    TCalendarPanel32 *panel, TWPRichText *editor, TWPToolBar *toolBar, QObject *parent)
    : QObject(parent)
    , m_panel(panel)
    , m_editor(editor)
    , m_toolBar(toolBar)
{
    CalendarFont font;
    font.name = QStringLiteral("Arial");
    font.size = 10;
    setDefaultFont(font);
    panel->page().ClickedInCellEvent
        = [this](const TRect &rTotal, const TRect &rFree, int iCell, int iDay, TWPRtfStorage &rtfstorage) {
              CalendarPanelClickedInCellEvent(rTotal, rFree, iCell, iDay, rtfstorage);
          };
    panel->setAcceptDrops(true);
    panel->installEventFilter(this);
    editor->installEventFilter(this);
    editor->hide();
    toolBar->setEnabled(false);
    connect(editor, &QTextEdit::textChanged, this, &CellEditBridge::WPRichText1Change);
}

void CellEditBridge::CalendarPanelClickedInCellEvent(
    const TRect &, const TRect &rFree, int iCell, int, TWPRtfStorage &rtfstorage)
{
    m_currentCell = iCell;
    m_editorArmed = false;
    DoSaveRichtext();
    m_editedCellStorage = &rtfstorage;
    m_editingCell = true;
    // One pixel inside the free rectangle, for the page's focus outline.
    const int w = std::max(1, rFree.right - rFree.left - 1);
    const int h = std::max(1, rFree.bottom - rFree.top - 1);
    const int zoom = std::max(1, Zoom(m_panel->scale()).layoutPercent());
    m_editor->setZoom(zoom);
    // The page is the free rectangle as wide as it is at 100%, shown at the
    // zoom, so the text wraps exactly as the page paints it.
    const double toTwips = kTwipsPerPixel * 100.0 / zoom;
    m_editor->setPageSizeTwips(int(std::nearbyint(w * toTwips)), int(std::nearbyint(h * toTwips)));
    m_editor->copyFrom(rtfstorage);
    m_editor->setGeometry(rFree.left + 1, rFree.top + 1, w, h);
    m_editor->show();
    m_editor->raise();
    m_editor->setFocus();
    // Moving on with Tab keeps the focus in the editor, so no focus event
    // comes: every opening starts the cell as entering the editor does.
    WPRichText1Enter();
    m_editorArmed = true;
}

void CellEditBridge::DoSaveRichtext()
{
    if (!m_editingCell || !m_editedCellStorage)
        return;
    m_editor->copyTo(*m_editedCellStorage);
    m_editor->hide();
    m_editingCell = false;
    m_toolBar->setEnabled(false);
    m_panel->update();
    emit cellStored();
}

void CellEditBridge::setDefaultFont(const CalendarFont &font)
{
    m_defaultFont = font;
    if (m_panel)
        m_panel->setDefaultTextFont(font);
}

void CellEditBridge::SetDefaultFontNow()
{
    m_editor->setTypingFont(m_defaultFont);
}

void CellEditBridge::mnuClearAllCellContentsClick()
{
    DoSaveRichtext();
    m_panel->page().clearAllCells();
    m_panel->update();
    emit modified();
}

void CellEditBridge::nextCell()
{
    m_panel->page().nextCell(m_currentCell);
}

void CellEditBridge::previousCell()
{
    m_panel->page().previousCell(m_currentCell);
}

bool CellEditBridge::CalendarPanelDragOver(const QPoint &position, const QMimeData *data) const
{
    return !pictureOf(data).isNull() && m_panel->page().pointInCell(position.x(), position.y());
}

void CellEditBridge::CalendarPanelDragDrop(const QPoint &position, const QMimeData *data)
{
    DoSaveRichtext();
    m_panel->page().dropIntoCell(position.x(), position.y());
    if (m_editingCell)
        WPRichText1DragDrop(pictureOf(data));
    m_currentCell = m_panel->page().cellAtPoint(position.x(), position.y());
}

void CellEditBridge::WPRichText1DragDrop(const QImage &picture)
{
    if (picture.isNull())
        return;
    m_editor->insertPicture(picture);
    emit modified();
}

void CellEditBridge::WPRichText1Change()
{
    if (m_editorArmed)
        emit modified();
}

void CellEditBridge::WPRichText1Enter()
{
    m_toolBar->setEnabled(true);
    m_toolBar->attachEditor(m_editor);
    if (m_editor->isEmptyText())
        SetDefaultFontNow();
}

bool CellEditBridge::editorKeyPress(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Backtab
        || (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier))) {
        previousCell();
        return true;
    }
    if (event->key() == Qt::Key_Tab && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        nextCell();
        return true;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        DoSaveRichtext();
        return true;
    }
    if (event->key() == Qt::Key_A && event->modifiers() == Qt::ControlModifier) {
        m_editor->selectAllText();
        return true;
    }
    return false;
}

bool CellEditBridge::panelDragEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (CalendarPanelDragOver(drag->position().toPoint(), drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!CalendarPanelDragOver(drop->position().toPoint(), drop->mimeData())) {
            drop->ignore();
            return true;
        }
        CalendarPanelDragDrop(drop->position().toPoint(), drop->mimeData());
        drop->acceptProposedAction();
        return true;
    }
    default:
        return false;
    }
}

bool CellEditBridge::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor) {
        if (event->type() == QEvent::FocusIn)
            WPRichText1Enter();
        else if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
            auto *key = static_cast<QKeyEvent *>(event);
            // Ctrl+A, Escape and Tab belong to the bridge, not to shortcuts or
            // focus changes; the style keys to the tool bar.
            if (event->type() == QEvent::ShortcutOverride) {
                if ((key->key() == Qt::Key_A && key->modifiers() == Qt::ControlModifier)
                    || (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier))
                    event->accept();
                return false;
            }
            return editorKeyPress(key);
        }
        return false;
    }
    if (watched == m_panel) {
        // A press anywhere on the page outside the editor ends the editing;
        // a press in a cell then opens that one.
        if (event->type() == QEvent::MouseButtonPress)
            DoSaveRichtext();
        return panelDragEvent(event);
    }
    return false;
}
