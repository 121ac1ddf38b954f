#include "app/main_window.h"

#include "app/drawing_area.h"
#include "app/results_view.h"
#include "app/window_support.h"
#include "draw/point_table.h"
#include "base/field.h"
#include "base/format.h"
#include "base/resource.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>
#include <QUndoStack>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

// The tool-button pictures live in a static library: their resource is registered by hand.
static void RegisterIcons() { Q_INIT_RESOURCE(icons); }

namespace trimora {

using namespace window;

MainWindow::MainWindow(QWidget* parent, Memory memory) : QMainWindow(parent), memory_(memory) {
    RegisterIcons();
    setWindowTitle("Trimora");
    setWindowIcon(Icon("trimora"));
    setAcceptDrops(true);

    // The presets list and the catalogue; a damaged resource is a fault of the build.
    topicLines_ = LoadResourceLines("WTRIMORA");
    InitSession(session_, 821, 660);

    dragFrame_ = new QTimer(this);
    dragFrame_->setSingleShot(true);
    connect(dragFrame_, &QTimer::timeout, this, [this] {
        lastDragPaint_ = QDateTime::currentMSecsSinceEpoch();
        Repaint();
    });
    timer_ = new QTimer(this);
    timer_->setInterval(10);
    connect(timer_, &QTimer::timeout, this, &MainWindow::OnTimer);

    undo_ = new QUndoStack(this);
    undo_->setUndoLimit(1000);
    BuildMenus();
    BuildToolBar();
    connect(Action("pictureSave"), &QAction::triggered, this, &MainWindow::SavePictureAs);
    connect(Action("pictureCopy"), &QAction::triggered, this, &MainWindow::CopyPicture);
    connect(Action("picturePrint"), &QAction::triggered, this, [this] { PrintPicture(false); });
    connect(Action("picturePreview"), &QAction::triggered, this, [this] { MakePrintPreview(false)->exec(); });
    connect(Action("resultsPreview"), &QAction::triggered, this, [this] { MakePrintPreview(true)->exec(); });
    connect(Action("vectorCopy"), &QAction::triggered, this, &MainWindow::CopyVector);
    connect(Action("vectorPrint"), &QAction::triggered, this, [this] { PrintPicture(true); });
    connect(Action("resultsSave"), &QAction::triggered, this, &MainWindow::SaveResultsAs);
    connect(Action("resultsCopy"), &QAction::triggered, this, &MainWindow::CopyResults);
    connect(Action("resultsPrint"), &QAction::triggered, this, [this] { PrintResultsDialog(false); });
    connect(Action("resultsPrint2"), &QAction::triggered, this, [this] { PrintResultsDialog(true); });

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setStyleSheet("#client { background: white; }"); // not inherited by the grey selection panel
    auto* clientLayout = new QHBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    splitter_ = new QSplitter(Qt::Horizontal, client);
    splitter_->setHandleWidth(1);
    splitter_->setStyleSheet("QSplitter::handle { background: #0000FF; }");
    splitter_->setChildrenCollapsible(false);

    auto* left = new QWidget(splitter_);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    drawing_ = new DrawingArea(left);
    leftLayout->addWidget(drawing_);
    resultsPanel_ = BuildResultsPanel();
    resultsPanel_->setParent(left);
    leftLayout->addWidget(resultsPanel_);
    resultsPanel_->hide();

    // The selection panel scrolls where the screen is lower than it: on a small screen or at a
    // large display scale the window still fits.
    auto* selectionScroll = new QScrollArea(splitter_);
    selectionScroll->setObjectName("selectionScroll");
    selectionScroll->setWidget(BuildSelectionPanel());
    selectionScroll->setWidgetResizable(true);
    selectionScroll->setFrameShape(QFrame::NoFrame);
    selectionScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    selectionScroll->setMinimumWidth(1);
    selectionPanel_ = selectionScroll;
    splitter_->addWidget(left);
    splitter_->addWidget(selectionPanel_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    splitter_->setSizes({821, kPanelWidth});
    connect(splitter_, &QSplitter::splitterMoved, this, [this] {
        if (selectionPanel_->width() > 1) panelWidth_ = selectionPanel_->width();
        session_.doc.view.panelWidth = panelWidth_;
        // In picture mode the drawing area's resize applies the fields; the hidden one in
        // results mode keeps its size, so the command applies them itself.
        if (session_.resultsMode) ApplyCoordinates();
    });
    clientLayout->addWidget(splitter_);
    setCentralWidget(client);

    BuildRelationsDock();
    WireDrawingArea();
    SyncFieldsFromSession();
    SyncTabListsFromSession();
    SyncChecks();
    UpdateMinimumSize();
    resize(1032, 688 + menuBar()->sizeHint().height());
    RestoreSession(); // the window's place and size now, the rest once it is shown
}

// The undo stack is one of the window's children and goes after the window's own members: its
// last signals must not reach the menu's handlers, which read those members.
MainWindow::~MainWindow() {
    if (undo_) undo_->disconnect(this);
}

QAction* MainWindow::Action(const char* name) const { return findChild<QAction*>(name); }

QToolButton* MainWindow::ToolButtonFor(const char* action) const {
    QAction* button = findChild<QAction*>(QString("tool:") + action);
    return button ? qobject_cast<QToolButton*>(toolBar_->widgetForAction(button)) : nullptr;
}

// ---------------------------------------------------------------- state <-> widgets

void MainWindow::SyncFieldsFromSession() {
    for (std::size_t n = 0; n < fields_.size(); ++n) {
        const QString text = Q(session_.doc.fields[n]);
        if (fields_[n]->text() != text) {
            fields_[n]->setText(text);
            ShowFieldStart(fields_[n]);
        }
    }
}

void MainWindow::SyncSessionFromFields() {
    for (std::size_t n = 0; n < fields_.size(); ++n) session_.doc.fields[n] = S(fields_[n]->text());
}

void MainWindow::SyncChecks() {
    const ViewSettings& v = session_.doc.view;
    Action("axes")->setChecked(v.showAxes);
    Action("grid")->setChecked(v.showGrid);
    Action("mmgrid")->setChecked(v.showMmGrid);
    Action("trilinear")->setChecked(v.showTrilinear);
    Action("etcNumbers")->setChecked(v.showEtc);
    Action("animation")->setChecked(session_.animation.buttonDown);
    animationButton_->setChecked(session_.animation.buttonDown);
    if (!session_.animation.running && timer_->isActive()) timer_->stop();
}

void MainWindow::MarkFieldErrors() {
    for (QLineEdit* field : fields_) {
        // The narrow field shows only part of a longer formula: the tooltip shows all of it.
        const FormulaResult r = ReadField(S(field->text()));
        if (r.error == kFormulaOk) {
            field->setStyleSheet("");
            field->setToolTip(field->text());
        } else {
            field->setStyleSheet("QLineEdit { border: 1px solid red; }");
            const QString reason = QString::fromUtf8(FieldErrorText(r.error)) + " Der Wert zählt als 0.";
            field->setToolTip(field->text().isEmpty() ? reason : field->text() + "\n" + reason);
        }
    }
}

void MainWindow::ShowFieldStart(QLineEdit* field) {
    // A formula longer than the field shows its beginning, not its last characters.
    field->setCursorPosition(0);
}

// ---------------------------------------------------------------- the repaint

void MainWindow::Repaint() {
    SyncChecks();
    ForgetStaleLoci();
    // The listed relations follow the triangle, the view and the selection.
    if (relations_.Listed() && (relationsStale_ || relations_.Stale(session_.doc, drawing_->width(), drawing_->height())))
        RefreshRelations();
    zoomPanel_->setText("Streckungsfaktor " + Q(FormatReal(session_.doc.view.stretchFactor, 3)));
    // In results mode the picture is still painted (the families fill the results), but hidden.
    drawing_->Render(session_.doc, session_.resultsMode);
    FillResultsList();
    UpdateTitle();
    ShowKeyVertex();
    // The results are those of the typed triangle; the status line says when the picture cannot
    // show it, and forgets it when it can again.
    if (TriangleBeyondDrawing(session_.doc.points))
        ShowStatus(kBeyondDrawing);
    else if (statusPanel_->text().contains(kBeyondDrawing))
        ShowStatus({});
}

// ---------------------------------------------------------------- commands

void MainWindow::ApplyCoordinates() {
    Step("Koordinaten übernehmen", [this] {
        SyncSessionFromFields();
        ApplyTypedCoordinates(session_);
    });
    Repaint();
}

void MainWindow::ShowPicture() {
    SyncSessionFromFields();
    EnterPictureMode(session_);
    for (QAction* a : pictureTools_) a->setVisible(true);
    for (QAction* a : resultsTools_) a->setVisible(false);
    pictureMenu_->menuAction()->setVisible(true);
    resultsMenu_->menuAction()->setVisible(false);
    // The keyboard stays with the list's successor, not with the next field (its text selected).
    const bool listFocused = resultsPanel_->isAncestorOf(QApplication::focusWidget());
    resultsPanel_->hide();
    drawing_->show();
    if (listFocused) drawing_->setFocus(Qt::OtherFocusReason);
    Repaint();
}

void MainWindow::ShowResults() {
    SyncSessionFromFields();
    EnterResultsMode(session_);
    for (QAction* a : pictureTools_) a->setVisible(false);
    for (QAction* a : resultsTools_) a->setVisible(true);
    pictureMenu_->menuAction()->setVisible(false);
    resultsMenu_->menuAction()->setVisible(true);
    const bool drawingFocused = drawing_->hasFocus();
    drawing_->hide();
    resultsPanel_->show();
    if (drawingFocused) resultsView_->setFocus(Qt::OtherFocusReason);
    Repaint();
}

void MainWindow::ChooseTopic(const QString& caption) {
    bool found = false;
    Step(QString("Thema „%1“").arg(caption), [&] {
        SyncSessionFromFields();
        found = ApplyTopic(session_, S(caption), topicLines_);
    });
    if (!found) return;
    sheetTitle_ = caption;
    timer_->stop();
    SyncFieldsFromSession();
    SyncTabListsFromSession();
    Repaint();
}

void MainWindow::ToggleSelectionPanel() {
    const bool open = selectionPanel_->width() > 1;
    QList<int> sizes = splitter_->sizes();
    const int total = sizes[0] + sizes[1];
    if (open) {
        panelWidth_ = selectionPanel_->width();
        splitter_->setSizes({total - 1, 1});
        panelButton_->setIcon(Icon("panel_show"));
    } else {
        splitter_->setSizes({total - panelWidth_, panelWidth_});
        panelButton_->setIcon(Icon("panel_hide"));
    }
    Action("panel")->setChecked(!open);
    if (session_.resultsMode) ApplyCoordinates(); // in picture mode the resize of the drawing area does it
}

void MainWindow::BulkSelect() {
    Step(session_.selectAll ? "Alle Elemente ausschalten" : "Alle Elemente einschalten",
         [this] { BulkSelection(session_); });
    SyncTabListsFromSession();
    Repaint();
}

void MainWindow::ClearSelect() {
    Step("Auswahl löschen", [this] { ClearSelection(session_); });
    SyncTabListsFromSession();
    Repaint();
}

void MainWindow::ShowEverythingCommand() {
    Step("Alles zeigen", [this] {
        SyncSessionFromFields();
        ShowEverything(session_);
    });
    Repaint();
}

void MainWindow::Exit() {
    if (session_.animation.running) {
        StopAnimation(true);
        return;
    }
    close();
}

// ---------------------------------------------------------------- window events

void MainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (activated_) return;
    activated_ = true;
    UpdateMinimumSize(); // now that the style sheets have given the tools their sizes
    // The standard drawing area is 821 x 660 pixels, whatever the style's bars and frames take,
    // as far as the screen has room for it with the window's frame.
    const QSize missing = QSize(821, 660) - drawing_->size();
    if (!missing.isNull() && !geometryRestored_) {
        QSize wanted = size() + missing;
        if (const QScreen* shownOn = screen()) {
            // The frame is known only once the window manager has framed the window: until
            // then room for a title bar and borders is kept.
            const QSize frame = (frameGeometry().size() - geometry().size()).expandedTo(QSize(8, 36));
            wanted = wanted.boundedTo(shownOn->availableGeometry().size() - frame).expandedTo(minimumSizeHint());
        }
        resize(wanted);
        layout()->activate();
    }
    // Activation: the vertices at their start pixels, the fields written around the centre of the
    // drawing area as it is now.
    session_.width = std::max(1, drawing_->width());
    session_.height = std::max(1, drawing_->height());
    session_.doc.points.screen[kSlotA] = {290, 190};
    session_.doc.points.screen[kSlotB] = {220, 420};
    session_.doc.points.screen[kSlotC] = {560, 420};
    WriteFieldsFromVertices(session_.doc, session_.width / 2, session_.height / 2);
    SyncFieldsFromSession();
    pages_->setCurrentIndex(0);
    RestoreSession();
    Repaint();
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (!activated_) return;
    // Every change of the window's size resets the view.
    SyncSessionFromFields();
    session_.width = std::max(1, drawing_->width());
    session_.height = std::max(1, drawing_->height());
    BasicSetting(session_);
    Repaint();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    StopAnimation(true);
    StoreSession();
    e->accept();
}

} // namespace trimora
