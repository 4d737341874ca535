#pragma once
#include <QDialog>
#include <QUrl>

#include <functional>

namespace qb {

class CLinkButton;

// Opens an address with the desktop's default handler; true when it could.
using UrlOpener = std::function<bool(const QUrl&)>;

// The about box ("ﾊﾞｰｼﾞｮﾝ情報"): the application icon, the version text,
// OK, and two link buttons with the maker's web and e-mail addresses. The
// web button opens its caption, the e-mail button "mailto:" + its caption.
class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    // Without an opener the addresses go to QDesktopServices::openUrl.
    explicit CAboutDlg(QWidget* parent, UrlOpener opener = {});

private:
    CLinkButton* AddLink(const char* name, QString caption, QString address);

    UrlOpener m_opener;
};

} // namespace qb
