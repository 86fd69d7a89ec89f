#pragma once

#include "platform/messages.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace tarvi::platform {

struct Launch;

// Runs the desktop programs that open documents and tells the user when one
// fails, as the system itself does elsewhere. An opener that cannot run or
// exits with a failure status is followed by its fallback, when it has one;
// when that fails too, a box names the document and says that it could not
// be opened, with the first line of the openers' complaint as the reason when
// it is short. Nothing here waits: each opener's end arrives as an event on
// the window's thread.
class OpeningWatch {
public:
    explicit OpeningWatch(MessageService& messages) : messages_(messages) {}
    ~OpeningWatch();
    OpeningWatch(const OpeningWatch&) = delete;
    OpeningWatch& operator=(const OpeningWatch&) = delete;

    // Starts `opener`, which opens `document`, in `workingFolder`.
    void open(const Launch& opener, std::optional<Launch> fallback, const QString& document,
              const QString& workingFolder);

private:
    struct Attempt;
    void run(Attempt attempt);
    void failed(Attempt attempt, const QString& complaint);

    MessageService& messages_;
    QObject processes_; // the running openers, each deleted once it has ended
};

} // namespace tarvi::platform
