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
    // `tips` as for AppendLines.
    void SetLines(const QStringList& lines, const QStringList& tips = {});
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

// Paints "label<TAB>value" with the value at a fixed tab stop. A row shows its whole text: a value
// wider than the room beside its label wraps there, and in a narrow list it goes under the label.
class TabStopDelegate : public QStyledItemDelegate {
public:
    explicit TabStopDelegate(int tabStop, QObject* parent = nullptr) : QStyledItemDelegate(parent), tabStop_(tabStop) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // As wide as the view and as high as the wrapped text (the view lays its rows out again when
    // its width changes).
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // A row's text placed in `room` pixels: label and value (a line without tab: the label only).
    struct Placed {
        QString labelText, valueText;
        QRect label, value;
        int height = 0;
    };
    Placed Place(const QFontMetrics& metrics, int room, const QString& text) const;
    // Where the value of `label` begins: the first tab stop past it.
    int ValueX(const QFontMetrics& metrics, const QString& label) const;
    int tabStop_;
};

// A list of result lines as the window shows them: label and value in their columns, each row
// with its whole text, no sideways scrolling.
QListView* MakeLinesView(ResultsModel* model, QWidget* parent);

} // namespace trimora
