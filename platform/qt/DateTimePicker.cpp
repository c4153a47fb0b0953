// The date and time picker's widgets: the optional "has a value" box and the date-time field
// that is typed section by section.
#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "platform/DateTimeCtrl.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/WindowState.h"

namespace {

// The lowest year a date value of the program holds.
constexpr int kLowestYear = 100;

int LargestValueOf(QDateTimeEdit::Section section) {
    switch (section) {
    case QDateTimeEdit::DaySection: return 31;  // kept within the month when set
    case QDateTimeEdit::MonthSection: return 12;
    case QDateTimeEdit::YearSection: return 9999;
    case QDateTimeEdit::HourSection: return 23;
    default: return 59;  // minutes and seconds
    }
}

int DigitsOf(QDateTimeEdit::Section section) { return section == QDateTimeEdit::YearSection ? 4 : 2; }

// The value of the digits typed into a section so far. Up to two digits name a year of 1930
// to 2029, so that the year shown while typing is the one kept if the typing stops there.
int ValueTyped(QDateTimeEdit::Section section, const QString& typed) {
    const int value = typed.toInt();
    if (section != QDateTimeEdit::YearSection) return value;
    if (typed.size() <= 2) return value + (value < 30 ? 2000 : 1900);
    return std::max(value, kLowestYear);
}

// A lone 0 typed into these waits for the digit after it.
bool HasNoZero(QDateTimeEdit::Section section) {
    return section == QDateTimeEdit::DaySection || section == QDateTimeEdit::MonthSection;
}

bool IsSeparator(QChar ch) { return ch == u'.' || ch == u'/' || ch == u'-' || ch == u':'; }

// Keys that move between the sections or change the value without typing a character.
bool MovesOrEdits(int key) {
    switch (key) {
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Insert: case Qt::Key_Delete: case Qt::Key_F4:
    case Qt::Key_Cut: case Qt::Key_Copy: case Qt::Key_Paste: case Qt::Key_Undo: case Qt::Key_Redo:
        return true;
    default: return false;
    }
}

// Shift, the lock keys, the Windows key and the like neither type nor move: the colon comes
// after a Shift press, and a Num Lock pressed between the hour and its colon changes nothing.
bool LeavesTypingAsItWas(const QKeyEvent& event) { return event.text().isEmpty() && !MovesOrEdits(event.key()); }

}  // namespace

SectionDateTimeEdit::SectionDateTimeEdit(const QDateTime& value, QWidget* parent) : QDateTimeEdit(value, parent) {
    setDateTimeRange(QDateTime(QDate(kLowestYear, 1, 1), QTime(0, 0)), QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)));
    lineEdit()->installEventFilter(this);
}

void SectionDateTimeEdit::SelectSection(int index) {
    setCurrentSectionIndex(std::clamp(index, 0, sectionCount() - 1));
    setSelectedSection(currentSection());
}

void SectionDateTimeEdit::SetSectionValue(Section section, int value) {
    QTime time = this->time();
    int year = date().year(), month = date().month(), day = date().day();
    switch (section) {
    case DaySection: day = m_typedDay = value; break;
    case MonthSection: month = value; break;
    case YearSection: year = value; break;
    case HourSection: time.setHMS(value, time.minute(), time.second()); break;
    case MinuteSection: time.setHMS(time.hour(), value, time.second()); break;
    case SecondSection: time.setHMS(time.hour(), time.minute(), value); break;
    default: return;
    }
    if (m_typedDay > 0) day = m_typedDay;  // 31 typed before the month comes back in a long month
    const QDate firstOfMonth(year, month, 1);
    if (!firstOfMonth.isValid()) return;
    setDateTime(QDateTime(QDate(year, month, std::min(day, firstOfMonth.daysInMonth())), time));
}

void SectionDateTimeEdit::TypeDigit(int digit) {
    const int index = currentSectionIndex();
    const Section section = currentSection();
    m_movedByDigits = false;
    m_typed += QChar(u'0' + digit);
    if (m_typed.toInt() > LargestValueOf(section)) m_typed = QString::number(digit);  // starts the section anew
    ShowTyped();
    const bool full = m_typed.size() >= DigitsOf(section) || m_typed.toInt() * 10 > LargestValueOf(section);
    if (full) {
        m_typed.clear();
        if (index + 1 < sectionCount()) {
            SelectSection(index + 1);
            m_movedByDigits = true;
            return;
        }
    }
    SelectSection(index);
}

void SectionDateTimeEdit::TypeSeparator() {
    // "15.05.2023": the full day has already moved on to the month, so its dot does not.
    const bool alreadyMoved = m_movedByDigits;
    EndTyping();
    SelectSection(currentSectionIndex() + (alreadyMoved ? 0 : 1));
}

void SectionDateTimeEdit::ShowTyped() {
    const Section section = currentSection();
    const int value = ValueTyped(section, m_typed);
    if (!m_typed.isEmpty() && (value > 0 || !HasNoZero(section))) SetSectionValue(section, value);
}

void SectionDateTimeEdit::EndTyping() {
    m_typed.clear();
    m_movedByDigits = false;
}

void SectionDateTimeEdit::keyPressEvent(QKeyEvent* event) {
    const char32_t character = CharacterOfKey(*event);
    const QChar typed = character < 0x10000 ? QChar(static_cast<char16_t>(character)) : QChar();
    int index = -1;
    if (typed >= u'0' && typed <= u'9') {
        TypeDigit(typed.unicode() - u'0');
    } else if (IsSeparator(typed)) {
        TypeSeparator();
    } else if (event->key() == Qt::Key_Backspace) {
        m_typed.chop(1);  // the digit typed last; the section keeps a value
        ShowTyped();
        SelectSection(currentSectionIndex());
    } else if (event->key() == Qt::Key_Delete || (!typed.isNull() && typed.isPrint())) {
        // a section is never left empty, and letters and the like do nothing
    } else if (LeavesTypingAsItWas(*event)) {
        return QDateTimeEdit::keyPressEvent(event);  // Qt lets such a key pass on to the page
    } else {
        EndTyping();
        switch (event->key()) {
        case Qt::Key_Home: index = 0; break;
        case Qt::Key_End: index = sectionCount() - 1; break;
        case Qt::Key_Left: index = std::max(0, currentSectionIndex() - 1); break;
        case Qt::Key_Right: index = currentSectionIndex() + 1; break;
        default:
            QDateTimeEdit::keyPressEvent(event);  // up and down step the section, F4 opens the calendar
            if (hasFocus() && !lineEdit()->hasSelectedText()) SelectSection(currentSectionIndex());
            return;
        }
        SelectSection(index);
    }
    event->accept();
}

void SectionDateTimeEdit::focusInEvent(QFocusEvent* event) {
    EndTyping();
    m_typedDay = 0;
    m_focusReason = event->reason();
    QDateTimeEdit::focusInEvent(event);
    // Entered from the keyboard either way, typing starts at the day or the hour.
    const bool byTab = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    SelectSection(byTab ? 0 : std::max(0, currentSectionIndex()));
}

bool SectionDateTimeEdit::TakeEnteredForward() {
    return std::exchange(m_focusReason, Qt::OtherFocusReason) == Qt::TabFocusReason;
}

// Tab leaves the picker from any section, as on the desktop; the arrow keys and the
// separators move between sections.
bool SectionDateTimeEdit::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }

bool SectionDateTimeEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress) EndTyping();
    // By the release the press has put the cursor into the clicked section.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !lineEdit()->hasSelectedText())
        setSelectedSection(currentSection());
    return QDateTimeEdit::eventFilter(watched, event);
}

DateTimePickerWidget::DateTimePickerWidget(DWORD style, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    if (style & DTS_SHOWNONE) {
        box = new QCheckBox(this);
        box->setChecked(true);
        layout->addWidget(box);
    }
    edit = new SectionDateTimeEdit(QDateTime::currentDateTime(), this);
    const bool time = (style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT;
    edit->setDisplayFormat(time ? "HH:mm:ss" : "dd.MM.yyyy");
    edit->setCalendarPopup(!time && !(style & DTS_UPDOWN));
    layout->addWidget(edit, 1);
    setFocusProxy(edit);
    if (!box) return;
    QObject::connect(box, &QCheckBox::toggled, edit, &QWidget::setEnabled);
    // Tab forward reaches the picker through its field, the focus proxy, past the box in front
    // of it: the box is the stop before the field going forward, as it is going back.
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget* before, QWidget* now) {
        if (now == edit && edit->TakeEnteredForward() && before != box && box->isEnabled())
            box->setFocus(Qt::TabFocusReason);
    });
}

bool DateTimePickerWidget::HasValue() const { return !box || box->isChecked(); }

void DateTimePickerWidget::SetHasValue(bool value) {
    if (box) box->setChecked(value);
}
