// The results list: a model over the document's result lines and a view that shows label and
// value in two aligned columns. Fed once per repaint; no widget item per line.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>

#include <string>
#include <vector>

namespace trimora {

class ResultsList;

class ResultsModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    void SetLines(const ResultsList& results);
    void AppendLines(const std::vector<std::string>& lines);
    // `tips` (as many as `lines`, or none): what a row says when the mouse rests on it, where it is
    // more than the row itself.
    void AppendLines(const QStringList& lines, const QStringList& tips = {});
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QString Line(int row) const { return lines_.value(row); }
    QStringList Lines() const { return lines_; }

private:
    QStringList lines_;
    QStringList tips_; // per row; empty: the row itself
};

// Paints "label<TAB>value" with the value at a fixed tab stop.
class TabStopDelegate : public QStyledItemDelegate {
public:
    explicit TabStopDelegate(int tabStop, QObject* parent = nullptr) : QStyledItemDelegate(parent), tabStop_(tabStop) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // No wider than the label and a short piece of the value: a longer value is shortened to the
    // panel, not scrolled to.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // Where the value of `label` begins: the first tab stop past it.
    int ValueX(const QFontMetrics& metrics, const QString& label) const;
    int tabStop_;
};

} // namespace trimora
