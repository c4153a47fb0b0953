// Text output and measurement of device contexts: DrawText's line breaking, prefixes,
// ellipses and alignment, TextOut, extents and metrics.
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

#include "DC.h"
#include "qt/DCImpl.h"
#include "qt/GdiAccess.h"

namespace {

// One line as shown: prefixes taken out, `mnemonic` the index of the underlined character.
struct TextLine {
    QString text;
    int width = 0;
    int mnemonic = -1;
};

// Measures and draws with tab stops every eight average characters when tabs are expanded.
class LineMetrics {
public:
    LineMetrics(const QFontMetrics& metrics, bool expandTabs)
        : m_metrics(metrics), m_expandTabs(expandTabs), m_tab(std::max(1, 8 * metrics.averageCharWidth())) {}

    int Width(const QString& text) const {
        if (!m_expandTabs || !text.contains('\t')) return m_metrics.horizontalAdvance(text);
        int x = 0;
        const QStringList parts = text.split('\t');
        for (int i = 0; i < parts.size(); ++i) {
            x += m_metrics.horizontalAdvance(parts[i]);
            if (i + 1 < parts.size()) x = (x / m_tab + 1) * m_tab;
        }
        return x;
    }

    // Draws the line with its left end at x and its baseline at y.
    void Draw(QPainter& painter, int x, int y, const QString& text) const {
        if (!m_expandTabs || !text.contains('\t')) {
            painter.drawText(QPoint(x, y), text);
            return;
        }
        int offset = 0;
        const QStringList parts = text.split('\t');
        for (int i = 0; i < parts.size(); ++i) {
            painter.drawText(QPoint(x + offset, y), parts[i]);
            offset += m_metrics.horizontalAdvance(parts[i]);
            if (i + 1 < parts.size()) offset = (offset / m_tab + 1) * m_tab;
        }
    }

private:
    const QFontMetrics& m_metrics;
    bool m_expandTabs;
    int m_tab;
};

// "&x" underlines x, "&&" is one "&", a lone "&" at the end goes.
QString TakePrefixes(const QString& text, int* mnemonic) {
    QString shown;
    shown.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            shown += text[i];
        } else if (i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && *mnemonic < 0) *mnemonic = static_cast<int>(shown.size());
            shown += text[i];
        }
    }
    return shown;
}

QString Elided(const QString& text, int available, const LineMetrics& metrics) {
    static const QString dots = QStringLiteral("...");
    if (metrics.Width(text) <= available) return text;
    int keep = static_cast<int>(text.size());
    while (keep > 0 && metrics.Width(text.left(keep) + dots) > available) --keep;
    if (keep > 0 && text[keep - 1].isHighSurrogate()) --keep;
    return text.left(keep) + dots;
}

// Breaks one paragraph at blanks so that each line fits `available`; a word longer than the
// line stays whole.
void WrapParagraph(const QString& paragraph, int mnemonic, int available, const LineMetrics& metrics,
                   std::vector<TextLine>& lines) {
    int start = 0;
    const int length = static_cast<int>(paragraph.size());
    if (length == 0) {
        lines.push_back({});
        return;
    }
    while (start < length) {
        int end = start;
        int fitted = -1;
        while (end < length) {
            int wordEnd = end;
            while (wordEnd < length && paragraph[wordEnd] == ' ') ++wordEnd;
            while (wordEnd < length && paragraph[wordEnd] != ' ') ++wordEnd;
            if (metrics.Width(paragraph.mid(start, wordEnd - start)) > available && fitted >= 0) break;
            fitted = wordEnd;
            end = wordEnd;
            if (metrics.Width(paragraph.mid(start, wordEnd - start)) > available) break;  // one long word
        }
        if (fitted < 0) fitted = length;
        TextLine line;
        line.text = paragraph.mid(start, fitted - start);
        while (line.text.endsWith(' ')) line.text.chop(1);
        if (mnemonic >= start && mnemonic < start + line.text.size()) line.mnemonic = mnemonic - start;
        lines.push_back(line);
        start = fitted;
        while (start < length && paragraph[start] == ' ') ++start;
    }
}

std::vector<TextLine> Layout(const QString& source, UINT format, int available, const LineMetrics& metrics) {
    std::vector<TextLine> lines;
    QStringList paragraphs;
    if (format & DT_SINGLELINE) {
        QString single = source;
        single.remove('\r');
        single.remove('\n');
        paragraphs << single;
    } else {
        QString text = source;
        text.replace("\r\n", "\n");
        text.replace('\r', '\n');
        paragraphs = text.split('\n');
    }
    for (const QString& raw : paragraphs) {
        int mnemonic = -1;
        const QString paragraph = (format & DT_NOPREFIX) ? raw : TakePrefixes(raw, &mnemonic);
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
            WrapParagraph(paragraph, mnemonic, available, metrics, lines);
        } else {
            lines.push_back({paragraph, 0, mnemonic});
        }
    }
    const bool ellipsis = format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS);
    for (TextLine& line : lines) {
        if (ellipsis && !(format & DT_CALCRECT)) {
            const QString cut = Elided(line.text, available, metrics);
            if (cut != line.text && line.mnemonic >= cut.size() - 3) line.mnemonic = -1;
            line.text = cut;
        }
        line.width = metrics.Width(line.text);
    }
    return lines;
}

}  // namespace

int CDC::DrawText(LPCTSTR text, int count, CRect* rect, UINT format) {
    if (!text) return 0;
    const CString value = count < 0 ? CString(text) : CString(text, static_cast<int>(strnlen(text, static_cast<size_t>(count))));
    return DrawText(value, rect, format);
}

int CDC::DrawText(const CString& text, CRect* rect, UINT format) {
    Impl& d = *m_impl;
    if (!rect || d.target == Impl::Target::None) return 0;
    const QFont font = d.Font();
    const QFontMetrics metrics = d.Metrics();
    const LineMetrics lineMetrics(metrics, format & DT_EXPANDTABS);
    const int lineHeight = metrics.height() + ((format & DT_EXTERNALLEADING) ? std::max(0, metrics.leading()) : 0);
    const std::vector<TextLine> lines = Layout(ToQString(text), format, rect->Width(), lineMetrics);
    const int textHeight = lineHeight * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& line : lines) widest = std::max(widest, line.width);
        rect->right = rect->left + widest;
        rect->bottom = rect->top + textHeight;
        return textHeight;
    }

    int top = rect->top;
    int result = textHeight;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) top = rect->top + (rect->Height() - lineHeight) / 2;
        else if (format & DT_BOTTOM) top = rect->bottom - lineHeight;
        if (format & (DT_VCENTER | DT_BOTTOM)) result = top - rect->top + lineHeight;
    }

    const QColor textColour = ToQColor(d.state.textColour);
    QPainter* painter = d.Begin(Mix::Copy);
    if (!painter) return result;
    painter->save();
    const QRect bounds(rect->left, rect->top, rect->Width(), rect->Height());
    if (!(format & DT_NOCLIP)) painter->setClipRect(bounds, Qt::IntersectClip);
    painter->setFont(font);
    QRect touched = (format & DT_NOCLIP) ? QRect() : bounds;
    for (size_t i = 0; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        int x = rect->left;
        if (format & DT_CENTER) x = rect->left + (rect->Width() - line.width) / 2;
        else if (format & DT_RIGHT) x = rect->right - line.width;
        const int y = top + static_cast<int>(i) * lineHeight;
        const QRect box(x, y, line.width, lineHeight);
        if (d.state.bkMode == OPAQUE) painter->fillRect(box, ToQColor(d.state.bkColour));
        painter->setPen(textColour);
        lineMetrics.Draw(*painter, x, y + metrics.ascent(), line.text);
        if (line.mnemonic >= 0 && !(format & DT_HIDEPREFIX)) {
            const int from = x + lineMetrics.Width(line.text.left(line.mnemonic));
            const int width = metrics.horizontalAdvance(line.text.mid(line.mnemonic, 1));
            const int underline = y + metrics.ascent() + std::max(1, metrics.underlinePos());
            painter->fillRect(QRect(from, underline, width, std::max(1, metrics.lineWidth())), textColour);
        }
        if (format & DT_NOCLIP) touched |= box;
    }
    painter->restore();
    d.Touched(QRectF(touched));
    return result;
}

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count) {
    if (!text) return FALSE;
    return TextOut(x, y, count < 0 ? CString(text) : CString(text, static_cast<int>(strnlen(text, static_cast<size_t>(count)))));
}

BOOL CDC::TextOut(int x, int y, const CString& text) {
    Impl& d = *m_impl;
    if (d.target == Impl::Target::None) return FALSE;
    const QString shown = ToQString(text);
    const QFontMetrics metrics = d.Metrics();
    const int width = metrics.horizontalAdvance(shown);
    const UINT align = d.state.textAlign;
    int left = 0;  // relative to (x, y) along the text's own direction
    if ((align & TA_CENTER) == TA_CENTER) left = -width / 2;
    else if (align & TA_RIGHT) left = -width;
    int baseline = metrics.ascent();
    if ((align & TA_BASELINE) == TA_BASELINE) baseline = 0;
    else if (align & TA_BOTTOM) baseline = -metrics.descent();

    QTransform place = QTransform::fromTranslate(x, y);
    const LONG escapement = d.FontData().logFont.lfEscapement;
    if (escapement != 0) place.rotate(-escapement / 10.0);  // counterclockwise on a y-down device
    const QRect box(left, baseline - metrics.ascent(), width, metrics.height());

    QPainter* painter = d.Begin(Mix::Copy);
    if (!painter) return TRUE;
    painter->save();
    painter->setTransform(place, true);
    if (d.state.bkMode == OPAQUE) painter->fillRect(box, ToQColor(d.state.bkColour));
    painter->setFont(d.Font());
    painter->setPen(ToQColor(d.state.textColour));
    painter->drawText(QPoint(left, baseline), shown);
    painter->restore();
    d.Touched(place.mapRect(QRectF(box)));
    return TRUE;
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const {
    if (!text) return CSize(0, m_impl->Metrics().height());
    return GetTextExtent(count < 0 ? CString(text) : CString(text, static_cast<int>(strnlen(text, static_cast<size_t>(count)))));
}

CSize CDC::GetTextExtent(const CString& text) const {
    const QFontMetrics metrics = m_impl->Metrics();
    return CSize(metrics.horizontalAdvance(ToQString(text)), metrics.height());
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* tm) const {
    if (!tm) return FALSE;
    const Impl& d = *m_impl;
    const QFont font = d.Font();
    const QFontMetrics metrics = d.Metrics();
    const LOGFONT logFont = d.FontData().logFont;
    *tm = TEXTMETRIC();
    tm->tmHeight = metrics.height();
    tm->tmAscent = metrics.ascent();
    tm->tmDescent = metrics.descent();
    tm->tmInternalLeading = std::max(0, metrics.height() - font.pixelSize());
    tm->tmExternalLeading = std::max(0, metrics.leading());
    tm->tmAveCharWidth = metrics.averageCharWidth();
    tm->tmMaxCharWidth = metrics.maxWidth();
    tm->tmWeight = font.weight();
    tm->tmOverhang = 0;  // outline fonts are emboldened and slanted without overhang
    const int dpi = GetDeviceCaps(LOGPIXELSY);
    tm->tmDigitizedAspectX = dpi;
    tm->tmDigitizedAspectY = dpi;
    tm->tmFirstChar = U' ';
    tm->tmLastChar = U'\x44F';
    tm->tmDefaultChar = U'?';
    tm->tmBreakChar = U' ';
    tm->tmItalic = font.italic() ? 1 : 0;
    tm->tmUnderlined = font.underline() ? 1 : 0;
    tm->tmStruckOut = font.strikeOut() ? 1 : 0;
    tm->tmPitchAndFamily = static_cast<BYTE>((QFontInfo(font).fixedPitch() ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR | TMPF_TRUETYPE |
                                             (logFont.lfPitchAndFamily & 0xF0));
    tm->tmCharSet = logFont.lfCharSet ? logFont.lfCharSet : RUSSIAN_CHARSET;
    return TRUE;
}
