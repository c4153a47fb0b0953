#pragma once
// A view that holds the controls of a dialog template, placed as the template says. It
// scrolls when the template is larger than the view (its scroll sizes start as the
// template's size), and exchanges data with its controls like a dialog (UpdateData).
#include "Dialog.h"
#include "View.h"

class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)
public:
    explicit CFormView(UINT templateId);

    // FALSE when no dialog template has the id.
    BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = nullptr) override;
    // Fills the controls from the members (UpdateData(FALSE)), then the base's update.
    void OnInitialUpdate() override;
    void OnDraw(CDC*) override {}
    UINT GetTemplateId() const { return m_templateId; }

private:
    UINT m_templateId;
};
