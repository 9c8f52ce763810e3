// The simulator's commands for the machine around the program.
#include "MachineCommands.h"

#include "KeyNames.h"
#include "Session.h"
#include "Text.h"
#include "platform/sim/control/world.h"
#include "platform/sim/shell32/shell32_state.h"
#include "res/resource.h"

namespace MachineCommands {

std::string Plug(Session& s, const Words& words) {
    ChipConfig config = sim::MainModelConfig();
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string option = Lower(words[i]);
        if (option == "alt") {
            config.product_id = 0xA003;
        } else if (option == "pal") {
            config.powers_up_in_pal = 1;
        } else {
            return "plug takes \"alt\" and \"pal\", not \"" + words[i] + "\"";
        }
    }
    s.World().Plug(config);
    return "";
}

// Unplug, power-cycle, claim and release act on the converter attached last.
std::string OnConverter(Session& s, const Words& words) {
    sim::Converter* converter = s.LastAttached();
    if (converter == nullptr) {
        return "no converter is attached";
    }
    const std::string keyword = Lower(words[0]);
    if (keyword == "unplug") {
        s.World().Unplug(*converter);
        s.World().ForgetUnpluggedConverters();
    } else if (keyword == "power-cycle") {
        converter->LosePower(s.World().Now());
    } else {
        converter->HoldElsewhere(keyword == "claim");
    }
    return "";
}

// fail N ERROR: the nth transfer from now fails with that system error; with no converter
// attached, the nth of the next one plugged in, counted from its first.
std::string Fail(Session& s, const Words& words) {
    long nth = 0;
    long error = 0;
    if (!ParseNumber(words[1], 1, 1000000, nth) || !ParseNumber(words[2], 1, 0xFFFF, error)) {
        return "fail takes the transfer's number from 1 and a system error, e.g. fail 5 31";
    }
    if (sim::Converter* converter = s.LastAttached()) {
        converter->FailNthTransfer(static_cast<unsigned>(nth),
                                   sim::Fault::Error(static_cast<DWORD>(error)));
    } else {
        s.FailOnNextConverter(static_cast<unsigned>(nth), static_cast<DWORD>(error));
    }
    return "";
}

std::string Tray(Session& s, const Words& words) {
    const std::string side = Lower(words[1]);
    if (side != "left" && side != "right") {
        return "tray takes left or right";
    }
    if (!sim::Shell32().tray.present) {
        return "there is no tray icon to click";
    }
    s.World().input.ClickTrayIcon(side == "left" ? sim::MouseButton::Left
                                                 : sim::MouseButton::Right);
    return "";
}

std::string Shortcut(Session& s, const Words& words) {
    const std::optional<KeyCombination> keys = ParseKeys(words[1]);
    if (!keys) {
        return "not a key combination: \"" + words[1] + "\"";
    }
    if (!s.World().input.TypeKey(static_cast<BYTE>(keys->vk), keys->flags)) {
        s.Print("shortcut: not a shortcut of the program");
    }
    return "";
}

std::string Wait(Session& s, const Words& words) {
    long ms = 0;
    if (!ParseNumber(words[1], 0, 86400000, ms)) {
        return "wait takes milliseconds, 0 to 86400000";
    }
    s.World().RunFor(static_cast<DWORD>(ms));
    return "";
}

std::string Power(Session& s, const Words& words) {
    if (Lower(words[0]) == "suspend") {
        s.World().Suspend();
    } else {
        s.World().Resume();
    }
    return "";
}

std::string Display(Session& s, const Words& words) {
    long width = 0;
    long height = 0;
    if (!ParseNumber(words[1], 1, 16384, width) || !ParseNumber(words[2], 1, 16384, height)) {
        return "display takes a width and a height, 1 to 16384";
    }
    s.World().ChangeDisplay(static_cast<int>(width), static_cast<int>(height));
    return "";
}

std::string Logoff(Session& s, const Words& words) {
    const bool cancelled = words.size() == 2;
    if (cancelled && Lower(words[1]) != "cancel") {
        return "logoff takes nothing, or cancel";
    }
    s.World().EndSession(cancelled);
    if (!cancelled) {
        throw SessionOver{};
    }
    return "";
}

std::string Exit(Session& s, const Words&) {
    if (!sim::Shell32().tray.present) {
        return "there is no tray icon to exit from";
    }
    s.AnswerNextMenu(ID_APP_EXIT);
    s.World().input.ClickTrayIcon(sim::MouseButton::Right);
    return "";
}

std::string Wire(Session& s, const Words& words) {
    const std::string state = Lower(words[1]);
    if (state != "on" && state != "off") {
        return "wire takes on or off";
    }
    s.SetWire(state == "on");
    return "";
}

} // namespace MachineCommands
