// The main window's relations ("Zusammenhänge"): listed in a dock beside the picture with a bar
// over them (the title, the count, a point choice and a filter), a chosen line drawn over the
// picture, and a click in the picture on a marked point showing only the relations through it.
// Filtering and choosing a point only narrow the lines found; they are found again when the
// triangle, the view or the selection changes, and the chosen point and relation stay while they
// are still there.
#include "app/main_window.h"

#include "app/drawing_area.h"
#include "app/results_view.h"
#include "app/window_support.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace trimora {

using namespace window;

void MainWindow::BuildRelationsDock() {
    relationsDock_ = new QDockWidget("Zusammenhänge", this);
    relationsDock_->setObjectName("relationsDock");
    relationsDock_->setAllowedAreas(Qt::AllDockWidgetAreas);
    relationsDock_->installEventFilter(this); // closing the dock ends the relations
    auto* content = new QWidget(relationsDock_);
    content->setObjectName("relationsContent");
    content->setStyleSheet("#relationsContent { background: white; }");
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(BuildRelationsBar(content));
    relationsModel_ = new ResultsModel(this);
    relationsView_ = MakeLinesView(relationsModel_, content);
    relationsView_->setObjectName("relationsView");
    relationsView_->installEventFilter(this); // Esc lets go of the point whose relations are listed
    // A click or the arrow keys choose a relation; the keyboard stays in the list.
    connect(relationsView_, &QListView::clicked, this, [this](const QModelIndex& i) { ChooseRelationRow(i.row()); });
    connect(relationsView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                if (i.isValid()) ChooseRelationRow(i.row());
            });
    layout->addWidget(relationsView_, 1);
    relationsDock_->setWidget(content);
    addDockWidget(Qt::BottomDockWidgetArea, relationsDock_);
    relationsDock_->hide();
}

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
    });
    choiceRow->addWidget(pointLabel);
    choiceRow->addWidget(relationsPoint_, 2);
    choiceRow->addSpacing(8);
    choiceRow->addWidget(filterLabel);
    choiceRow->addWidget(relationsFilter_, 3);
    layout->addLayout(choiceRow);

    RefillPointChoice();
    return relationsBar_;
}

void MainWindow::ListRelations() {
    // The dock first: the relations are found for the picture in the size it leaves it.
    const bool opening = !relationsDock_->isVisible();
    relationsDock_->show();
    if (opening) resizeDocks({relationsDock_}, {std::max(160, height() / 4)}, Qt::Vertical);
    layout()->activate();
    FindRelations();
    relations_.SetFilter(relationsFilter_->text());
    ForgetRelationChoices();
    Repaint();
    relationsView_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::FindRelations() {
    QElapsedTimer clock;
    clock.start();
    relations_.Compute(session_.doc, drawing_->width(), drawing_->height());
    relationsCost_ = clock.elapsed();
    relationsStale_ = false;
}

void MainWindow::RefreshRelations() {
    // While a vertex or the picture is dragged, relations that take long to find wait for the end
    // of the drag; their highlight is hidden meanwhile.
    constexpr qint64 kQuickEnoughMs = 40;
    if ((dragging_ || panBefore_) && relationsCost_ > kQuickEnoughMs) {
        relationsStale_ = true;
        drawing_->SetHighlight(std::nullopt);
        return;
    }
    const int point = relations_.ChosenPoint();
    const QString pointName = point >= 0 ? relations_.PointNames().value(point) : QString();
    const RelationsList::Key chosen = relations_.KeyOf(chosenRelation_);
    FindRelations();
    relations_.ChoosePoint(pointName.isEmpty() ? -1 : static_cast<int>(relations_.PointNames().indexOf(pointName)));
    RefillPointChoice();
    ShowChosenPoint();
    // The chosen relation, looked up again by its places: drawn where it is now while it holds and
    // passes the filter, else it goes quietly.
    const int again = relations_.LineOf(relations_.Find(chosen));
    if (again >= 0 && relations_.ShownRow(again) >= 0) {
        chosenRelation_ = relations_.RelationOf(again);
        drawing_->SetHighlight(relations_.Highlight(again));
    } else if (chosenRelation_ >= 0) {
        chosenRelation_ = -1;
        drawing_->SetHighlight(std::nullopt);
        if (!relationsStatus_.isEmpty() && statusPanel_->text() == relationsStatus_) ShowStatus({});
        relationsStatus_.clear();
    }
}

void MainWindow::CloseRelations() {
    relations_.Clear();
    relationsStale_ = false;
    ForgetRelationChoices();
    FillResultsList();
}

void MainWindow::FillResultsList() {
    resultsModel_->SetLines(session_.doc.results);
    entryCounter_->setText(QString::number(resultsModel_->rowCount()) + " Einträge");
    if (!relations_.Listed()) {
        if (relationsModel_->rowCount() > 0) relationsModel_->SetLines(QStringList());
        return;
    }
    // The list is set anew only when its lines changed: the row the keyboard is on stays.
    if (relationsModel_->Lines() != relations_.ShownLines())
        relationsModel_->SetLines(relations_.ShownLines(), relations_.ShownToolTips());
    relationsTitle_->setText(relations_.Title());
    relationsCount_->setText(relations_.CountText());
    const int row = relations_.ShownRow(relations_.LineOf(chosenRelation_));
    if (row >= 0 && relationsView_->currentIndex().row() != row) {
        const QSignalBlocker quiet(relationsView_->selectionModel());
        relationsView_->setCurrentIndex(relationsModel_->index(row));
        relationsView_->scrollTo(relationsModel_->index(row));
    }
}

void MainWindow::ChooseRelationRow(int row) {
    const int line = relations_.ShownLine(row);
    if (line == RelationsList::kMoreRows) {
        relations_.ShowEveryRow();
        FillResultsList();
        return;
    }
    const auto highlight = relations_.Highlight(line);
    if (!highlight) return;
    drawing_->SetHighlight(highlight);
    chosenRelation_ = relations_.RelationOf(line);
    const QString text = relationsModel_->Line(row).replace('\t', ": ");
    // The picture beside the list; the keyboard stays where it was. The status line is fitted
    // once it is in sight.
    if (session_.resultsMode) ShowPicture();
    ShowStatus(text);
    relationsStatus_ = statusPanel_->text();
}

void MainWindow::ChooseRelationPoint(int point) {
    relations_.ChoosePoint(point);
    point = relations_.ChosenPoint();
    {
        const QSignalBlocker quiet(relationsPoint_);
        relationsPoint_->setCurrentIndex(point + 1);
    }
    ShowChosenPoint();
    // A relation drawn that no longer passes goes from the picture.
    if (chosenRelation_ >= 0 && relations_.ShownRow(relations_.LineOf(chosenRelation_)) < 0) {
        drawing_->SetHighlight(std::nullopt);
        chosenRelation_ = -1;
    }
    FillResultsList();
    if (!relationsStatus_.isEmpty() && statusPanel_->text() == relationsStatus_) ShowStatus({});
    relationsStatus_.clear();
    if (point >= 0) {
        // Short, for the narrow status line: "Schwerpunkt S: 53 von 1712 Zusammenhängen".
        ShowStatus(relationsPoint_->currentText() + ": " + relations_.CountText());
        relationsStatus_ = statusPanel_->text();
    }
}

void MainWindow::ShowChosenPoint() {
    const int point = relations_.ChosenPoint();
    if (point >= 0) {
        const RealPoint p = relations_.Set().points[static_cast<std::size_t>(point)].p;
        drawing_->SetChosenPoint(QPointF(p.x, p.y));
    } else {
        drawing_->SetChosenPoint(std::nullopt);
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
    if (!relationsStatus_.isEmpty() && statusPanel_->text() == relationsStatus_) ShowStatus({});
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
    if (!inFilter && watched != relationsPoint_ && !(pointChosen && (watched == drawing_ || watched == relationsView_)))
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
