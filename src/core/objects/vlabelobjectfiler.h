#pragma once

#include <QString>

#include <vector>

class QIODevice;
class TComponent;
class TVGraphicControl;

// Writes placed objects as a list of component records and reads them back:
// the clipboard file, duplicating and cloning. Failures come back as the
// message the user sees; nothing is shown from here.
//
//   TVLabelObjectFiler filer(owner);
//   filer.setPasteOffset(true);
//   std::vector<TVGraphicControl *> pasted;
//   if (!filer.loadObjects(owner, surface, clipboardFile, &pasted, &error))
//       showMessage(error);             // the objects read before stay
class TVLabelObjectFiler
{
public:
    // owner: where "Component" + n names are looked up.
    explicit TVLabelObjectFiler(TComponent *owner = nullptr);

    // Pasted objects are the same records as a calendar's objects, and a
    // list may hold as many pictures as a calendar.
    static constexpr qint64 kMaxListSize = 256 * 1024 * 1024;

    [[nodiscard]] bool pasteOffset() const { return m_pasteOffset; }
    // The next load moves each object 15 pixels right and down.
    void setPasteOffset(bool offset) { m_pasteOffset = offset; }

    // Begin list, one root record per object in the given order, end list.
    // Nothing is written for an empty selection. The old file is replaced
    // only when the new one is complete.
    bool saveSelection(
        const std::vector<TVGraphicControl *> &selection, const QString &fileName, QString *error = nullptr);
    bool saveObject(const TVGraphicControl &object, const QString &fileName, QString *error = nullptr);

    // Reads the objects of a file into owner and parent, if the file exists
    // (a missing file reads nothing and succeeds). Each object is named
    // "Component" + the smallest free number from 0 to 1000. On failure the
    // objects read before the bad record stay and are listed in loaded.
    bool loadObjects(TComponent *owner, TComponent *parent, const QString &fileName,
        std::vector<TVGraphicControl *> *loaded = nullptr, QString *error = nullptr);
    // The same from an open device.
    bool loadObjects(TComponent *owner, TComponent *parent, QIODevice &device,
        std::vector<TVGraphicControl *> *loaded = nullptr, QString *error = nullptr);

    // A copy of the object through its record, in memory, with the given
    // owner and parent; nullptr (and the message) on failure.
    TVGraphicControl *duplicateObject(
        const TVGraphicControl &object, TComponent *owner, TComponent *parent, QString *error = nullptr);

    // The data part of "Clone": a duplicate with the object's owner and
    // parent, 25 pixels below it and on top; the source reports a change.
    // The surface then moves the selection to the copy.
    static TVGraphicControl *cloneObject(TVGraphicControl &object, QString *error = nullptr);

    // "Component" + the smallest number from 0 to 1000 that the owner does
    // not use; empty when all are taken.
    [[nodiscard]] static QString freeComponentName(const TComponent *owner);

private:
    bool writeList(
        const std::vector<const TVGraphicControl *> &objects, const QString &fileName, QString *error);

    TComponent *m_owner = nullptr;
    bool m_pasteOffset = false;
};
