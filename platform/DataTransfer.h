#pragma once
// Text handed between windows and programs: through the clipboard and by dragging it with
// the mouse. A data source offers a text, a data object is what a paste or a drop receives,
// and a drop target answers for one window whether and how it takes what is dragged over it.
#include <functional>
#include <memory>
#include <optional>

#include "CString.h"
#include "Geometry.h"
#include "WinDefs.h"

using DROPEFFECT = DWORD;
constexpr DROPEFFECT DROPEFFECT_NONE = 0;
constexpr DROPEFFECT DROPEFFECT_COPY = 1;
constexpr DROPEFFECT DROPEFFECT_MOVE = 2;

// A text offered to the clipboard or to a drag.
class COleDataSource {
public:
    void CacheText(const CString& text) { m_text = text; }
    const CString& GetText() const { return m_text; }
    // Puts the text on the clipboard, where it stays after this object is gone.
    BOOL SetClipboard() const;
    // Drags the text from where the mouse is; returns the effect the drop took (one of
    // `allowed`), DROPEFFECT_NONE when it was refused or cancelled.
    DROPEFFECT DoDragDrop(DROPEFFECT allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE) const;

    // Tests: a drag started by DoDragDrop is handed to the hook (the text and the effects
    // allowed), which answers the effect taken. Returns the hook set before.
    using DragHook = std::function<DROPEFFECT(const CString& text, DROPEFFECT allowed)>;
    static DragHook SetDragHook(DragHook hook);

private:
    CString m_text;
};

// What a paste or a drop receives.
class COleDataObject {
public:
    COleDataObject() = default;
    explicit COleDataObject(std::optional<CString> text) : m_text(std::move(text)) {}
    // Takes what the clipboard holds now; FALSE when the clipboard cannot be read.
    BOOL AttachClipboard();
    // CF_TEXT (or CF_UNICODETEXT): TRUE when a text is offered.
    BOOL IsDataAvailable(UINT format) const;
    CString GetText() const { return m_text.value_or(CString()); }

private:
    std::optional<CString> m_text;
};

// Answers for one window what is dragged over it. Register makes the window a drop target;
// a drag over it then calls the virtuals below with client coordinates and the MK_ key
// state. An effect of DROPEFFECT_NONE refuses (the pointer shows that nothing can be
// dropped there). The target stops with Revoke, its destruction or the window's.
class COleDropTarget {
public:
    COleDropTarget();
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    virtual BOOL Register(CWnd* window);
    virtual void Revoke();

    virtual DROPEFFECT OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point);
    virtual void OnDragLeave(CWnd* window);
    virtual BOOL OnDrop(CWnd* window, COleDataObject* data, DROPEFFECT effect, CPoint point);
    // Asked while a drag rests near the window's edge.
    virtual DROPEFFECT OnDragScroll(CWnd* window, DWORD keyState, CPoint point);

    struct Filter;

private:
    std::unique_ptr<Filter> m_filter;
};

// Tells the user that a pasted or dropped text holds characters the program cannot store,
// naming them; TRUE when the text is refused so.
BOOL RefuseUnstorableText(const CString& text);
// The characters of the text that the program cannot store, each once, separated by blanks;
// empty when it can store the whole text.
CString UnstorableCharactersOf(const CString& text);
