#include "app/results_view.h"

#include <algorithm>

#include "draw/document.h"

#include <QAbstractItemView>
#include <QPainter>

namespace trimora {

void ResultsModel::SetLines(const ResultsList& results) {
    beginResetModel();
    tips_.clear();
    lines_.resize(static_cast<qsizetype>(results.Size()));
    for (std::size_t i = 0; i < results.Size(); ++i) {
        const std::string& s = results[i];
        lines_[static_cast<qsizetype>(i)] = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    }
    endResetModel();
}

void ResultsModel::SetLines(const QStringList& lines, const QStringList& tips) {
    beginResetModel();
    lines_ = lines;
    tips_ = tips.size() == lines.size() ? tips : QStringList();
    endResetModel();
}

void ResultsModel::AppendLines(const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    const int first = static_cast<int>(lines_.size());
    beginInsertRows({}, first, first + static_cast<int>(lines.size()) - 1);
    for (const std::string& s : lines) lines_.append(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
    endInsertRows();
}

void ResultsModel::AppendLines(const QStringList& lines, const QStringList& tips) {
    if (lines.empty()) return;
    const int first = static_cast<int>(lines_.size());
    beginInsertRows({}, first, first + static_cast<int>(lines.size()) - 1);
    lines_.append(lines);
    if (tips.size() == lines.size()) {
        tips_.resize(first);
        tips_.append(tips);
    }
    endInsertRows();
}

int ResultsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(lines_.size()); }

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size()) return {};
    if (role == Qt::ToolTipRole && index.row() < tips_.size() && !tips_[index.row()].isEmpty()) return tips_[index.row()];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return lines_[index.row()];
    return {};
}

QListView* MakeLinesView(ResultsModel* model, QWidget* parent) {
    auto* view = new QListView(parent);
    view->setModel(model);
    view->setFrameShape(QFrame::NoFrame);
    view->setItemDelegate(new TabStopDelegate(330, view));
    // Rows as high as their wrapped text, laid out again when the width changes; in batches, so
    // that a long list does not hold up the window.
    view->setWordWrap(true);
    view->setResizeMode(QListView::Adjust);
    view->setLayoutMode(QListView::Batched);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // On a white panel the scroll bars get a track and a handle that show on it.
    view->setStyleSheet(
        "QScrollBar:vertical { background: #F0F0F0; width: 14px; margin: 0; }"
        "QScrollBar::handle { background: #A0A0A0; border-radius: 4px; margin: 2px; }"
        "QScrollBar::handle:hover { background: #707070; }"
        "QScrollBar::handle:vertical { min-height: 24px; }"
        "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }");
    return view;
}

int TabStopDelegate::ValueX(const QFontMetrics& metrics, const QString& label) const {
    // A label longer than the tab stop pushes its value to the next stop, as tab stops do.
    const int labelWidth = metrics.horizontalAdvance(label);
    int valueX = tabStop_;
    while (valueX < labelWidth + 8) valueX += tabStop_;
    return valueX;
}

namespace {

constexpr int kMargin = 4;       // pixels left and right of a row's text
constexpr int kLeastValue = 160; // a value given less room beside its label goes under it
constexpr int kUnderIndent = 24; // a value under its label starts this far in
constexpr int kWrap = Qt::TextWordWrap;

// The room a row's text has: the view's width, less the margins.
int RoomOf(const QStyleOptionViewItem& option) {
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    const int width = view ? view->viewport()->width() : option.rect.width();
    return std::max(width - 2 * kMargin, 40);
}

// The height of `text` wrapped in `width`: one line for most rows, measured quickly.
int Lines(const QFontMetrics& metrics, int width, const QString& text) {
    if (metrics.horizontalAdvance(text) <= width) return metrics.height();
    return metrics.boundingRect(QRect(0, 0, width, 1 << 20), kWrap, text).height();
}

} // namespace

TabStopDelegate::Placed TabStopDelegate::Place(const QFontMetrics& metrics, int room, const QString& text) const {
    Placed placed;
    const qsizetype tab = text.indexOf('\t');
    const int line = metrics.height();
    if (tab < 0) {
        placed.label = QRect(0, 0, room, std::max(line, Lines(metrics, room, text)));
        placed.height = placed.label.height();
        return placed;
    }
    placed.labelText = text.left(tab);
    placed.valueText = text.mid(tab + 1);
    const int valueX = ValueX(metrics, placed.labelText);
    if (room - valueX >= kLeastValue) {
        // Beside the label at the tab stop, wrapped in the room that is left.
        placed.label = QRect(0, 0, valueX, std::max(line, Lines(metrics, valueX, placed.labelText)));
        const int width = room - valueX;
        placed.value = QRect(valueX, 0, width, std::max(line, Lines(metrics, width, placed.valueText)));
        placed.height = std::max(placed.label.height(), placed.value.height());
    } else {
        // A narrow list: the label on its line, the value under it.
        placed.label = QRect(0, 0, room, std::max(line, Lines(metrics, room, placed.labelText)));
        const int width = std::max(room - kUnderIndent, 20);
        placed.value = QRect(kUnderIndent, placed.label.height(), width,
                             std::max(line, Lines(metrics, width, placed.valueText)));
        placed.height = placed.label.height() + placed.value.height();
    }
    return placed;
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int room = RoomOf(option);
    const Placed placed = Place(option.fontMetrics, room, index.data(Qt::DisplayRole).toString());
    return {room + 2 * kMargin, placed.height + 2};
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    painter->save();
    painter->setPen(opt.state & QStyle::State_Selected ? opt.palette.highlightedText().color()
                                                        : opt.palette.text().color());
    // Placed as the size was measured, so that every row shows its whole text.
    const Placed placed = Place(opt.fontMetrics, RoomOf(option), text);
    const QPoint origin = opt.rect.topLeft() + QPoint(kMargin, 1);
    if (placed.valueText.isNull()) {
        painter->drawText(placed.label.translated(origin), kWrap | Qt::AlignLeft | Qt::AlignTop, text);
    } else {
        painter->drawText(placed.label.translated(origin), kWrap | Qt::AlignLeft | Qt::AlignTop, placed.labelText);
        painter->drawText(placed.value.translated(origin), kWrap | Qt::AlignLeft | Qt::AlignTop, placed.valueText);
    }
    painter->restore();
}

} // namespace trimora
