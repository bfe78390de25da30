#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>

// One copy of the game per settings folder. Two copies on the same files
// would each start a match of their own and overwrite each other's settings,
// saved match and statistics; a second start therefore brings the running
// window to the front and ends without touching a file.
//
// The first copy holds a lock file beside the player's files ("Zaviko.lock",
// holding its process id) and listens on a local socket named after that
// file. A lock whose process is gone (a crash, a kill) is taken over, and so
// is one a crash or a power cut left without its process id.
class TSingleInstance {
public:
    // The guard of the files kept with `settingsFile`, in the folder where
    // the player's files go (see PlayerFileName).
    explicit TSingleInstance(const QString& settingsFile);
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // True when this copy may run: it now holds the lock, or no lock can be
    // made there at all (then it runs unguarded, as a game without a writable
    // folder always has). False while another living copy holds it.
    bool Acquire();
    // For a copy that did not acquire: asks the holder to come forward and
    // waits a moment for its answer; false when none came. A `link` (a table
    // to join, from the command line) goes with the request.
    bool AskToComeForward(const QString& link = {}) const;

    const QString& LockFileName() const { return FLockFileName; }
    // Called in the first copy, on its GUI thread, when another asks, with
    // the link the other was started with (empty when none).
    std::function<void(const QString& link)> OnComeForward;

private:
    bool LeftUnwritten() const;
    void Listen();
    void Answer(QLocalSocket* socket);

    QString FLockFileName;
    QString FServerName;
    QLockFile FLock;
    QLocalServer FServer;
};

// Brings the window to the front, out of the task bar when minimised, with
// the dialog it has open on top.
void BringForward(QWidget* window);
