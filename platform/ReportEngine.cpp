#include "ReportEngine.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>

#include "DC.h"
#include "MessageBox.h"
#include "Printing.h"
#include "qt/DCImpl.h"
#include "qt/GdiAccess.h"

namespace {

CString& OutputFolder() {
    static CString folder;
    return folder;
}

// ---- reading ------------------------------------------------------------------------------

constexpr int kMaxIncludeDepth = 8;

QString FileError(const char* what, const QString& path) { return QString::fromUtf8(what) + "\n" + path; }

// The file's text with its includes put in; false with `error` naming the file at fault.
bool ReadReportText(const QString& path, int depth, QString& text, QString& error) {
    if (depth > kMaxIncludeDepth) {
        error = FileError("Файлът на справката включва твърде много нива от други файлове:", path);
        return false;
    }
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        error = FileError("Файлът на справката липсва или не може да бъде прочетен:", path);
        return false;
    }
    QStringDecoder decode(QStringDecoder::Utf8);
    text = decode(file.readAll());
    if (decode.hasError()) {
        error = FileError("Файлът на справката не е текст в кодировка UTF-8:", path);
        return false;
    }
    if (text.trimmed().isEmpty()) {
        error = FileError("Файлът на справката е празен:", path);
        return false;
    }
    static const QRegularExpression include(QStringLiteral("<!--\\s*INCLUDE\\s+(.+?)\\s*-->"));
    const QString folder = QFileInfo(path).absolutePath() + "/";
    QString expanded;
    qsizetype done = 0;
    for (auto it = include.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QString part;
        if (!ReadReportText(folder + match.captured(1), depth + 1, part, error)) return false;
        expanded += text.mid(done, match.capturedStart() - done) + part;
        done = match.capturedEnd();
    }
    text = expanded + text.mid(done);
    return true;
}

// ---- filling ------------------------------------------------------------------------------

// The fields by name; a later field of a name replaces the earlier one, whose value is kept
// aside when it differed and held something, so that it is still printed.
struct FieldTable {
    explicit FieldTable(const std::vector<ReportField>& fields) {
        for (const ReportField& field : fields) {
            const QString name = ToQString(field.name);
            const QString value = ToQString(field.value);
            auto found = values.find(name);
            if (found == values.end()) {
                order.push_back(name);
                values.emplace(name, value);
                continue;
            }
            if (!found->second.isEmpty() && found->second != value) replaced.emplace_back(name, found->second);
            found->second = value;
        }
    }

    std::map<QString, QString> values;
    std::vector<QString> order;  // first appearance
    std::vector<std::pair<QString, QString>> replaced;
};

// The value as typed: markup characters stay text, line breaks and runs of blanks are kept.
QString ValueHtml(const QString& value) {
    QString html;
    QChar previous;
    for (const QChar c : value) {
        if (c == QLatin1Char('\r')) continue;
        if (c == QLatin1Char('\n'))
            html += QLatin1String("<br/>");
        else if (c == QLatin1Char(' ') && previous == QLatin1Char(' '))
            html += QLatin1String("&nbsp;");
        else
            html += QString(c).toHtmlEscaped();
        previous = c;
    }
    return html;
}

// A name of letters, digits, "_" and "#", with single blanks between its words allowed
// ("PARAM_UNDERGROUND HABITAT"), then optionally the part of a packed value to show: "|" +
// separator + part number, once per level of packing ({PARAM_T|&3|_5}: part 3 at "&", of it
// part 5 at "_").
const QRegularExpression& Placeholder() {
    static const QRegularExpression placeholder(
        QStringLiteral("\\{([A-Za-z0-9_#]+(?: [A-Za-z0-9_#]+)*)((?:\\|[^|{}0-9A-Za-z\\s]\\d+)*)\\}"));
    return placeholder;
}

// The part of a packed value that the path names, blanks trimmed; empty when it has no such part.
QString PackedPart(const QString& value, const QString& path) {
    static const QRegularExpression step(QStringLiteral("\\|(.)(\\d+)"));
    QString part = value;
    for (auto it = step.globalMatch(path); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QStringList parts = part.split(match.captured(1));
        const qsizetype number = match.captured(2).toLongLong();
        if (number < 1 || number > parts.size()) return {};
        part = parts[number - 1];
    }
    return part.trimmed();
}

class Filler {
public:
    explicit Filler(const FieldTable& fields) : m_fields(fields) {}

    // One pass over the text, so that a value that looks like a placeholder stays as typed.
    QString Fill(const QString& text) { return ExpandRows(text); }

    // Fields that the report did not place but that hold something.
    QString OtherData() const {
        QString rows;
        auto addRow = [&rows](const QString& name, const QString& value) {
            QString label = name;
            if (label.startsWith(QLatin1String("PARAM_"))) label = label.mid(6);
            rows += QStringLiteral("<tr><td width=\"35%\">%1</td><td>%2</td></tr>\n").arg(label.toHtmlEscaped(), ValueHtml(value));
        };
        for (const QString& name : m_fields.order) {
            const QString& value = m_fields.values.at(name);
            if (!m_placed.contains(name) && !value.isEmpty()) addRow(name, value);
        }
        for (const auto& [name, value] : m_fields.replaced) addRow(name, value);
        if (rows.isEmpty()) return {};
        return QStringLiteral(
                   "<p class=\"section\"><b>Други данни</b></p>\n"
                   "<table class=\"grid\" width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">\n") +
               rows + QStringLiteral("</table>\n");
    }

private:
    // Each row block repeated for the rows 1 up to the highest row number that a field of
    // the block's names carries, and at least `min` times.
    QString ExpandRows(const QString& text) {
        static const QRegularExpression block(QStringLiteral("<!--\\s*ROWS(?:\\s+min=(\\d+))?\\s*-->(.*?)<!--\\s*/ROWS\\s*-->"),
                                              QRegularExpression::DotMatchesEverythingOption);
        QString out;
        qsizetype done = 0;
        for (auto it = block.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QString body = match.captured(2);
            const int rows = std::max(match.captured(1).toInt(), HighestRow(body));
            out += Substitute(text.mid(done, match.capturedStart() - done), 0);
            for (int row = 1; row <= rows; ++row) out += Substitute(body, row);
            done = match.capturedEnd();
        }
        return out + Substitute(text.mid(done), 0);
    }

    int HighestRow(const QString& body) const {
        int highest = 0;
        for (auto it = Placeholder().globalMatch(body); it.hasNext();) {
            const QString pattern = it.next().captured(1);
            const qsizetype mark = pattern.indexOf(QLatin1Char('#'));
            if (mark < 0 || pattern.size() == 1) continue;
            const QString prefix = pattern.left(mark);
            const QString suffix = pattern.mid(mark + 1);
            for (const auto& [name, value] : m_fields.values) {
                if (name.size() <= prefix.size() + suffix.size() || !name.startsWith(prefix) || !name.endsWith(suffix)) continue;
                const QString digits = name.mid(prefix.size(), name.size() - prefix.size() - suffix.size());
                bool number = digits.front() != QLatin1Char('0');
                for (QChar c : digits) number = number && c.isDigit() && c.unicode() < 128;
                if (number) highest = std::max(highest, digits.toInt());
            }
        }
        return highest;
    }

    // Row 0: outside any row block, where "#" has no meaning.
    QString Substitute(const QString& text, int row) {
        QString out;
        qsizetype done = 0;
        for (auto it = Placeholder().globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            QString name = match.captured(1);
            out += text.mid(done, match.capturedStart() - done);
            done = match.capturedEnd();
            if (name == QLatin1String("#")) {
                if (row > 0) out += QString::number(row);
                continue;
            }
            if (name.contains(QLatin1Char('#'))) {
                if (row == 0) continue;
                name.replace(QLatin1Char('#'), QString::number(row));
            }
            m_placed.insert(name);
            auto found = m_fields.values.find(name);
            if (found == m_fields.values.end()) continue;
            const QString path = match.captured(2);
            out += ValueHtml(path.isEmpty() ? found->second : PackedPart(found->second, path));
        }
        return out + text.mid(done);
    }

    const FieldTable& m_fields;
    QSet<QString> m_placed;
};

QString InsertBeforeBodyEnd(const QString& html, const QString& section) {
    if (section.isEmpty()) return html;
    const qsizetype end = html.lastIndexOf(QLatin1String("</body>"), -1, Qt::CaseInsensitive);
    if (end < 0) return html + section;
    return html.left(end) + section + html.mid(end);
}

bool FillReport(const QString& path, const std::vector<ReportField>& fields, QString& html, QString& error) {
    QString text;
    if (!ReadReportText(path, 0, text, error)) return false;
    const FieldTable table(fields);
    Filler filler(table);
    const QString filled = filler.Fill(text);
    html = InsertBeforeBodyEnd(filled, filler.OtherData());
    return true;
}

// ---- layout -------------------------------------------------------------------------------

// The report is laid out for an A4 sheet with these margins, whatever paper the printer has;
// a smaller printable area gets the page scaled down.
constexpr double kA4WidthMm = 210.0;
constexpr double kA4HeightMm = 297.0;
constexpr double kMarginMm = 12.0;

double MmToPixels(double mm, int dpi) { return mm * dpi / 25.4; }

// Where a page lies on a device: the whole sheet, the part the device prints, its resolution.
struct SheetArea {
    explicit SheetArea(const QPagedPaintDevice& device)
        : paper(device.pageLayout().fullRectPixels(device.logicalDpiX())),
          printable(device.pageLayout().paintRectPixels(device.logicalDpiX())),
          dpiX(device.logicalDpiX()),
          dpiY(device.logicalDpiY()) {}

    QRectF paper;
    QRectF printable;
    int dpiX;
    int dpiY;
};

// A line drawn at a page's edge belongs to one page only; the layout places lines on the edge
// itself, give or take its rounding, and this much keeps such a line from being drawn on
// the page before or after as well, invisible but still in a PDF's text.
constexpr double kPageEdgeTolerance = 1.0;

// Passes the drawing of one page on to the painter of the real device, less the text that
// lies outside the page. The layout draws the line just above a page with the rest of a
// paragraph that began on the page before; the clip hides it, but a PDF would keep its text.
class PageTextFilter : public QPaintDevice {
public:
    // `page`: the page's area in this device's coordinates, the same as the target's.
    PageTextFilter(QPainter& target, const QRectF& page) : m_engine(target, page), m_device(*target.device()) {}

    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth: return m_device.width();
        case PdmHeight: return m_device.height();
        case PdmWidthMM: return m_device.widthMM();
        case PdmHeightMM: return m_device.heightMM();
        case PdmNumColors: return m_device.colorCount();
        case PdmDepth: return m_device.depth();
        case PdmDpiX: return m_device.logicalDpiX();
        case PdmDpiY: return m_device.logicalDpiY();
        case PdmPhysicalDpiX: return m_device.physicalDpiX();
        case PdmPhysicalDpiY: return m_device.physicalDpiY();
        case PdmDevicePixelRatio: return static_cast<int>(m_device.devicePixelRatio());
        case PdmDevicePixelRatioScaled: return static_cast<int>(m_device.devicePixelRatio() * devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        Engine(QPainter& target, const QRectF& page) : QPaintEngine(AllFeatures), m_target(target), m_page(page) {}

        bool begin(QPaintDevice*) override {
            m_target.save();
            m_base = m_target.transform();
            return true;
        }
        bool end() override {
            m_target.restore();
            return true;
        }
        void updateState(const QPaintEngineState& state) override {
            const DirtyFlags flags = state.state();
            // A clip is given in the coordinates of the moment it is set.
            if (flags & (DirtyTransform | DirtyClipPath | DirtyClipRegion)) m_target.setTransform(state.transform() * m_base);
            if (flags & DirtyPen) m_target.setPen(state.pen());
            if (flags & DirtyBrush) m_target.setBrush(state.brush());
            if (flags & DirtyBrushOrigin) m_target.setBrushOrigin(state.brushOrigin());
            if (flags & DirtyFont) m_target.setFont(state.font());
            if (flags & DirtyBackground) m_target.setBackground(state.backgroundBrush());
            if (flags & DirtyBackgroundMode) m_target.setBackgroundMode(state.backgroundMode());
            if (flags & DirtyHints) m_target.setRenderHints(state.renderHints());
            if (flags & DirtyCompositionMode) m_target.setCompositionMode(state.compositionMode());
            if (flags & DirtyOpacity) m_target.setOpacity(state.opacity());
            if (flags & DirtyClipPath) m_target.setClipPath(state.clipPath(), state.clipOperation());
            if (flags & DirtyClipRegion) m_target.setClipRegion(state.clipRegion(), state.clipOperation());
            if (flags & DirtyClipEnabled) m_target.setClipping(state.isClipEnabled());
        }

        void drawTextItem(const QPointF& point, const QTextItem& item) override {
            const QRectF extent(point.x(), point.y() - item.ascent(), item.width(), item.ascent() + item.descent());
            const QRectF onDevice = painter()->combinedTransform().mapRect(extent);
            if (onDevice.bottom() <= m_page.top() + kPageEdgeTolerance || onDevice.top() >= m_page.bottom() - kPageEdgeTolerance) return;
            m_target.drawTextItem(point, item);
        }
        void drawRects(const QRectF* rects, int count) override { m_target.drawRects(rects, count); }
        void drawLines(const QLineF* lines, int count) override { m_target.drawLines(lines, count); }
        void drawEllipse(const QRectF& rect) override { m_target.drawEllipse(rect); }
        void drawPath(const QPainterPath& path) override { m_target.drawPath(path); }
        void drawPoints(const QPointF* points, int count) override { m_target.drawPoints(points, count); }
        void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
            if (mode == PolylineMode)
                m_target.drawPolyline(points, count);
            else
                m_target.drawPolygon(points, count, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        }
        void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override { m_target.drawPixmap(rect, pixmap, source); }
        void drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap, const QPointF& offset) override {
            m_target.drawTiledPixmap(rect, pixmap, offset);
        }
        void drawImage(const QRectF& rect, const QImage& image, const QRectF& source, Qt::ImageConversionFlags flags) override {
            m_target.drawImage(rect, image, source, flags);
        }
        Type type() const override { return User; }

    private:
        QPainter& m_target;
        QRectF m_page;
        QTransform m_base;
    };

    mutable Engine m_engine;
    const QPaintDevice& m_device;
};

class LaidOutReport {
public:
    explicit LaidOutReport(const QString& html) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(9.0);
        m_document.setDefaultFont(font);
        m_document.setDocumentMargin(0);
        m_document.setUndoRedoEnabled(false);
        m_document.setHtml(html);
    }

    // Lays the report out for the device's resolution; returns the page count.
    int LayOut(QPagedPaintDevice& device) {
        m_document.documentLayout()->setPaintDevice(&device);
        m_page = QSizeF(MmToPixels(kA4WidthMm - 2 * kMarginMm, device.logicalDpiX()),
                        MmToPixels(kA4HeightMm - 2 * kMarginMm, device.logicalDpiY()));
        m_document.setPageSize(m_page);
        KeepHeadingsWithTheirTables();
        return m_document.pageCount();
    }

    // Page `page` (from 0) on a painter whose origin is the sheet's printable area.
    void DrawPage(QPainter& painter, const SheetArea& sheet, int page) const {
        const double scale = std::min({1.0, sheet.printable.width() / m_page.width(), sheet.printable.height() / m_page.height()});
        auto offset = [scale](double wanted, double available, double used) {
            return std::clamp(wanted, 0.0, std::max(0.0, available - used * scale));
        };
        const double dx = offset(MmToPixels(kMarginMm, sheet.dpiX) - (sheet.printable.left() - sheet.paper.left()),
                                 sheet.printable.width(), m_page.width());
        const double dy = offset(MmToPixels(kMarginMm, sheet.dpiY) - (sheet.printable.top() - sheet.paper.top()),
                                 sheet.printable.height(), m_page.height());
        QTransform onSheet;
        onSheet.translate(dx, dy);
        onSheet.scale(scale, scale);
        const QRectF pageArea(0, page * m_page.height(), m_page.width(), m_page.height());
        onSheet.translate(0, -pageArea.top());
        PageTextFilter filter(painter, onSheet.mapRect(pageArea));
        QPainter filtered(&filter);
        filtered.setTransform(onSheet);
        filtered.setClipRect(pageArea);
        QAbstractTextDocumentLayout::PaintContext context;
        // The painter's clip hides what lies outside the page, but a PDF keeps the text of
        // everything drawn: the layout is asked to draw only the lines inside.
        context.clip = pageArea.adjusted(0, kPageEdgeTolerance, 0, -kPageEdgeTolerance);
        context.palette.setColor(QPalette::Text, Qt::black);
        m_document.documentLayout()->draw(&filtered, context);
    }

    QString PlainText() const { return m_document.toPlainText(); }

private:
    // A paragraph directly followed by a table is that table's heading: it is never left
    // alone at the foot of a page, but starts the next page when the table's first rows go
    // there, so that a reader finds the heading above the rows it names.
    void KeepHeadingsWithTheirTables() {
        // The breaks of an earlier layout go first, all in one new layout.
        for (const QTextBlock& heading : m_headingBreaks) SetPageBreakBefore(heading, false);
        if (!m_headingBreaks.empty()) LayOutAgain();
        m_headingBreaks.clear();
        for (const auto& [heading, table] : HeadingsAndTables()) {
            if (heading.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
            if (HeadingStaysWithRows(heading, *table)) continue;
            SetPageBreakBefore(heading, true);
            LayOutAgain();
            if (HeadingStaysWithRows(heading, *table)) {
                m_headingBreaks.push_back(heading);
            } else {  // heading and rows do not fit one page together: a new page would not help
                SetPageBreakBefore(heading, false);
                LayOutAgain();
            }
        }
    }

    std::vector<std::pair<QTextBlock, QTextTable*>> HeadingsAndTables() const {
        std::vector<std::pair<QTextBlock, QTextTable*>> pairs;
        QTextBlock previous;
        for (auto it = m_document.rootFrame()->begin(); !it.atEnd(); ++it) {
            auto* table = qobject_cast<QTextTable*>(it.currentFrame());
            if (table && previous.isValid() && !previous.text().trimmed().isEmpty()) pairs.emplace_back(previous, table);
            previous = it.currentBlock();
        }
        return pairs;
    }

    // The heading lies on the page of the table's head row and first row (or of its only row).
    bool HeadingStaysWithRows(const QTextBlock& heading, const QTextTable& table) const {
        constexpr int kRowsKeptWithHeading = 2;
        const int rows = std::min(kRowsKeptWithHeading, table.rows());
        if (rows < 1) return true;
        const QTextBlock lastRow = table.cellAt(rows - 1, 0).firstCursorPosition().block();
        return PageOf(LineTop(heading, 0)) == PageOf(LineTop(lastRow, 0));
    }

    // The caller lays the document out again, once for several changes.
    void SetPageBreakBefore(const QTextBlock& block, bool pageBreak) {
        QTextBlockFormat format = block.blockFormat();
        QTextFormat::PageBreakFlags policy = format.pageBreakPolicy();
        policy.setFlag(QTextFormat::PageBreak_AlwaysBefore, pageBreak);
        format.setPageBreakPolicy(policy);
        QTextCursor(block).setBlockFormat(format);
    }

    // The layout redoes only the part around a change, which leaves what follows where it was
    // (and out of the page count): the whole document is laid out again.
    void LayOutAgain() { m_document.markContentsDirty(0, m_document.characterCount()); }

    // Where the block's line lies in the document; the layout moves a line that does not fit
    // to the next page apart from the rest of its block.
    double LineTop(const QTextBlock& block, int line) const {
        const double top = m_document.documentLayout()->blockBoundingRect(block).top();
        const QTextLayout* layout = block.layout();
        return layout && line < layout->lineCount() ? top + layout->lineAt(line).y() : top;
    }

    int PageOf(double y) const { return static_cast<int>(std::floor((y + kPageEdgeTolerance) / m_page.height())); }

    QTextDocument m_document;
    QSizeF m_page;
    std::vector<QTextBlock> m_headingBreaks;  // the page breaks set to keep headings with tables
};

// A device that keeps the text drawn on it and where, as a PDF holds it: text outside the
// painter's clip included, since a PDF keeps that too: the page text of a print.
class DrawnTextDevice : public QPaintDevice {
public:
    DrawnTextDevice(const QSize& size, int dpi) : m_engine(*this), m_size(size), m_dpi(dpi) {}

    QPaintEngine* paintEngine() const override { return &m_engine; }

    // The lines drawn since the last call, top to bottom; runs of one line that are apart
    // (table cells) are separated by a tab.
    QString TakeLines() {
        std::sort(m_runs.begin(), m_runs.end(), [](const Run& a, const Run& b) {
            return std::tuple(std::lround(a.baseline), a.left) < std::tuple(std::lround(b.baseline), b.left);
        });
        QString text;
        const Run* previous = nullptr;
        for (const Run& run : m_runs) {
            if (previous && std::abs(run.baseline - previous->baseline) < 1.0)
                text += run.left - previous->right > 1.0 ? QStringLiteral("\t") : QString();
            else if (previous)
                text += QLatin1Char('\n');
            text += run.text;
            previous = &run;
        }
        m_runs.clear();
        return text.isEmpty() ? text : text + QLatin1Char('\n');
    }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth: return m_size.width();
        case PdmHeight: return m_size.height();
        case PdmWidthMM: return static_cast<int>(std::lround(m_size.width() * 25.4 / m_dpi));
        case PdmHeightMM: return static_cast<int>(std::lround(m_size.height() * 25.4 / m_dpi));
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return m_dpi;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }

private:
    struct Run {
        double baseline;
        double left;
        double right;
        QString text;
    };

    class Engine : public QPaintEngine {
    public:
        explicit Engine(DrawnTextDevice& device) : QPaintEngine(AllFeatures), m_device(device) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        // Only text is kept.
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF& point, const QTextItem& item) override {
            const QTransform transform = painter()->combinedTransform();
            const QPointF start = transform.map(point);
            const QPointF end = transform.map(point + QPointF(item.width(), 0));
            m_device.m_runs.push_back({start.y(), start.x(), end.x(), item.text()});
        }
        Type type() const override { return User; }

    private:
        DrawnTextDevice& m_device;
    };

    mutable Engine m_engine;
    QSize m_size;
    int m_dpi;
    std::vector<Run> m_runs;
};

bool WriteTextFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(text.toUtf8()) >= 0;
}

bool WriteReportFiles(LaidOutReport& report, const QString& reportPath, const CString& title) {
    const QString base = ToQString(OutputFolder()) + QFileInfo(reportPath).completeBaseName();
    QString pagesText;
    {
        QPdfWriter writer(base + ".pdf");
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(ToQString(title));
        QPainter painter;
        if (!painter.begin(&writer)) return false;
        const int pages = report.LayOut(writer);
        const SheetArea sheet(writer);
        DrawnTextDevice drawnText(sheet.paper.size().toSize(), sheet.dpiX);
        for (int page = 0; page < pages; ++page) {
            if (page > 0) writer.newPage();
            report.DrawPage(painter, sheet, page);
            QPainter textPainter(&drawnText);
            report.DrawPage(textPainter, sheet, page);
            textPainter.end();
            if (page > 0) pagesText += QLatin1Char('\f');
            pagesText += drawnText.TakeLines();
        }
        painter.end();
    }
    return WriteTextFile(base + ".txt", report.PlainText()) && WriteTextFile(base + ".pages", pagesText);
}

void ShowPreview(const std::shared_ptr<LaidOutReport>& report, const CString& title, const CString& fileName) {
    CPrintJob job;
    job.title = title;
    job.fileName = fileName;
    job.beginPrinting = [report](CDC* dc, CPrintInfo* info) {
        if (QPagedPaintDevice* device = ImplOf(dc)->printer) info->SetMaxPage(static_cast<UINT>(report->LayOut(*device)));
    };
    job.printPage = [report](CDC* dc, CPrintInfo* info) {
        CDC::Impl* impl = ImplOf(dc);
        if (impl->printer && impl->printerPainter)
            report->DrawPage(*impl->printerPainter, SheetArea(*impl->printer), static_cast<int>(info->m_nCurPage) - 1);
    };
    // The caller's wait cursor must not stay over the window the user now works in.
    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (gui) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    PrintPreview(nullptr, job);
    if (gui) QGuiApplication::restoreOverrideCursor();
}

}  // namespace

ReportField ParseReportField(const CString& parameterText) {
    const int first = parameterText.Find(';');
    if (first < 0) return {parameterText, CString()};
    const int last = parameterText.ReverseFind(';');
    if (last == first) return {parameterText.Left(first), parameterText.Mid(first + 1)};
    return {parameterText.Left(first), parameterText.Mid(first + 1, last - first - 1)};
}

BOOL FillReportFile(const CString& path, const std::vector<ReportField>& fields, CString& html, CString& error) {
    QString filled;
    QString message;
    if (!FillReport(ToQString(path), fields, filled, message)) {
        error = FromQString(message);
        return FALSE;
    }
    html = FromQString(filled);
    return TRUE;
}

BOOL PrintReportFile(const CString& path, const std::vector<ReportField>& fields, const CString& title,
                     const CString& fileName) {
    QString html;
    QString error;
    if (!FillReport(ToQString(path), fields, html, error)) {
        AfxMessageBox(FromQString(error), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    auto report = std::make_shared<LaidOutReport>(html);
    if (OutputFolder().IsEmpty()) {
        ShowPreview(report, title, fileName.IsEmpty() ? FromQString(QFileInfo(ToQString(path)).completeBaseName()) : fileName);
        return TRUE;
    }
    return WriteReportFiles(*report, ToQString(path), title) ? TRUE : FALSE;
}

void SetReportOutputFolder(const CString& folder) { OutputFolder() = folder; }
