#pragma once
#include <QObject>
#include <QString>

#include <functional>
#include <string>

namespace qb {

// The object the page sees as "bridge" over the web channel: every text the
// page posts goes to the message handler.
class CQtWebBridge final : public QObject {
    Q_OBJECT
public:
    explicit CQtWebBridge(QObject* parent = nullptr) : QObject(parent) {}
    void SetHandler(std::function<void(const std::string&)> handler) { m_handler = std::move(handler); }

public slots:
    void postMessage(const QString& message);

private:
    std::function<void(const std::string&)> m_handler;
};

} // namespace qb
