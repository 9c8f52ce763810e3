// The output-control model: every setting that decides what the converter shows on the TV,
// their persistence, the shadow of the converter's registers and the open device.
#pragma once

#include "../device/Device.h"
#include "../device/DeviceNotification.h"
#include "../framework/Document.h"
#include "OptionValues.h"
#include "ShadowRegisters.h"
#include "StoredSettings.h"
#include "StripeSuppression.h"

#include <functional>
#include <memory>

// Why the device is opened or closed.
enum DeviceOpenReason { OPEN_STARTUP = 0, OPEN_ARRIVAL = 2, OPEN_RESUME = 5 };
enum DeviceCloseReason { CLOSE_NORMAL = 1, CLOSE_REMOVAL = 3, CLOSE_SUSPEND = 4 };

// The stored settings are the document's own (its fields, by their names); the rest is the
// converter's state while it is open.
class CMrgDoc : public CDocument, public STORED_SETTINGS {
    DECLARE_DYNCREATE(CMrgDoc)
  public:
    CMrgDoc();
    ~CMrgDoc() override;

    // Start-up, shut-down and saving.
    BOOL OnNewDocument() override;
    void DeleteContents() override;
    BOOL SaveModified() override;
    // The device came, went, or the system suspends or resumes.
    int OnDeviceChange(CDeviceNotification* pNotification, UINT nEventType, DWORD_PTR dwData);
    void OnPowerSuspend();
    void OnPowerResume();

    BOOL OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) override;
    void OnFullScreen();
    void OnExternalSVideoInput();
    void OnExternalCompositeInput();
    void OnOption();
    void OnUpdateFullScreen(CCmdUI* pCmdUI);
    void OnUpdateClearArea(CCmdUI* pCmdUI);
    void OnUpdateExternalSVideoInput(CCmdUI* pCmdUI);
    void OnUpdateExternalCompositeInput(CCmdUI* pCmdUI);

    // Settings (registry sections "Selection" and "Device").
    void LoadSettings();
    void SaveSettings();

    // Register operations; 1 on success, 0 on a failure already reported.
    int SetRegister(int index, int value);
    int SetFlickerFilter(int level);
    int SetTestPattern(BOOL bOn);
    int SetLuminanceFilter(BOOL bOn);
    int SetChromaFilter(BOOL bOn);
    int SetPedestal(BOOL bOn);
    int SetVideoStandard(int nStandard);
    int SetRgbGain(BOOL bOn);
    int SetTestPatternType(int nType);
    int SetTvPositionSize(const RECT& rcPosition);
    int SetExternalOutput(BYTE bySelection);

    // The update bracket that keeps stripe suppression off while registers change.
    void BeginUpdate();
    void EndUpdate();
    int BeginDeviceUpdate();
    int EndDeviceUpdate();
    int StopSuppression();
    // Many previews in a row (an interactive mode, the Option sheet): suppression is stopped
    // and stays out of force until it is resumed, which puts it back where the scaler needs it.
    void SuspendSuppression();
    void ResumeSuppression();
    void WaitForOutputReady();

    // The display area.
    int ProgramScaler(const RECT* pRect);
    int PreviewDisplayArea(const RECT* pRect);
    int SetDisplayArea(const RECT* pRect);
    int CancelPreview(const RECT* pLastShown);
    int ResetDisplayArea();
    void OnDisplayChange(int cx, int cy);
    void CheckOutputStatus();

    // The device: OpenDevice gives 1 opened and applied, 0 already open, -1 failed;
    // CloseDevice gives 0 when nothing was open.
    int OpenDevice(int nReason);
    int CloseDevice(int nReason);

    std::unique_ptr<CDevice> m_pDevice;
    int m_nOpenCount = 0;
    int m_nInitCount = 0;
    CStripeSuppression m_suppression;
    SHADOW_REGISTER m_regs[SHADOW_REGISTER_COUNT];
    BOOL m_bPreview = FALSE;

  private:
    // Runs a device operation: no device reports 61204 (except while the Option sheet is open,
    // where the removal notice was the report), a device error is reported; both 0.
    int WithDevice(const std::function<void()>& operation);
    int SetBits(int index, WORD mask, BOOL bOn);
    void StoreAndWrite(int index, WORD value);
    void WriteControlWith(WORD extraBits);
    bool SuppressionInForce() const { return m_suppression.InForce(m_bSuppressStripe); }
    bool ScalerActive() const;
    void ApplyFirstRunModel();
    bool ApplyModel();
    void ToggleExternalInput(BYTE bit);
    void UpdateExternalInput(CCmdUI* pCmdUI, BYTE bit) const;
    void ReportConnected();
    // The Option command's halves: the values the sheet starts from, and taking them back.
    OPTION_VALUES OptionValues() const;
    void CommitOptionValues(const OPTION_VALUES& values);
    void WaitForOpenOutputReady();

    // While the Option sheet is open, and whether a converter was opened meanwhile (it got the
    // model as it was, not the sheet's edits).
    struct OptionSheetState {
        bool open = false;
        bool converterOpened = false;
    } m_optionSheet;
};
