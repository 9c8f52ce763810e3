#include "platform/resource_tables.h"

namespace {

constexpr unsigned kAddStringMessage = 0x0403;

void PutLittleEndian(std::string& out, unsigned long value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

} // namespace

std::string DialogInitData(const DialogInitResource& resource, bool japanese,
                           std::string (*encode)(const std::string& utf8)) {
    std::string out;
    for (std::size_t i = 0; i < resource.count; ++i) {
        const DialogInitItem& item = resource.items[i];
        const std::string text = encode(japanese ? item.japanese : item.english);
        PutLittleEndian(out, static_cast<unsigned long>(item.controlId), 2);
        PutLittleEndian(out, kAddStringMessage, 2);
        PutLittleEndian(out, static_cast<unsigned long>(text.size() + 1), 4);
        out += text;
        out += '\0';
    }
    PutLittleEndian(out, 0, 2);
    return out;
}
