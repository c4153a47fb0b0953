#include "WaitCursor.h"

#include <QGuiApplication>

#include "MessageMap.h"

namespace {
int g_depth = 0;

bool HaveGui() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

void Begin() {
    ++g_depth;
    if (HaveGui()) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void End() {
    if (g_depth == 0) return;
    --g_depth;
    if (HaveGui()) QGuiApplication::restoreOverrideCursor();
}

void Restore() {
    if (g_depth > 0 && HaveGui()) QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
}
}  // namespace

CWaitCursor::CWaitCursor() { Begin(); }
CWaitCursor::~CWaitCursor() { End(); }
void CWaitCursor::Restore() { ::Restore(); }

int WaitCursorDepth() { return g_depth; }

void CCmdTarget::BeginWaitCursor() { Begin(); }
void CCmdTarget::EndWaitCursor() { End(); }
void CCmdTarget::RestoreWaitCursor() { ::Restore(); }
