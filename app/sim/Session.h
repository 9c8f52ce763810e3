// What corvane-sim's commands may reach of the session they run in: the simulated machine,
// the desktop's other windows, where the user is (a menu, a dialog or the prompt), the
// program's choice of area, and the output. Nothing else of the session is theirs to touch.
#pragma once

#include "platform/win32.h"

#include <string>

namespace sim {
class World;
class Converter;
} // namespace sim

// The session ended with a log-off; the process ends as Windows would end it.
struct SessionOver {};

class CMrgDoc;
class CMrgView;
class Desktop;

class Session {
  public:
    virtual sim::World& World() = 0;
    virtual Desktop& Windows() = 0;
    // A line of output, above the line the user is typing.
    virtual void Print(const std::string& line) = 0;
    // Whether the output is a terminal that shows colour, where pictures can be drawn.
    virtual bool DrawsPictures() const = 0;
    // The converter the user's converter commands act on: the one attached last.
    virtual sim::Converter* LastAttached() const = 0;

    // The menu or dialog the user answers now; nullptr for none.
    virtual HMENU OpenMenu() const = 0;
    virtual HWND OpenDialog() const = 0;
    // The open menu closes with this answer: a command id, 0 for none.
    virtual void CloseMenu(UINT answer) = 0;
    // The next menu the program opens is answered with this command at once.
    virtual void AnswerNextMenu(UINT id) = 0;

    // Every transfer to a converter printed, or none.
    virtual void SetWire(bool on) = 0;
    // The nth transfer of the next converter plugged in fails with this error.
    virtual void FailOnNextConverter(unsigned nth, DWORD error) = 0;

    // The program's document and view, read for what they hold; nullptr before they exist
    // or after the program has ended.
    virtual const CMrgDoc* Document() const = 0;
    virtual const CMrgView* View() const = 0;

  protected:
    ~Session() = default;
};
