#pragma once
// One conversation with a later copy or a command line, on the first copy's side: the request is
// read as it comes, without ever blocking the bar; a request that is malformed, larger than
// 64 KiB or not whole within a few seconds is answered with an error and changes nothing. Once
// the reply is written the connection closes and the object goes.

#include "core/scripting/instance_message.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <string>

class QSocketNotifier;

namespace twl {

class InstanceConnection : public QObject {
    Q_OBJECT
public:
    // Takes over the connected socket.
    InstanceConnection(int socket, int timeoutMs, QObject* parent = nullptr);
    ~InstanceConnection() override;

    // Writes the reply and closes; only the first reply counts.
    void Reply(const InstanceReply& reply);

signals:
    // The whole request, checked; answer it with Reply, now or later.
    void requestRead(const twl::InstanceRequest& request);

private:
    void ReadSome();
    void WriteSome();
    void Close();

    int socket_;
    std::string received_;
    std::string toSend_;
    bool replied_ = false;
    std::unique_ptr<QSocketNotifier> reader_;
    std::unique_ptr<QSocketNotifier> writer_;
    QTimer silence_;
};

} // namespace twl
