#pragma once

#include <QDialog>

#include <functional>

class QTextBrowser;

// The in-program help: HTML pages shipped with the program, one per topic
// number ("topic-2100.html") plus a contents page, shown in one
// non-modal window that every dialog's Help button reuses.
class HelpViewer : public QDialog
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // The shared window, created on first use.
    static HelpViewer &instance();
    static void ShowHelpContext(int topic);
    static void ShowHelpContents();
    // A page by its file name ("recurring.html"), for dialogs without a topic.
    static void ShowHelpPage(const QString &name);
    // F1 in a window shows its help, as its Help button would.
    static void addHelpKey(QWidget *window, const std::function<void()> &show);

    // The page of a topic, or the contents page when there is none; empty
    // when the help is not installed at all.
    [[nodiscard]] static QString topicFile(int topic);
    [[nodiscard]] static QString contentsFile();
    [[nodiscard]] static QString pageFile(const QString &name);

    void showFile(const QString &fileName);
    [[nodiscard]] QString currentFile() const;

private:
    QTextBrowser *m_browser;
};
