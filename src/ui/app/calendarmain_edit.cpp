// Edit > Cut, Copy, Paste, Delete and Select All: on the text of the cell
// being edited while its editor is open, otherwise on the page's objects.
#include "app/calendarmain.h"

#include "richtext/celleditbridge.h"
#include "richtext/wprichtext.h"
#include "surface/calendarpanel32.h"
#include "surface/surfaceclipboard.h"
#include "surface/surfacemenu.h"
#include "surface/vhandle.h"

#include <QAction>
#include <QMenu>

void TCalendarMain::setupEditCommands()
{
    struct Route
    {
        QAction *action;
        void (*onText)(TWPRichText &);
        void (*onObjects)(TCalendarPanel32 &);
    };
    const Route routes[] = {
        { m_menus.mnuCut, [](TWPRichText &text) { text.cut(); },
            [](TCalendarPanel32 &page) {
                page.nameNextChange(tr("Cut"));
                page.clipboard().cut();
            } },
        { m_menus.mnuCopy, [](TWPRichText &text) { text.copy(); },
            [](TCalendarPanel32 &page) { page.clipboard().copy(); } },
        { m_menus.mnuPaste, [](TWPRichText &text) { text.paste(); },
            [](TCalendarPanel32 &page) { page.clipboard().paste(); } },
        { m_menus.mnuDelete, [](TWPRichText &text) { text.textCursor().removeSelectedText(); },
            [](TCalendarPanel32 &page) {
                page.nameNextChange(tr("Delete"));
                page.deleteSelection();
            } },
        { m_menus.mnuSelectAll, [](TWPRichText &text) { text.selectAll(); },
            [](TCalendarPanel32 &page) { page.surfaceMenu().selectAll(); } },
    };
    for (const Route &route : routes) {
        connect(route.action, &QAction::triggered, this, [this, route] {
            if (m_cellEditing->EditingCell())
                route.onText(*WPRichText1);
            else if (pageShown())
                route.onObjects(*CalendarPanel);
        });
    }
    connect(m_menus.EditMenu, &QMenu::aboutToShow, this, &TCalendarMain::updateEditActions);
    updateEditActions();
}

void TCalendarMain::updateEditActions()
{
    bool selected = false;
    bool pastable = false;
    bool anything = false;
    if (m_cellEditing->EditingCell()) {
        selected = WPRichText1->textCursor().hasSelection();
        pastable = WPRichText1->canPaste();
        anything = true;
    } else if (pageShown()) {
        selected = CalendarPanel->handle().SelectionCount() > 0;
        pastable = SurfaceClipboard::canPaste();
        anything = !CalendarPanel->objects().isEmpty();
    }
    m_menus.mnuCut->setEnabled(selected);
    m_menus.mnuCopy->setEnabled(selected);
    m_menus.mnuDelete->setEnabled(selected);
    m_menus.mnuPaste->setEnabled(pastable);
    m_menus.mnuSelectAll->setEnabled(anything);
}
