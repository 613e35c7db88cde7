#include "icons/floatingpalette.h"

#include "icons/iconlistbox.h"
#include "icons/iconmenunames.h"
#include "platform/datafolder.h"
#include "platform/inifile.h"
#include "platform/preferences.h"
#include "widgets/commondialogs.h"
#include "widgets/formplacement.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kClientSide = 140;
constexpr int kMargin = 4;

const char *const kOtherFilter = "All Files (*.ICL *.DLL *.EXE *.ICO *.NIL *.icl *.dll *.exe *.ico *.nil);;"
                                 "ICL Files (*.ICL *.icl);;DLL Files (*.DLL *.dll);;EXE Files (*.EXE *.exe);;"
                                 "ICO Files (*.ICO *.ico);;NIL Files (*.NIL *.nil);;"
                                 "ICL and ICO Files (*.ICL *.ICO *.icl *.ico)";
const char *const kOtherSelectedFilter = "ICL and ICO Files (*.ICL *.ICO *.icl *.ico)";

// A name remembered from elsewhere may differ in letter case from the file
// on disk; the file found is the one meant.
QString existingSpelling(const QString &fileName)
{
    if (fileName.isEmpty() || QFileInfo::exists(fileName))
        return fileName;
    const QFileInfo info(fileName);
    const QString found = DataFolder::findCaseInsensitive(info.absolutePath(), info.fileName());
    return found.isEmpty() ? fileName : found;
}

QString escapedCaption(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

TFloatingPalette::TFloatingPalette(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FloatingPalette"));
    setWindowTitle(QStringLiteral("Icons"));
    MainMenu = new QMenuBar(this);
    FileMenu = MainMenu->addMenu(QStringLiteral("File"));
    mnuActivitiesICL = addStandardEntry(QStringLiteral("Activities"), QStringLiteral("activity.icl"));
    mnuEventsICL = addStandardEntry(QStringLiteral("Events"), QStringLiteral("events.icl"));
    mnuHolidaysICL = addStandardEntry(QStringLiteral("Holidays"), QStringLiteral("holiday.icl"));
    mnuMisc1ICL = addStandardEntry(QStringLiteral("Miscellaneous #1"), QStringLiteral("misc1.icl"));
    mnuMisc2ICL = addStandardEntry(QStringLiteral("Miscellaneous #2"), QStringLiteral("misc2.icl"));
    mnuBonusIconSets = FileMenu->addMenu(QStringLiteral("Bonus Icon Sets"));
    mnuOtherIconFile = FileMenu->addAction(QStringLiteral("Other..."));
    mnuOtherIconFile->setCheckable(true);
    connect(mnuOtherIconFile, &QAction::triggered, this, &TFloatingPalette::mnuOtherIconFileClick);

    IconListBox = new TIconListBox(this);
    IconListBox->setObjectName(QStringLiteral("IconListBox"));
    IconListBox->setFrameShape(QFrame::NoFrame); // the flat look
    IconListBox->setXIcons(3);
    IconListBox->setYIcons(3);
    QPalette white = IconListBox->palette();
    white.setColor(QPalette::Base, Qt::white);
    IconListBox->setPalette(white);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(MainMenu);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(IconListBox);
    // A single border: the designed size, never resized; larger only where
    // the style's scroll bar leaves less than three rows of icons.
    const QSize client
        = QSize(kClientSide, kClientSide).expandedTo(IconListBox->size() + QSize(2 * kMargin, 2 * kMargin));
    setFixedSize(client + QSize(0, MainMenu->sizeHint().height()));

    loadFile(standardFile(QStringLiteral("activity.icl")));
    addBonusSets();
}

TFloatingPalette::~TFloatingPalette()
{
    if (!m_placed)
        return;
    IniFile ini(Preferences::fileName());
    FormPlacement::SaveWindowPlacement(this, ini);
}

QString TFloatingPalette::standardFile(const QString &name)
{
    const QString folder = DataFolder::path();
    const QString found = DataFolder::findCaseInsensitive(folder, name);
    return found.isEmpty() ? QDir(folder).filePath(name) : found;
}

QAction *TFloatingPalette::addStandardEntry(const QString &caption, const QString &fileName)
{
    QAction *action = FileMenu->addAction(caption);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, fileName] {
        loadFile(standardFile(fileName));
        SelectIconFile(IconListBox->FileName());
    });
    return action;
}

void TFloatingPalette::addBonusSets()
{
    const QString folder = DataFolder::findCaseInsensitive(DataFolder::path(), QStringLiteral("BonusIcons"));
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    QStringList files = QDir(folder).entryList(
        { QStringLiteral("*.icl") }, QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return IconMenuNames::shortName(a).compare(IconMenuNames::shortName(b), Qt::CaseInsensitive) < 0;
    });
    for (const QString &file : files) {
        QAction *action = mnuBonusIconSets->addAction(escapedCaption(IconMenuNames::shortName(file)));
        action->setCheckable(true);
        // The file itself is loaded, not its shortened name plus ".icl":
        // a name cut at 64 characters or at a dot would miss it.
        const QString path = QDir(folder).filePath(file);
        connect(action, &QAction::triggered, this, [this, path] {
            loadFile(path);
            SelectIconFile(IconListBox->FileName());
        });
    }
}

void TFloatingPalette::loadFile(const QString &fileName)
{
    IconListBox->setFileName(fileName);
}

void TFloatingPalette::SelectIconFile(const QString &remembered)
{
    const QString fileName = existingSpelling(remembered);
    const QString name = IconMenuNames::menuName(fileName);
    bool anyChecked = false;
    QList<QAction *> entries = FileMenu->actions() + mnuBonusIconSets->actions();
    for (QAction *entry : entries) {
        if (!entry->isCheckable())
            continue;
        const bool match = IconMenuNames::captionKey(entry->text()) == name;
        entry->setChecked(match);
        anyChecked |= match;
    }
    const bool exists = !fileName.isEmpty() && QFileInfo::exists(fileName);
    if (!anyChecked && exists)
        mnuOtherIconFile->setChecked(true);
    if (exists && fileName.compare(IconListBox->FileName(), Qt::CaseInsensitive) != 0)
        loadFile(fileName);
    if (IconListBox->NumberOfIcons() == 0)
        loadFile(standardFile(QStringLiteral("Misc1.icl")));
}

void TFloatingPalette::mnuOtherIconFileClick()
{
    CommonDialogs::FileRequest request;
    request.title = QStringLiteral("Open Icon Collection");
    request.folder = DataFolder::path();
    request.filter = QString::fromLatin1(kOtherFilter);
    request.selectedFilter = QString::fromLatin1(kOtherSelectedFilter);
    request.defaultSuffix = QStringLiteral("ICL");
    QString chosen = CommonDialogs::current().openFileName(this, request);
    if (!chosen.isEmpty())
        loadFile(chosen);
    while (!chosen.isEmpty() && IconListBox->NumberOfIcons() == 0) {
        QString text = QStringLiteral("No icons found in ") + QDir::toNativeSeparators(chosen);
        if (!IconListBox->loadError().isEmpty())
            text += QStringLiteral("\r\n") + IconListBox->loadError();
        CommonDialogs::ShowInformation(this, text);
        chosen = CommonDialogs::current().openFileName(this, request);
        if (!chosen.isEmpty())
            loadFile(chosen);
    }
    if (IconListBox->NumberOfIcons() == 0)
        loadFile(standardFile(QStringLiteral("Misc1.icl")));
    SelectIconFile(IconListBox->FileName());
}

void TFloatingPalette::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        // Only the position is taken over: the palette keeps its own size.
        const QSize designed = size();
        IniFile ini(Preferences::fileName());
        FormPlacement::RestoreWindowPlacement(this, ini);
        setFixedSize(designed);
        m_placed = true;
    }
    QWidget::showEvent(event);
}

void TFloatingPalette::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    emit hidden();
}

void TFloatingPalette::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByUser();
}
