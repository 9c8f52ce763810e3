// The Option command: the sheet runs on the model's values while its pages change the
// converter directly; OK commits the values and the changed shortcuts, and in every case
// stripe suppression is decided again and the stored area programmed anew.
#include "AreaModes.h"
#include "MrgAppBase.h"
#include "MrgDoc.h"
#include "MrgViewBase.h"
#include "StoredValues.h"

#include "../res/resource.h"

OPTION_VALUES CMrgDoc::OptionValues() const {
    OPTION_VALUES values;
    values.settings = *this;
    for (const auto& entry : GetMrgApp()->m_shortcutList) {
        values.shortcutKeys.push_back(SHORTCUT_KEY{entry->vk, entry->flags});
    }
    return values;
}

// Only what the sheet edits is taken: the area and the external input stay as they are now.
void CMrgDoc::CommitOptionValues(const OPTION_VALUES& values) {
    for (const STORED_VALUE& value : g_storedValues) {
        if (value.bOptionSheet) {
            value.set(*this, value.get(values.settings));
        }
    }
    // Only a changed definition is taken out of the hook library and registered anew.
    auto& entries = GetMrgApp()->m_shortcutList;
    for (std::size_t i = 0; i < entries.size() && i < values.shortcutKeys.size(); ++i) {
        SHORTCUT_ENTRY& entry = *entries[i];
        const SHORTCUT_KEY& key = values.shortcutKeys[i];
        if (entry.vk != key.vk || entry.flags != key.flags) {
            RemoveShortcut(&entry);
            entry.vk = key.vk;
            entry.flags = key.flags;
            AddShortcut(&entry);
        }
    }
}

// With no device there is nothing to wait for; a failing read is reported once and ends the
// wait.
void CMrgDoc::WaitForOpenOutputReady() {
    if (m_pDevice != nullptr) {
        WithDevice([&] { WaitForOutputReady(); });
    }
}

void CMrgDoc::OnOption() {
    // Without a converter the sheet is for the shortcut keys: the steps that act on the
    // converter are skipped, and nothing is said of the device that is not there.
    // The pages' live changes must not switch suppression on and off meanwhile.
    const BOOL bWasEnabled = m_bSuppressStripe;
    const bool bWasActive = m_suppression.Active();
    SuspendSuppression();

    OPTION_VALUES values = OptionValues();
    m_optionSheet = OptionSheetState{true, false};
    const INT_PTR closedBy = GetMrgApp()->RunOptionSheet(this, values);
    m_optionSheet.open = false;
    if (closedBy == IDOK) {
        CommitOptionValues(values);
        // Kept at once, as the exit keeps them: a crash or a power cut later loses nothing.
        SaveSettings();
        GetMrgApp()->SaveShortcuts();
        // A converter opened while the sheet was up got the model as it was then, not the
        // edits made meanwhile: it is given what was committed.
        if (m_pDevice != nullptr && m_optionSheet.converterOpened) {
            ApplyModel();
        }
    }

    const auto* view =
        GetViews().empty() ? nullptr : dynamic_cast<const CMrgViewBase*>(GetViews()[0]);
    if (bWasEnabled) {
        m_suppression.SetActive(m_bSuppressStripe && bWasActive);
    } else if (m_bSuppressStripe) {
        // Newly enabled: not while a trace mode follows the mouse; leaving it turns it on.
        m_suppression.SetActive(view == nullptr || !IsTraceMode(view->GetMode()));
    }
    if (m_suppression.Active()) {
        WaitForOpenOutputReady();
    }

    // A running trace shows its own area, which the converter gets again; otherwise the
    // stored one.
    RECT traced{};
    if (view != nullptr && view->GetTracedArea(traced)) {
        if (m_pDevice != nullptr) {
            PreviewDisplayArea(&traced);
        }
    } else if (!IsRectEmpty(&m_rcDisplayArea) && m_pDevice != nullptr) {
        if (!m_bSuppressStripe) {
            StopSuppression();
        }
        SetDisplayArea(&m_rcDisplayArea);
    }
}
