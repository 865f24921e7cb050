#pragma once
// Turns SIGTERM, SIGHUP and SIGINT (the session or the user ending the program) into a Qt
// signal on the event loop, through a pipe written by the signal handler.

#include <QObject>

class QSocketNotifier;

namespace twl {

class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void TerminationRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace twl
