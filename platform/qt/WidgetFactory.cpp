#include "WidgetFactory.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <algorithm>
#include <map>

#include "platform/Controls.h"
#include "platform/DateTimeCtrl.h"
#include "platform/ListControls.h"
#include "platform/TreeCtrl.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/GdiAccess.h"
#include "platform/qt/TextInput.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Canonical spelling of the window classes the layer knows.
struct KnownClass {
    const char* name;
    WindowKind kind;
};
constexpr KnownClass kClasses[] = {
    {"Edit", WindowKind::Edit},
    {"Static", WindowKind::Static},
    {"Button", WindowKind::Button},
    {"ComboBox", WindowKind::ComboBox},
    {"ListBox", WindowKind::ListBox},
    {"SysTreeView32", WindowKind::Tree},
    {"SysDateTimePick32", WindowKind::DateTime},
    {"msctls_progress32", WindowKind::Progress},
    {"#32770", WindowKind::Dialog},
    {"tooltips_class32", WindowKind::ToolTip},
};

std::map<std::string, WindowClassDefinition>& RegisteredClasses() {
    static std::map<std::string, WindowClassDefinition> classes;
    return classes;
}

const WindowClassDefinition* RegisteredClass(const std::string& className) {
    const auto found = RegisteredClasses().find(Lower(className));
    return found == RegisteredClasses().end() ? nullptr : &found->second;
}

void SendDialogCommand(QWidget* dialog, int id) {
    WindowState* state = WindowState::Of(dialog);
    CWnd* wnd = state ? state->Primary() : nullptr;
    if (!wnd) return;
    CWnd* button = wnd->GetDlgItem(id);
    if (button && !button->IsWindowEnabled()) {
        QApplication::beep();
        return;
    }
    wnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// The command Enter gives: the focused push button, else the default push button, else IDOK.
int EnterCommand(QWidget* dialog) {
    if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget()); focused && dialog->isAncestorOf(focused))
        if (const WindowState* state = WindowState::Of(focused)) return state->id;
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (const WindowState* state = WindowState::Of(button);
            state && (state->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && !state->dying)
            return state->id;
    return IDOK;
}

void ConnectTree(WindowState* state, QTreeWidget* tree) {
    QObject::connect(tree, &QTreeWidget::currentItemChanged, state,
                     [state](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                         NMTREEVIEW info;
                         info.action = state->quiet ? TVC_UNKNOWN
                                       : (QGuiApplication::mouseButtons() != Qt::NoButton ? TVC_BYMOUSE : TVC_BYKEYBOARD);
                         info.itemOld.hItem = reinterpret_cast<HTREEITEM>(previous);
                         info.itemOld.lParam = previous ? static_cast<LPARAM>(previous->data(0, kItemDataRole).toULongLong()) : 0;
                         info.itemNew.hItem = reinterpret_cast<HTREEITEM>(current);
                         info.itemNew.lParam = current ? static_cast<LPARAM>(current->data(0, kItemDataRole).toULongLong()) : 0;
                         info.itemOld.mask = info.itemNew.mask = TVIF_HANDLE | TVIF_PARAM;
                         state->NotifyParent(info.hdr, TVN_SELCHANGED);
                     });
}

// Tells a combo box's parent that its list drops down (CBN_DROPDOWN) as the list is shown,
// so that the parent can still size it: the list window takes the new size at once.
class DropDownNotice : public QObject {
public:
    explicit DropDownNotice(WindowState* state) : QObject(state), m_state(state) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || m_state->dying) return false;
        m_state->NotifyCommand(CBN_DROPDOWN);
        if (QLayout* layout = static_cast<QWidget*>(watched)->layout()) layout->activate();
        return false;
    }

private:
    WindowState* m_state;
};

// While the list of a combo box with an edit field is dropped, what the user types still goes
// into the edit field, as on the desktop; the list keeps the keys that move in it or close it.
// The list's highlight follows the typed text to the first entry that begins with it (in any
// case), so that Enter takes that entry; the text itself stays as typed.
class DroppedListTyping : public QObject {
public:
    explicit DroppedListTyping(QComboBox* combo) : QObject(combo), m_combo(combo) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        QLineEdit* edit = m_combo->lineEdit();
        const auto* key = static_cast<QKeyEvent*>(event);
        // A key held with Alt that types nothing is the list's (Alt+Up closes it).
        if (!edit || ((key->modifiers() & Qt::AltModifier) && !CharacterOfKey(*key))) return false;
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Escape:
        case Qt::Key_F4:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default: {
            const QString before = edit->text();
            QCoreApplication::sendEvent(edit, event);
            if (edit->text() != before) HighlightFirstBeginningWith(edit->text());
            return true;
        }
        }
    }

private:
    void HighlightFirstBeginningWith(const QString& text) {
        const int found = text.isEmpty() ? -1 : m_combo->findText(text, Qt::MatchStartsWith);
        if (found < 0) return;
        QAbstractItemView* list = m_combo->view();
        const QModelIndex entry = m_combo->model()->index(found, m_combo->modelColumn(), m_combo->rootModelIndex());
        list->setCurrentIndex(entry);
        list->scrollTo(entry);
    }

    QComboBox* m_combo;
};

void Connect(WindowState* state) {
    QWidget* w = state->widget;
    switch (state->kind) {
    case WindowKind::Edit:
        QObject::connect(static_cast<QLineEdit*>(w), &QLineEdit::textChanged, state, [state] { state->NotifyCommand(EN_CHANGE); });
        break;
    case WindowKind::MultiEdit:
        QObject::connect(static_cast<QPlainTextEdit*>(w), &QPlainTextEdit::textChanged, state,
                         [state] { state->NotifyCommand(EN_CHANGE); });
        break;
    case WindowKind::Button:
        QObject::connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, state,
                         [state] { state->NotifyCommand(BN_CLICKED); });
        break;
    case WindowKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(w);
        QObject::connect(combo, &QComboBox::activated, state, [state] { state->NotifyCommand(CBN_SELCHANGE); });
        combo->view()->window()->installEventFilter(new DropDownNotice(state));
        combo->view()->installEventFilter(new DroppedListTyping(combo));
        if (combo->lineEdit())
            QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, state, [state] { state->NotifyCommand(CBN_EDITCHANGE); });
        break;
    }
    case WindowKind::ListBox: {
        auto* list = static_cast<QListWidget*>(w);
        QObject::connect(list, &QListWidget::itemSelectionChanged, state, [state] {
            if (!state->quiet && (state->style & LBS_NOTIFY)) state->NotifyCommand(LBN_SELCHANGE);
        });
        QObject::connect(list, &QListWidget::itemDoubleClicked, state, [state] {
            if (state->style & LBS_NOTIFY) state->NotifyCommand(LBN_DBLCLK);
        });
        break;
    }
    case WindowKind::Tree: ConnectTree(state, static_cast<QTreeWidget*>(w)); break;
    default: break;
    }
}

Qt::Alignment StaticAlignment(DWORD style) {
    Qt::Alignment vertical = (style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: return Qt::AlignHCenter | vertical;
    case SS_RIGHT: return Qt::AlignRight | vertical;
    case SS_BITMAP:
    case SS_ICON: return (style & SS_CENTERIMAGE) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop;
    default: return Qt::AlignLeft | vertical;
    }
}

void ApplyStaticStyle(QLabel* label, DWORD style) {
    const DWORD type = style & SS_TYPEMASK;
    label->setAlignment(StaticAlignment(style));
    label->setWordWrap(type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT);
    int shape = QFrame::NoFrame;
    switch (type) {
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME: shape = QFrame::Box | QFrame::Plain; break;
    case SS_ETCHEDFRAME: shape = QFrame::Box | QFrame::Sunken; break;
    case SS_ETCHEDHORZ: shape = QFrame::HLine | QFrame::Sunken; break;
    case SS_ETCHEDVERT: shape = QFrame::VLine | QFrame::Sunken; break;
    default: break;
    }
    if (style & SS_SUNKEN) shape = QFrame::Panel | QFrame::Sunken;
    label->setFrameStyle(shape);
    if (type == SS_BLACKRECT || type == SS_GRAYRECT || type == SS_WHITERECT) {
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, type == SS_WHITERECT ? Qt::white : type == SS_GRAYRECT ? Qt::gray : Qt::black);
        label->setPalette(palette);
    }
}

const char* const kFieldHeightProperty = "quorin_field_height";

int ClosedComboHeight(const QWidget* combo) {
    const int asked = combo->property(kFieldHeightProperty).toInt();
    return asked > 0 ? asked : QFontMetrics(combo->font()).height() + 9;
}

}  // namespace

// ---- widgets --------------------------------------------------------------------------

void NotifyingLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    if (WindowState* state = WindowState::Of(this); state && (state->style & SS_NOTIFY)) state->NotifyCommand(STN_CLICKED);
}

void NotifyingLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (WindowState* state = WindowState::Of(this); state && (state->style & SS_NOTIFY)) state->NotifyCommand(STN_DBLCLK);
}

void NotifyingLabel::paintEvent(QPaintEvent* event) {
    if (!text().contains(u'\t') || !pixmap().isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setTabStopDistance(8 * fontMetrics().averageCharWidth());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(QRectF(contentsRect()), text(), option);
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        SendDialogCommand(this, EnterCommand(this));
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        SendDialogCommand(this, IDCANCEL);
        return;
    }
    QWidget::keyPressEvent(event);  // not QDialog's: Enter and Esc are routed above
}

void PushButtonWidget::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    bool inDialog = false;
    for (const QWidget* w = parentWidget(); w && !inDialog; w = w->parentWidget())
        inDialog = dynamic_cast<const DialogWidget*>(w) != nullptr;
    if (!plain || !enter || inDialog) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    click();  // may close the page and this button with it: nothing of it is touched after
}

void ComboBoxWidget::keyPressEvent(QKeyEvent* event) {
    if (!lineEdit() && event->key() == Qt::Key_Space) {
        // The same character, as a key that has no meaning of its own to the combo box.
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, event->modifiers(), event->text(), event->isAutoRepeat());
        QComboBox::keyPressEvent(&typed);
        event->setAccepted(typed.isAccepted());
        return;
    }
    QComboBox::keyPressEvent(event);
}

void DialogWidget::reject() { SendDialogCommand(this, IDCANCEL); }

QSize TreeItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (itemHeight > 0) size.setHeight(itemHeight);
    return size;
}

void SetButtonChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() == checked) return;
    QButtonGroup* group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive) group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(checked);  // the others of its group keep their state, as with the other system
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive) group->setExclusive(true);
}

namespace {

// Tab stops once at a radio group, as in the desktop's dialogs: at its checked button or,
// with none checked, at its first, so that a keyboard user can always reach it.
void UpdateRadioTabStops(const QButtonGroup* group) {
    const QList<QAbstractButton*> buttons = group->buttons();
    const auto checked = std::find_if(buttons.begin(), buttons.end(), [](const QAbstractButton* b) { return b->isChecked(); });
    const QAbstractButton* stop = checked != buttons.end() ? *checked : buttons.isEmpty() ? nullptr : buttons.front();
    for (QAbstractButton* button : buttons) button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

// A radio button walks its group with the arrow keys, as in the desktop's dialogs: on to the
// group's next or previous button, round its ends, choosing an automatic one.
class GroupRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
        if (!group() || !(back || key == Qt::Key_Right || key == Qt::Key_Down)) {
            QRadioButton::keyPressEvent(event);
            return;
        }
        const QList<QAbstractButton*> buttons = group()->buttons();
        const qsizetype count = buttons.size();
        const qsizetype at = buttons.indexOf(this);
        for (qsizetype step = 1; step < count; ++step) {
            QAbstractButton* next = buttons[((at + (back ? -step : step)) % count + count) % count];
            if (!next->isEnabled() || next->isHidden()) continue;
            next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            const WindowState* state = WindowState::Of(next);
            if (state && (state->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON && !next->isChecked()) next->click();
            break;
        }
        event->accept();
    }
};

}  // namespace

void GroupRadioButtons(QWidget* client) {
    QButtonGroup* group = nullptr;
    for (QObject* object : client->children()) {
        if (!object->isWidgetType()) continue;
        const WindowState* state = WindowState::Of(static_cast<QWidget*>(object));
        if (!state || state->widget != object || static_cast<QWidget*>(object)->isWindow()) continue;
        if (state->style & WS_GROUP) group = nullptr;
        auto* radio = qobject_cast<QRadioButton*>(static_cast<QWidget*>(object));
        if (!radio || radio->group()) continue;
        if (!group) {
            group = new QButtonGroup(client);
            group->setExclusive(true);
            QObject::connect(group, &QButtonGroup::buttonToggled, group, [group] { UpdateRadioTabStops(group); });
        }
        group->addButton(radio);
        UpdateRadioTabStops(group);
    }
}

// ---- creation -------------------------------------------------------------------------

QFont DialogFont(const char* face, int points) {
    // The other system's dialog faces become a metric stand-in that holds Cyrillic; pixel
    // sizes are those of the original screen (96 dots per inch), so dialog units match it.
    const std::string name = Lower(face ? face : "");
    const bool systemFace = name.empty() || name == "ms sans serif" || name == "ms shell dlg" ||
                            name == "ms shell dlg 2" || name == "microsoft sans serif" || name == "tahoma";
    QFont font(systemFace ? QString("Liberation Sans") : QString::fromUtf8(face));
    font.setPixelSize(std::max(1, (points * 96 + 36) / 72));
    return font;
}

QString LabelText(const CString& text) {
    const QString raw = ToQString(text);
    QString shown;
    shown.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'&') {
            if (i + 1 < raw.size() && raw[i + 1] == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += raw[i];
    }
    return shown;
}

void RegisterWindowClass(const std::string& className, WindowClassDefinition definition) {
    RegisteredClasses()[Lower(className)] = std::move(definition);
}

WindowState* CreateWindowWidget(const WindowParams& params, QWidget* parent) {
    const std::string lower = Lower(params.className);
    if (const WindowClassDefinition* registered = RegisteredClass(params.className); registered && registered->createWidget) {
        QWidget* client = nullptr;
        QWidget* widget = registered->createWidget(params, parent, &client);
        if (!widget) return nullptr;
        widget->hide();
        auto* state = new WindowState(widget, client, WindowKind::Other, params.className, params.style, params.exStyle, params.id);
        SetGeometryOf(*state, params.rect);
        ApplyStyle(*state);
        return state;
    }
    WindowKind kind = WindowKind::Custom;
    std::string className = params.className.empty() ? std::string("QuorinWnd") : params.className;
    for (const KnownClass& known : kClasses)
        if (lower == Lower(known.name)) {
            kind = known.kind;
            className = known.name;
        }
    const DWORD style = params.style;
    const bool topLevel = !(style & WS_CHILD) || !parent;

    QWidget* widget = nullptr;
    QWidget* client = nullptr;
    switch (kind) {
    case WindowKind::Edit:
        if (style & ES_MULTILINE) {
            auto* edit = new CheckedTextEdit(parent);
            client = edit->viewport();
            widget = edit;
            kind = WindowKind::MultiEdit;
        } else {
            widget = new CheckedLineEdit(parent);
        }
        break;
    case WindowKind::Static: {
        auto* label = new NotifyingLabel(parent);
        label->setTextFormat(Qt::PlainText);
        widget = label;
        break;
    }
    case WindowKind::Button: {
        const DWORD type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX) {
            widget = new QGroupBox(parent);
            kind = WindowKind::GroupBox;
        } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE) {
            widget = new QCheckBox(parent);
        } else if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
            auto* radio = new GroupRadioButton(parent);
            radio->setAutoExclusive(false);  // groups follow WS_GROUP (GroupRadioButtons)
            widget = radio;
        } else {
            auto* button = new PushButtonWidget(parent);
            button->setAutoDefault(false);
            widget = button;
        }
        break;
    }
    case WindowKind::ComboBox: {
        auto* combo = new ComboBoxWidget(parent);
        if ((style & 0x3) != CBS_DROPDOWNLIST) {
            combo->setEditable(true);
            combo->setLineEdit(new CheckedLineEdit(combo));
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
        }
        widget = combo;
        break;
    }
    case WindowKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        client = list->viewport();
        widget = list;
        break;
    }
    case WindowKind::Tree: {
        auto* tree = new QTreeWidget(parent);
        tree->setHeaderHidden(true);
        tree->setColumnCount(1);
        tree->setSelectionMode(QAbstractItemView::SingleSelection);
        tree->setItemDelegate(new TreeItemDelegate(tree));
        client = tree->viewport();
        widget = tree;
        break;
    }
    case WindowKind::DateTime: widget = new DateTimePickerWidget(style, parent); break;
    case WindowKind::Progress: {
        auto* bar = new QProgressBar(parent);
        bar->setTextVisible(false);
        bar->setRange(0, 100);
        bar->setValue(0);
        widget = bar;
        break;
    }
    case WindowKind::ToolTip: {
        auto* label = new QLabel;
        label->setTextFormat(Qt::PlainText);
        label->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
        label->setAttribute(Qt::WA_ShowWithoutActivating);
        widget = label;
        break;
    }
    case WindowKind::Dialog:
        if (topLevel)
            widget = new DialogWidget(parent);
        else
            widget = new QWidget(parent);
        break;
    default: {
        auto* area = new QAbstractScrollArea(parent);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->viewport()->setAutoFillBackground(true);
        client = area->viewport();
        widget = area;
        break;
    }
    }

    if (topLevel && kind != WindowKind::Dialog && kind != WindowKind::ToolTip) {
        if (parent) widget->setParent(parent, Qt::Window);
        // A popup without a title bar (a border alone is no title: WS_CAPTION holds the
        // WS_BORDER bit) is a tip: no frame from the window manager, never activated, no focus.
        if ((style & WS_POPUP) && (style & WS_CAPTION) != WS_CAPTION) {
            widget->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
            widget->setAttribute(Qt::WA_ShowWithoutActivating);
        }
    }
    widget->hide();
    auto* state = new WindowState(widget, client, kind, className, style, params.exStyle, params.id);
    if (topLevel && kind == WindowKind::Dialog)
        widget->resize(params.rect.size());
    else
        SetGeometryOf(*state, params.rect);
    {
        const QSignalBlocker blocker(widget);
        SetWindowTextOf(*state, params.text);
    }
    ApplyStyle(*state);
    Connect(state);
    return state;
}

namespace {

// A read-only edit is drawn on the dialog's face colour, as read-only edits look on the
// desktop; an editable one on the window colour. A disabled edit, read-only or not, is
// drawn on the face colour too, with grey text, so it never looks as if it took typing.
void ShowReadOnly(QWidget* edit, bool readOnly) {
    QPalette palette = edit->palette();
    const QPalette standard = QApplication::palette(edit);
    const QBrush face = standard.brush(QPalette::Active, QPalette::Window);
    const QBrush base = readOnly ? face : standard.brush(QPalette::Active, QPalette::Base);
    palette.setBrush(QPalette::Active, QPalette::Base, base);
    palette.setBrush(QPalette::Inactive, QPalette::Base, base);
    palette.setBrush(QPalette::Disabled, QPalette::Base, face);
    edit->setPalette(palette);
}

}  // namespace

void ApplyStyle(WindowState& state) {
    QWidget* w = state.widget;
    const DWORD style = state.style;
    const DWORD exStyle = state.exStyle;
    const bool border = (style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE);
    switch (state.kind) {
    case WindowKind::Edit: {
        auto* edit = static_cast<QLineEdit*>(w);
        edit->setReadOnly(style & ES_READONLY);
        ShowReadOnly(edit, style & ES_READONLY);
        edit->setEchoMode((style & ES_PASSWORD) ? QLineEdit::Password : QLineEdit::Normal);
        edit->setAlignment((style & ES_RIGHT) ? Qt::AlignRight : (style & ES_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft);
        edit->setFrame(border);
        break;
    }
    case WindowKind::MultiEdit: {
        auto* edit = static_cast<CheckedTextEdit*>(w);
        edit->setReadOnly(style & ES_READONLY);
        ShowReadOnly(edit, style & ES_READONLY);
        edit->wantReturn = style & ES_WANTRETURN;
        edit->setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        const bool wraps = !(style & (ES_AUTOHSCROLL | WS_HSCROLL));
        edit->setLineWrapMode(wraps ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        edit->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
        break;
    }
    case WindowKind::Static: ApplyStaticStyle(static_cast<QLabel*>(w), style); break;
    case WindowKind::ToolTip:
        static_cast<QLabel*>(w)->setFrameStyle((style & WS_BORDER) ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        break;
    case WindowKind::Button:
        if (auto* push = qobject_cast<QPushButton*>(w)) push->setDefault((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        break;
    case WindowKind::ListBox: {
        auto* list = static_cast<QAbstractItemView*>(w);
        list->setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        list->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
        break;
    }
    case WindowKind::Tree: {
        auto* tree = static_cast<QTreeWidget*>(w);
        tree->setRootIsDecorated((style & TVS_LINESATROOT) && (style & TVS_HASBUTTONS));
        tree->setItemsExpandable(true);
        tree->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
        break;
    }
    case WindowKind::Custom: {
        auto* area = static_cast<QAbstractScrollArea*>(w);
        if (exStyle & WS_EX_CLIENTEDGE)
            area->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        else if (style & WS_BORDER)
            area->setFrameStyle(QFrame::Box | QFrame::Plain);
        else
            area->setFrameStyle(QFrame::NoFrame);
        break;
    }
    default: break;
    }

    // Focus: tab stops take the keyboard focus by Tab, the rest only when clicked.
    switch (state.kind) {
    case WindowKind::Static:
    case WindowKind::GroupBox:
    case WindowKind::ToolTip:
    case WindowKind::Progress: w->setFocusPolicy(Qt::NoFocus); break;
    case WindowKind::Dialog:
    case WindowKind::Other: break;
    default:
        if (const auto* radio = qobject_cast<QRadioButton*>(w); radio && radio->group())
            UpdateRadioTabStops(radio->group());
        else
            w->setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        break;
    }

    const bool disabled = style & WS_DISABLED;
    if (disabled != w->testAttribute(Qt::WA_ForceDisabled)) w->setEnabled(!disabled);
    const bool visible = style & WS_VISIBLE;
    if (visible == w->isHidden()) w->setVisible(visible);
}

void SetWindowTextOf(WindowState& state, const CString& text) {
    QWidget* w = state.widget;
    state.text = text;
    switch (state.kind) {
    case WindowKind::Edit: static_cast<QLineEdit*>(w)->setText(ToQString(text)); break;
    case WindowKind::MultiEdit: {
        QString plain = ToQString(text);
        plain.replace("\r\n", "\n");
        auto* edit = static_cast<QPlainTextEdit*>(w);
        if (edit->toPlainText() != plain) edit->setPlainText(plain);
        break;
    }
    case WindowKind::Static:
        static_cast<QLabel*>(w)->setText((state.style & SS_NOPREFIX) ? ToQString(text) : LabelText(text));
        break;
    case WindowKind::Button: static_cast<QAbstractButton*>(w)->setText(ToQString(text)); break;
    case WindowKind::GroupBox: static_cast<QGroupBox*>(w)->setTitle(ToQString(text)); break;
    case WindowKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(w);
        if (combo->isEditable()) combo->setEditText(ToQString(text));
        break;
    }
    default:
        if (w->isWindow()) w->setWindowTitle(ToQString(text));
        break;
    }
}

CString GetWindowTextOf(const WindowState& state) {
    QWidget* w = state.widget;
    switch (state.kind) {
    case WindowKind::Edit: return FromQString(static_cast<QLineEdit*>(w)->text());
    case WindowKind::MultiEdit: {
        QString plain = static_cast<QPlainTextEdit*>(w)->toPlainText();
        plain.replace("\n", "\r\n");  // line breaks as the other system's edits give them
        return FromQString(plain);
    }
    case WindowKind::Button: return FromQString(static_cast<QAbstractButton*>(w)->text());
    case WindowKind::GroupBox: return FromQString(static_cast<QGroupBox*>(w)->title());
    case WindowKind::ComboBox: return FromQString(static_cast<QComboBox*>(w)->currentText());
    case WindowKind::DateTime: return FromQString(static_cast<DateTimePickerWidget*>(w)->edit->text());
    default: return w->isWindow() && state.kind != WindowKind::Static ? FromQString(w->windowTitle()) : state.text;
    }
}

void SetSelectionFieldHeight(QWidget* combo, int height) {
    combo->setProperty(kFieldHeightProperty, height);
    combo->resize(combo->width(), ClosedComboHeight(combo));
}

void SetGeometryOf(WindowState& state, const QRect& rect) {
    QWidget* w = state.widget;
    if (w->isWindow()) {
        const QRect frame = w->frameGeometry();
        const QRect inner = w->geometry();
        w->move(rect.topLeft());
        const QSize size(std::max(0, rect.width() - (frame.width() - inner.width())),
                         std::max(0, rect.height() - (frame.height() - inner.height())));
        // A window the user may not size (a dialog without a sizing frame) is still sized by
        // its own program, and stays fixed at the new size.
        if (w->minimumSize() == w->maximumSize())
            w->setFixedSize(size);
        else
            w->resize(size);
        return;
    }
    if (state.kind == WindowKind::ComboBox) {
        // The rectangle includes the drop-down list; the closed box keeps the font's height.
        // A box moved by its window rectangle (the closed box alone, as a page moving its
        // controls does) keeps the list it had.
        auto* combo = static_cast<QComboBox*>(w);
        const int closed = ClosedComboHeight(combo);
        if (rect.height() > closed || state.droppedHeight == 0) state.droppedHeight = rect.height();
        const int itemHeight = QFontMetrics(combo->font()).height() + 2;
        combo->setMaxVisibleItems(std::max(1, (state.droppedHeight - closed) / itemHeight));
        w->setGeometry(rect.x(), rect.y(), rect.width(), closed);
        return;
    }
    w->setGeometry(rect);
}

std::unique_ptr<CWnd> MakeTemporaryWrapper(const WindowState& state) {
    if (const WindowClassDefinition* registered = RegisteredClass(state.className); registered && registered->makeWrapper)
        return registered->makeWrapper();
    switch (state.kind) {
    case WindowKind::Edit:
    case WindowKind::MultiEdit: return std::make_unique<CEdit>();
    case WindowKind::Static: return std::make_unique<CStatic>();
    case WindowKind::Button:
    case WindowKind::GroupBox: return std::make_unique<CButton>();
    case WindowKind::ComboBox: return std::make_unique<CComboBox>();
    case WindowKind::ListBox: return std::make_unique<CListBox>();
    case WindowKind::Tree: return std::make_unique<CTreeCtrl>();
    case WindowKind::DateTime: return std::make_unique<CDateTimeCtrl>();
    case WindowKind::Progress: return std::make_unique<CProgressCtrl>();
    default: return std::make_unique<CWnd>();
    }
}
