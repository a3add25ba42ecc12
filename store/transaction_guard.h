// Brevant Dira — transaction helpers for the core's units of work.
#pragma once

#include "store/fbl.h"

namespace brevant {

// Starts `t`; a transaction still started from earlier work is committed
// first (a failed unit of work elsewhere must not block this one).
inline void StartTransactionRecovering(TFBLTransaction& t) {
    if (t.InTransaction()) t.Commit();
    t.StartTransaction();
}

// Rolls `t` back on scope exit unless Commit() or Release() was called, so an
// error cannot leave a started transaction behind.
class TransactionGuard {
public:
    explicit TransactionGuard(TFBLTransaction& t) : t_(t) {}
    ~TransactionGuard() {
        if (armed_ && t_.InTransaction()) {
            try {
                t_.Rollback();
            } catch (...) {
                // The error that brought us here is the one to report.
            }
        }
    }
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    void Commit() {
        t_.Commit();
        armed_ = false;
    }
    void Release() { armed_ = false; }

private:
    TFBLTransaction& t_;
    bool armed_ = true;
};

} // namespace brevant
