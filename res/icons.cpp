#include "platform/resource_tables.h"

#include "resource.h"

#include <iterator>

const unsigned kIconIds[] = {IDR_MAINFRAME,  IDI_TRAY_READY,  IDI_TRAY_NODEVICE, IDI_ARROW_UP,
                             IDI_ARROW_LEFT, IDI_ARROW_RIGHT, IDI_ARROW_DOWN};
const std::size_t kIconCount = std::size(kIconIds);

bool IsIconResource(unsigned id) {
    for (unsigned icon : kIconIds) {
        if (icon == id) {
            return true;
        }
    }
    return false;
}
