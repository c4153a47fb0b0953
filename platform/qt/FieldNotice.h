#pragma once
// A short notice at a field, as the desktop's edits give one when they drop a typed
// character. It stands below the caret and never takes the focus or a click: a click on it
// goes to what lies under it, so the user's next click lands where it was aimed. It goes
// after a few seconds, or when the field loses the focus or is hidden.
#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

// `belowCaret`: the caret's bottom-left corner, in screen coordinates.
void ShowFieldNotice(QWidget* field, QPoint belowCaret, const QString& text);
void HideFieldNotice();
// The notice standing now, or nullptr.
const QLabel* ShownFieldNotice();
