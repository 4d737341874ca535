#pragma once
#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace qb {

// The help window ("Quarrenby ヘルプ"): the program's help pages in a
// browser with back, forward and contents buttons. Links between pages stay
// in the window; links to web sites open in the desktop's browser.
class CHelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows the page of a topic number, or the contents page for a topic
    // without a page, and brings the window to the front.
    void ShowTopic(int topic);

    // Shows the topic of a help context: a command's (HelpContextOfCommand),
    // a window's (HelpContextOfFrame), or 0 for the contents.
    void ShowContext(int context);

    // The address of the page shown.
    QUrl CurrentPage() const;

    // The page history, as the buttons step through it.
    void Back();
    void Forward();
    void Home();
    bool CanGoBack() const;
    bool CanGoForward() const;

private:
    QPushButton* AddButton(const QString& text);

    QTextBrowser* m_pBrowser = nullptr;
    QPushButton* m_pBack = nullptr;
    QPushButton* m_pForward = nullptr;
    QPushButton* m_pHome = nullptr;
};

// The one help window of the process, made on first use and deleted when the
// application object goes away.
CHelpWindow& HelpWindow();

// Shows the topic of a help context in the process's help window.
void ShowHelpContext(int context);

} // namespace qb
