#include "platform/resource_tables.h"

#include "resource.h"

#include <iterator>

namespace {

const MenuResourceItem kTrayMenu[] = {
    {0, kMenuPopup, "Left Button Menu", "Left Button Menu"},
    {1, kMenuPopup, "&Change Display Area...", "表示領域の切り替え(&C)..."},
    {2, ID_MOUSE_TRACE_MODE1, "Mouse Trace Mode &1", "ﾏｳｽ追跡ﾓｰﾄﾞ1(&1)"},
    {2, ID_MOUSE_TRACE_MODE2, "Mouse Trace Mode &2", "ﾏｳｽ追跡ﾓｰﾄﾞ2(&2)"},
    {2, ID_MOUSE_TRACE_MODE3, "Mouse Trace Mode &3", "ﾏｳｽ追跡ﾓｰﾄﾞ3(&3)"},
    {2, ID_FOLLOW_FOCUS, "Follow &Focus", "ﾌｫｰｶｽ追跡(&F)"},
    {2, ID_FOLLOW_WINDOW, "Follow &Window...", "ｳｨﾝﾄﾞｳ追跡(&W)..."},
    {1, ID_SELECT_AREA, "&Select Area...", "領域選択(&S)..."},
    {1, ID_SELECT_WINDOW, "Select &Window...", "ｳｨﾝﾄﾞｳ選択(&W)..."},
    {1, ID_QUARTER_SCREEN, "&Quarter Screen", "4分割(&Q)"},
    {1, ID_FULL_SCREEN, "&Full Screen", "全画面(&F)"},
    {1, 0, nullptr, nullptr},
    {1, ID_EXTERNAL_SVIDEO, "&External S-Video Input", "外部Sﾋﾞﾃﾞｵ入力(&E)"},
    {1, ID_EXTERNAL_COMPOSITE, "External Comp&osite Input", "外部ｺﾝﾎﾟｼﾞｯﾄ入力(&O)"},
    {0, kMenuPopup, "Right Button Menu", "Right Button Menu"},
    {1, ID_OPTION, "&Option...", "ｵﾌﾟｼｮﾝ(&O)..."},
    {1, ID_APP_ABOUT, "&About Corvane...", "Corvane のﾊﾞｰｼﾞｮﾝ情報(&A)..."},
    {1, ID_APP_EXIT, "E&xit Application", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
};

const MenuResource kMenus[] = {
    {IDR_TRAYMENU, kTrayMenu, std::size(kTrayMenu)},
};

} // namespace

const MenuResource* FindMenuResource(unsigned id) {
    for (const MenuResource& menu : kMenus) {
        if (menu.id == id) {
            return &menu;
        }
    }
    return nullptr;
}
