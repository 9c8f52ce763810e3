// Loading and saving the model in the registry sections "Selection" and "Device".
#include "MrgAppBase.h"
#include "MrgDoc.h"
#include "Rescale.h"
#include "StoredValues.h"

void CMrgDoc::LoadSettings() {
    STORED_SETTINGS stored = *this;
    for (const STORED_VALUE& value : g_storedValues) {
        value.set(stored, static_cast<int>(GetMrgApp()->GetProfileInt(value.section, value.name,
                                                                      value.DefaultFor(stored))));
    }
    // A stored area whose screen size is lost cannot be placed on this screen; show the
    // whole desktop rather than guess.
    if (!IsRectEmpty(&stored.m_rcDisplayArea) &&
        !RescaleRect(stored.m_rcDisplayArea, stored.m_cxScreen, stored.m_cyScreen, m_cxScreen,
                     m_cyScreen)) {
        SetRectEmpty(&stored.m_rcDisplayArea);
    }
    stored.m_cxScreen = m_cxScreen;
    stored.m_cyScreen = m_cyScreen;
    static_cast<STORED_SETTINGS&>(*this) = stored;
    m_suppression.SetActive(m_bSuppressStripe);
}

void CMrgDoc::SaveSettings() {
    for (const STORED_VALUE& value : g_storedValues) {
        GetMrgApp()->WriteProfileInt(value.section, value.name, value.get(*this));
    }
}
