#include "app/results_view.h"

#include <algorithm>

#include "draw/document.h"

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

int TabStopDelegate::ValueX(const QFontMetrics& metrics, const QString& label) const {
    // A label longer than the tab stop pushes its value to the next stop, as tab stops do.
    const int labelWidth = metrics.horizontalAdvance(label);
    int valueX = tabStop_;
    while (valueX < labelWidth + 8) valueX += tabStop_;
    return valueX;
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    constexpr int kShortValue = 120; // pixels of a value that show before the list scrolls sideways
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    const qsizetype tab = text.indexOf('\t');
    if (tab >= 0) size.setWidth(std::min(size.width(), 8 + ValueX(option.fontMetrics, text.left(tab)) + kShortValue));
    return size;
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
    const QRect r = opt.rect.adjusted(4, 0, -4, 0);
    const qsizetype tab = text.indexOf('\t');
    if (tab < 0) {
        painter->drawText(r, Qt::AlignVCenter | Qt::AlignLeft, text);
    } else {
        const QString label = text.left(tab), value = text.mid(tab + 1);
        const int valueX = ValueX(opt.fontMetrics, label);
        painter->drawText(QRect(r.left(), r.top(), valueX, r.height()), Qt::AlignVCenter | Qt::AlignLeft, label);
        // A value wider than the panel (the points of a long relation) is shortened in the middle;
        // the tooltip holds the whole line.
        const int valueWidth = r.width() - valueX;
        painter->drawText(QRect(r.left() + valueX, r.top(), valueWidth, r.height()), Qt::AlignVCenter | Qt::AlignLeft,
                          opt.fontMetrics.elidedText(value, Qt::ElideMiddle, std::max(valueWidth, 0)));
    }
    painter->restore();
}

} // namespace trimora
