// The main window's relations ("Zusammenhänge"): listed under the results with a bar over them (the
// title, the count, a point choice and a filter), a chosen line drawn over the picture, and a
// click in the picture on a marked point showing only the relations through it. Filtering and
// choosing a point only narrow the lines found once; nothing is searched again.
#include "app/main_window.h"

#include "app/drawing_area.h"
#include "app/results_view.h"
#include "app/window_support.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace trimora {

using namespace window;

QWidget* MainWindow::BuildRelationsBar(QWidget* parent) {
    relationsBar_ = new QWidget(parent);
    relationsBar_->setObjectName("relationsBar");
    auto* layout = new QVBoxLayout(relationsBar_);
    layout->setContentsMargins(6, 0, 6, 4);
    layout->setSpacing(3);

    auto* titleRow = new QHBoxLayout;
    relationsTitle_ = new QLabel(relationsBar_);
    relationsTitle_->setObjectName("relationsTitle");
    relationsTitle_->setStyleSheet("color: navy; font-weight: bold;");
    relationsCount_ = new QLabel(relationsBar_);
    relationsCount_->setObjectName("relationsCount");
    titleRow->addWidget(relationsTitle_, 1);
    titleRow->addWidget(relationsCount_);
    layout->addLayout(titleRow);

    auto* choiceRow = new QHBoxLayout;
    auto* pointLabel = new QLabel("Punkt:", relationsBar_);
    relationsPoint_ = new QComboBox(relationsBar_);
    relationsPoint_->setObjectName("relationsPoint");
    relationsPoint_->setToolTip("Nur die Zusammenhänge durch diesen Punkt (auch: Klick auf den Punkt im Bild)");
    relationsPoint_->setMaxVisibleItems(20);
    // Long names do not widen the bar; the open list shows them whole.
    relationsPoint_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    relationsPoint_->setMinimumContentsLength(18);
    pointLabel->setBuddy(relationsPoint_);
    relationsPoint_->installEventFilter(this);
    relationsPoint_->view()->installEventFilter(this); // Esc in the open list only closes the list
    connect(relationsPoint_, &QComboBox::currentIndexChanged, this,
            [this](int index) { ChooseRelationPoint(index - 1); });
    auto* filterLabel = new QLabel("Filter:", relationsBar_);
    relationsFilter_ = new QLineEdit(relationsBar_);
    relationsFilter_->setObjectName("relationsFilter");
    relationsFilter_->setPlaceholderText("Namen oder Art filtern …");
    relationsFilter_->setClearButtonEnabled(true);
    relationsFilter_->setToolTip("Es bleiben die Zusammenhänge, die jedes Wort enthalten");
    filterLabel->setBuddy(relationsFilter_);
    relationsFilter_->installEventFilter(this); // Esc clears the filter instead of closing the program
    connect(relationsFilter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        relations_.SetFilter(text);
        FillResultsList();
        ScrollToRelations();
    });
    choiceRow->addWidget(pointLabel);
    choiceRow->addWidget(relationsPoint_, 2);
    choiceRow->addSpacing(8);
    choiceRow->addWidget(filterLabel);
    choiceRow->addWidget(relationsFilter_, 3);
    layout->addLayout(choiceRow);

    RefillPointChoice();
    relationsBar_->hide();
    return relationsBar_;
}

void MainWindow::ListRelations() {
    relations_.Compute(session_.doc, drawing_->width(), drawing_->height());
    relations_.SetFilter(relationsFilter_->text());
    ForgetRelationChoices();
    Repaint();
    ScrollToRelations();
}

void MainWindow::ScrollToRelations() {
    const int heading = static_cast<int>(session_.doc.results.Size());
    if (relations_.Listed()) resultsView_->scrollTo(resultsModel_->index(heading), QAbstractItemView::PositionAtTop);
}

void MainWindow::FillResultsList() {
    resultsModel_->SetLines(session_.doc.results);
    if (relations_.Listed()) resultsModel_->AppendLines(relations_.ShownLines(), relations_.ShownToolTips());
    relationsBar_->setVisible(relations_.Listed());
    relationsTitle_->setText(relations_.Title());
    relationsCount_->setText(relations_.CountText());
    entryCounter_->setText(QString::number(resultsModel_->rowCount()) + " Einträge");
}

void MainWindow::ChooseResultLine(int row) {
    const int line = relations_.ShownLine(row - static_cast<int>(session_.doc.results.Size()));
    const auto highlight = relations_.Highlight(line);
    if (!highlight) return;
    drawing_->SetHighlight(highlight);
    chosenRelation_ = relations_.RelationOf(line);
    relationsStatus_ = resultsModel_->Line(row).replace('\t', ": ");
    statusPanel_->setText(relationsStatus_);
    ShowPicture();
}

void MainWindow::ChooseRelationPoint(int point) {
    relations_.ChoosePoint(point);
    point = relations_.ChosenPoint();
    {
        const QSignalBlocker quiet(relationsPoint_);
        relationsPoint_->setCurrentIndex(point + 1);
    }
    if (point >= 0) {
        const RealPoint p = relations_.Set().points[static_cast<std::size_t>(point)].p;
        drawing_->SetChosenPoint(QPointF(p.x, p.y));
    } else {
        drawing_->SetChosenPoint(std::nullopt);
    }
    // A relation drawn that no longer passes goes from the picture.
    if (chosenRelation_ >= 0 && relations_.ShownRow(relations_.LineOf(chosenRelation_)) < 0) {
        drawing_->SetHighlight(std::nullopt);
        chosenRelation_ = -1;
    }
    FillResultsList();
    ScrollToRelations();
    if (!relationsStatus_.isEmpty() && statusPanel_->text() == relationsStatus_) statusPanel_->clear();
    relationsStatus_.clear();
    if (point >= 0) {
        // Short, for the narrow status line: "Schwerpunkt S: 53 von 1712 Zusammenhängen".
        relationsStatus_ = relationsPoint_->currentText() + ": " + relations_.CountText();
        statusPanel_->setText(relationsStatus_);
    }
}

bool MainWindow::PickRelationPoint(QPointF at, bool emptyLetsGo) {
    if (!relations_.Listed() || session_.resultsMode) return false;
    const int point = relations_.PointAt(at, kRelationPointReach);
    if (point < 0 && (!emptyLetsGo || relations_.ChosenPoint() < 0)) return false;
    ChooseRelationPoint(point);
    return true;
}

void MainWindow::ForgetRelationChoices() {
    drawing_->SetHighlight(std::nullopt);
    drawing_->SetChosenPoint(std::nullopt);
    // The choice has ended: the status line no longer names it.
    if (!relationsStatus_.isEmpty() && statusPanel_->text() == relationsStatus_) statusPanel_->clear();
    relationsStatus_.clear();
    chosenRelation_ = -1;
    RefillPointChoice();
}

void MainWindow::RefillPointChoice() {
    const QSignalBlocker quiet(relationsPoint_);
    relationsPoint_->clear();
    relationsPoint_->addItem("alle Punkte");
    relationsPoint_->addItems(relations_.PointNames());
    for (int point = 0; point + 1 < relationsPoint_->count(); ++point)
        relationsPoint_->setItemData(point + 1, relations_.AllNamesOf(point), Qt::ToolTipRole);
    relationsPoint_->setCurrentIndex(relations_.ChosenPoint() + 1);
}

bool MainWindow::RelationsEscape(QObject* watched, QEvent* event) {
    if ((event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
        return false;
    // The open list of points closes itself on Esc; the window's shortcut "Beenden" would
    // otherwise take the key first.
    if (watched == relationsPoint_->view()) {
        if (event->type() == QEvent::ShortcutOverride) event->accept();
        return event->type() == QEvent::ShortcutOverride;
    }
    const bool pointChosen = relations_.ChosenPoint() >= 0;
    const bool inFilter = watched == relationsFilter_;
    // Esc in the filter and in the point choice belongs to them: it clears the filter, then lets go
    // of the point. In the list and the picture it lets go of a chosen point; otherwise it stays
    // "Beenden".
    if (!inFilter && watched != relationsPoint_ && !(pointChosen && (watched == drawing_ || watched == resultsView_)))
        return false;
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        if (inFilter && !relationsFilter_->text().isEmpty())
            relationsFilter_->clear();
        else if (pointChosen)
            ChooseRelationPoint(-1);
    }
    return true;
}

} // namespace trimora
