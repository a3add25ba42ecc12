// Brevant Dira — SIGINT, SIGTERM and SIGHUP in the windowed program.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace brevant {

// From now on SIGINT, SIGTERM and SIGHUP no longer end the process at once:
// the handler only writes the signal's number into a pipe, which the event
// loop reads through a TStopSignalWatcher (signals that come before it exists
// wait there). The database layer keeps these handlers when the engine would
// take the signals for itself. Call first thing in main().
void CatchStopSignals();

// Reads the signals CatchStopSignals caught, in whichever event loop runs,
// and calls `handler` with each signal's number and how many have arrived.
class TStopSignalWatcher : public QObject {
public:
    using Handler = std::function<void(int signal, int count)>;
    explicit TStopSignalWatcher(Handler handler, QObject* parent = nullptr);

private:
    void ReadSignals();

    Handler handler_;
    QSocketNotifier* notifier_ = nullptr;
    int count_ = 0;
};

} // namespace brevant
