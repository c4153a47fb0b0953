#pragma once
// Widget classes of the standard controls, shared by the factory and the control wrappers.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>

#include "platform/Types.h"

// Roles of list, combo and tree entries.
constexpr int kItemDataRole = Qt::UserRole;          // the entry's data value
constexpr int kImageRole = Qt::UserRole + 1;         // tree: image index
constexpr int kSelectedImageRole = Qt::UserRole + 2; // tree: selected image index

// A static control; with SS_NOTIFY a click tells the parent (STN_CLICKED).
class NotifyingLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // A text with tab characters is drawn with tab stops every eight average characters,
    // as the other system's static texts expand them, so that columns line up.
    void paintEvent(QPaintEvent* event) override;
};

// A dialog window: Enter sends the default command, Esc and the close box IDCANCEL, both
// through the dialog's message map.
class DialogWidget : public QDialog {
public:
    using QDialog::QDialog;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A push button that Enter (or the keypad's Enter) presses while it has the focus, as on the
// desktop, also on a page. A dialog routes Enter itself (to the focused button, else to its
// default one), so there the key is left to the dialog.
class PushButtonWidget : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A combo box that takes keys as the desktop's do: a space is typed like any other character
// (in a list without an edit field it searches the entries) and never opens the list, which
// F4 and Alt+Down open.
class ComboBoxWidget : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The date-time field of a picker, typed as the desktop's own picker is: while it has the
// focus one section is always selected; digits fill that section and move on once no more
// fit it, a separator (".", "/", "-", ":") moves to the next section, Home and End select
// the first and last, the arrow keys the neighbours; a click selects the section clicked.
class SectionDateTimeEdit : public QDateTimeEdit {
public:
    SectionDateTimeEdit(const QDateTime& value, QWidget* parent);
    // Whether the focus came last by Tab forward; asked once per entry.
    bool TakeEnteredForward();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void SelectSection(int index);
    void TypeDigit(int digit);
    void TypeSeparator();
    void ShowTyped();  // the digits typed so far, as the section's value
    void EndTyping();
    // Sets one section to `value`, keeping the day within its month.
    void SetSectionValue(Section section, int value);

    QString m_typed;                 // digits typed into the selected section so far
    bool m_movedByDigits = false;    // the section was just entered because the last one was full
    int m_typedDay = 0;              // the day typed, kept while the month or year changes
    Qt::FocusReason m_focusReason = Qt::OtherFocusReason;
};

// The date and time picker: an optional "has a value" check box and the date-time field.
class DateTimePickerWidget : public QWidget {
public:
    DateTimePickerWidget(DWORD style, QWidget* parent);
    bool HasValue() const;
    void SetHasValue(bool value);

    QCheckBox* box = nullptr;
    SectionDateTimeEdit* edit = nullptr;
};

// Gives tree rows the height asked with SetItemHeight.
class TreeItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    int itemHeight = 0;
};

// Checks or clears a check box or radio button without a click, also inside an exclusive
// group; the other buttons of the group are left as they are.
void SetButtonChecked(QAbstractButton* button, bool checked);
// Puts the radio buttons among the child windows of `client` into groups: a group starts
// at every window with WS_GROUP.
void GroupRadioButtons(QWidget* client);
