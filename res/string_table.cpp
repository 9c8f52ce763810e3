#include "platform/resource_tables.h"

#include "resource.h"

#include <algorithm>
#include <iterator>

const ResourceString kStringTable[] = {
    {AFX_IDS_APP_TITLE, "Corvane", "Corvane"},
    {IDR_MAINFRAME, "Corvane\n\nPelbrin\n\n\nPelbrin.Document\nCorvane Document",
     "Corvane\n\nPelbrin\n\n\nPelbrin.Document\nCorvane Document"},
    {IDS_NO_DEVICE, "No devices are connected or working properly.",
     "デバイスが接続されていないか、または、正常に動作していません。"},
    {IDS_DEVICE_BUSY,
     "There are no available devices, because other processes or threads have already "
     "obtained exclusive access to devices.",
     "他のプロセスまたはスレッドがデバイスを排他的に使用しているため、利用可能なデバイスがありませ"
     "ん。"},
    {IDS_UNKNOWN_DEVICE_ERROR, "An unknown device error occurred, error code = %1 (%2).",
     "不明なデバイス エラーが発生しました、エラー コード = %1 (%2)。"},
    {IDS_SYSTEM_ERROR, "An error occurred, error code = %1 (%2).",
     "エラーが発生しました、エラー コード = %1 (%2)。"},
    {IDS_DEVICE_CONNECTED, "The device is connected, and available now.",
     "デバイスが接続され、利用可能になりました。"},
    {IDS_DEVICE_DISCONNECTED, "The device has been disconnected.", "デバイスが切断されました。"},
    {IDS_OPTION_CAPTION, "Option", "ｵﾌﾟｼｮﾝ"},
    {IDS_SHORTCUT_OVERLAP, "Some shortcut key definitions are overlapping.",
     "重複しているｼｮｰﾄｶｯﾄ ｷｰがあります。"},
};

const std::size_t kStringTableSize = std::size(kStringTable);

const ResourceString* FindResourceString(unsigned id) {
    const auto* end = kStringTable + kStringTableSize;
    const auto* found = std::find_if(kStringTable, end,
                                     [id](const ResourceString& entry) { return entry.id == id; });
    return found == end ? nullptr : found;
}
