#include "shell/help/HelpWindow.h"

#include "app/HelpTopics.h"
#include "shell/help/HelpPages.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qb {
namespace {

constexpr int kContentsTopic = 4;

QPointer<CHelpWindow>& ProcessHelpWindow()
{
    static QPointer<CHelpWindow> window;
    return window;
}

// Runs at the start of the application object's destruction, while widgets
// can still be deleted.
void DeleteProcessHelpWindow()
{
    delete ProcessHelpWindow().data();
}

} // namespace

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    InitHelpResources();
    setWindowTitle(QStringLiteral("Quarrenby ヘルプ"));
    // An open help window does not keep the program running once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(760, 640);

    auto* buttons = new QHBoxLayout;
    m_pBack = AddButton(QStringLiteral("戻る"));
    m_pForward = AddButton(QStringLiteral("進む"));
    m_pHome = AddButton(QStringLiteral("目次"));
    buttons->addWidget(m_pBack);
    buttons->addWidget(m_pForward);
    buttons->addWidget(m_pHome);
    buttons->addStretch(1);

    m_pBrowser = new QTextBrowser(this);
    m_pBrowser->setOpenLinks(true);
    m_pBrowser->setOpenExternalLinks(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_pBrowser, 1);

    m_pBack->setEnabled(false);
    m_pForward->setEnabled(false);
    connect(m_pBack, &QPushButton::clicked, this, &CHelpWindow::Back);
    connect(m_pForward, &QPushButton::clicked, this, &CHelpWindow::Forward);
    connect(m_pHome, &QPushButton::clicked, this, &CHelpWindow::Home);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, m_pBack, &QPushButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, m_pForward, &QPushButton::setEnabled);
}

QPushButton* CHelpWindow::AddButton(const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    return button;
}

void CHelpWindow::ShowTopic(int topic)
{
    const QUrl page = HelpPageOrContents(topic);
    if (m_pBrowser->source() != page)
        m_pBrowser->setSource(page);
    show();
    raise();
    activateWindow();
}

void CHelpWindow::ShowContext(int context)
{
    ShowTopic(HelpTopicOf(context));
}

QUrl CHelpWindow::CurrentPage() const
{
    return m_pBrowser->source();
}

void CHelpWindow::Back()
{
    m_pBrowser->backward();
}

void CHelpWindow::Forward()
{
    m_pBrowser->forward();
}

void CHelpWindow::Home()
{
    ShowTopic(kContentsTopic);
}

bool CHelpWindow::CanGoBack() const
{
    return m_pBrowser->isBackwardAvailable();
}

bool CHelpWindow::CanGoForward() const
{
    return m_pBrowser->isForwardAvailable();
}

CHelpWindow& HelpWindow()
{
    QPointer<CHelpWindow>& window = ProcessHelpWindow();
    if (window.isNull()) {
        window = new CHelpWindow;
        static const bool cleanupAdded = [] {
            qAddPostRoutine(DeleteProcessHelpWindow);
            return true;
        }();
        (void)cleanupAdded;
    }
    return *window;
}

void ShowHelpContext(int context)
{
    HelpWindow().ShowContext(context);
}

} // namespace qb
