#pragma once

#include "platform/messages.h"
#include "platform/programstart.h"

#include <QString>

#include <deque>
#include <vector>

namespace tarvi::testkit {

// The next scripted answer, or `otherwise` once the script has run out.
template <typename T> T nextScripted(std::deque<T>& script, T otherwise)
{
    if (script.empty())
        return otherwise;
    const T next = script.front();
    script.pop_front();
    return next;
}

// Records every box and answers with the scripted answers in order (Yes when
// the script has run out, OK for boxes with only an OK button).
class FakeMessages final : public platform::MessageService {
public:
    struct Box {
        QString title;
        QString text;
        platform::MessageIcon icon;
        platform::MessageButtons buttons;
    };

    std::vector<Box> boxes;
    std::deque<platform::MessageAnswer> answers;

    platform::MessageAnswer show(const QString& title, const QString& text, platform::MessageIcon icon,
                                 platform::MessageButtons buttons) override
    {
        boxes.push_back({title, text, icon, buttons});
        return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                       : nextScripted(answers, platform::MessageAnswer::Yes);
    }
};

// Records every start and reports the scripted outcomes in order (success when
// the script has run out).
class FakeStarter final : public platform::ProgramStarter {
public:
    struct Start {
        QString commandLine;
        platform::WindowStyle style;
    };

    std::vector<Start> starts;
    std::deque<bool> outcomes;

    bool start(const QString& commandLine, platform::WindowStyle style) override
    {
        starts.push_back({commandLine, style});
        return nextScripted(outcomes, true);
    }
};

} // namespace tarvi::testkit
