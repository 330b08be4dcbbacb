// A modal dialog from a template of the program's resources. Commands go to
// OnCommand first; what a dialog does not handle goes on to the default
// (OK and Cancel end the dialog) and then to the application (F1 help).
#pragma once

#include <windows.h>

class CDialog {
public:
    CDialog(UINT templateId, CDialog* parent);
    virtual ~CDialog();

    // Runs the dialog until EndDialog; -1 when it could not be created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    HWND m_hWnd = nullptr;

protected:
    virtual void DoDataExchange() {}
    // Called once the controls exist; TRUE puts the focus on the first tab stop.
    virtual BOOL OnInitDialog();
    // A command from a control or the keyboard; TRUE when handled here.
    virtual BOOL OnCommand(WORD id, WORD code);
    // Any other message; TRUE with *result set when handled here.
    virtual BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result);

    virtual void OnOK();
    virtual void OnCancel();

    UINT m_nIDTemplate;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CenterOnFirstShow();

    CDialog* m_pParent;
};
