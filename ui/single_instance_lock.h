#pragma once

#include <QString>

namespace orvanta::ui {

// One running copy per user. The lock is an advisory lock on a file in the user's runtime
// folder; the system drops it when the process ends for any reason, a crash included, so a
// stale lock never keeps the program from starting.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(QString lockFilePath = DefaultPath());
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // False when another copy holds the lock (or the lock file cannot be opened at all, in which
    // case running is allowed: a missing runtime folder is no reason to refuse to start).
    bool tryLock();
    // Lets the next copy start; called as soon as a quitting copy has saved its settings.
    void release();

    static QString DefaultPath();

private:
    QString path_;
    int fd_ = -1;
};

} // namespace orvanta::ui
