#pragma once

#include <QDialog>

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

    // The page of a topic, or the contents page when there is none; empty
    // when the help is not installed at all.
    [[nodiscard]] static QString topicFile(int topic);
    [[nodiscard]] static QString contentsFile();

    void showFile(const QString &fileName);
    [[nodiscard]] QString currentFile() const;

private:
    QTextBrowser *m_browser;
};
