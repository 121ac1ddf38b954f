#include "app/main_window.h"

#include "app/drawing_area.h"
#include "app/picture_export.h"
#include "app/results_view.h"
#include "draw/point_table.h"
#include "base/catalogue.h"
#include "base/codepage.h"
#include "base/etc_numbers.h"
#include "base/field.h"
#include "base/format.h"
#include "base/presets.h"
#include "base/resource.h"
#include "output/savefile.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <optional>

// The tool-button pictures live in a static library: their resource is registered by hand.
static void RegisterIcons() { Q_INIT_RESOURCE(icons); }

namespace trimora {
namespace {

constexpr int kPanelWidth = 210;
constexpr int kShiftStep = 50;
const QColor kNavy(0x00, 0x00, 0x80);

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }
// A file name as the file system spells it: bytes in the local encoding, not UTF-8.
std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }
// The hint of a triangle the picture cannot show, beside whatever the status line says.
QString WithBeyondHint(const Document& doc, const QString& text) {
    if (!TriangleBeyondDrawing(doc.points)) return text;
    return text.isEmpty() ? QString(kBeyondDrawing) : text + "   " + kBeyondDrawing;
}

QIcon Icon(const char* name) { return QIcon(QString(":/icons/%1.svg").arg(name)); }

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
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

    BuildMenus();
    BuildToolBar();
    connect(Action("pictureSave"), &QAction::triggered, this, &MainWindow::SavePictureAs);
    connect(Action("pictureCopy"), &QAction::triggered, this, &MainWindow::CopyPicture);
    connect(Action("picturePrint"), &QAction::triggered, this, [this] { PrintPicture(false); });
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

    selectionPanel_ = BuildSelectionPanel();
    selectionPanel_->setParent(splitter_);
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

    WireDrawingArea();
    SyncFieldsFromSession();
    SyncTabListsFromSession();
    SyncChecks();
    UpdateMinimumSize();
    resize(1032, 688 + menuBar()->sizeHint().height());
}

QAction* MainWindow::Action(const char* name) const { return findChild<QAction*>(name); }

QToolButton* MainWindow::ToolButtonFor(const char* action) const {
    QAction* button = findChild<QAction*>(QString("tool:") + action);
    return button ? qobject_cast<QToolButton*>(toolBar_->widgetForAction(button)) : nullptr;
}

// ---------------------------------------------------------------- menus and tool bar

void MainWindow::BuildMenus() {
    auto add = [this](QMenu* menu, const QString& text, const char* name, auto slot) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    QMenu* file = menuBar()->addMenu("&Datei");
    add(file, "Daten laden", "load", [this] { OpenDataFile(); });
    add(file, "Daten speichern", "save", [this] { SaveDataFileAs(); });
    QAction* panel = add(file, "Auswahlliste", "panel", [this] { ToggleSelectionPanel(); });
    panel->setCheckable(true);
    panel->setChecked(true);
    file->addSeparator();
    QAction* exit = add(file, "Beenden", "exit", [this] { Exit(); });
    exit->setShortcut(Qt::Key_Escape);
    auto* bulk = new QAction(this); // "aa": never visible, only its shortcut
    bulk->setObjectName("bulk");
    bulk->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F12));
    connect(bulk, &QAction::triggered, this, &MainWindow::BulkSelect);
    addAction(bulk);

    pictureMenu_ = menuBar()->addMenu("&Abbildung");
    pictureMenu_->setObjectName("pictureMenu");
    for (const char* name : {"pictureSave", "pictureCopy", "picturePrint", "vectorCopy", "vectorPrint"}) {
        static const QMap<QString, QString> captions{{"pictureSave", "Speichern"},
                                                     {"pictureCopy", "Kopieren"},
                                                     {"picturePrint", "Drucken"},
                                                     {"vectorCopy", "Vektorgrafik kopieren"},
                                                     {"vectorPrint", "Vektorgrafik drucken"}};
        QAction* a = pictureMenu_->addAction(captions.value(name));
        a->setObjectName(name);
    }
    pictureMenu_->addSeparator();
    // Each applies the typed coordinates: what stands in the fields is read first.
    add(pictureMenu_, "Grundeinstellung", "basic", [this] { SyncSessionFromFields(); BasicSetting(session_); Repaint(); });
    add(pictureMenu_, "Intervall vergrößern", "stretchUp", [this] { SyncSessionFromFields(); StretchUp(session_); Repaint(); });
    add(pictureMenu_, "Intervall verkleinern", "stretchDown", [this] { SyncSessionFromFields(); StretchDown(session_); Repaint(); });
    pictureMenu_->addSeparator();
    QAction* anim = add(pictureMenu_, "Animation", "animation", [this] { ToggleAnimation(); });
    anim->setShortcut(Qt::Key_F2);
    anim->setCheckable(true);
    addAction(anim); // F2 also while the menu "Abbildung" is hidden (results mode)
    auto addToggle = [&](const QString& text, const char* name, auto slot) {
        QAction* a = add(pictureMenu_, text, name, slot);
        a->setCheckable(true);
        return a;
    };
    addToggle("Koordinatenachsen", "axes", [this] { SyncSessionFromFields(); ToggleAxes(session_); SyncChecks(); Repaint(); });
    addToggle("Gitter", "grid", [this] { SyncSessionFromFields(); ToggleGrid(session_); SyncChecks(); Repaint(); });
    addToggle("Millimetergitter", "mmgrid", [this] { SyncSessionFromFields(); ToggleMmGrid(session_); SyncChecks(); Repaint(); });
    addToggle("trilineare Koordinaten", "trilinear", [this] { ToggleTrilinear(session_); SyncChecks(); Repaint(); });

    resultsMenu_ = menuBar()->addMenu("&Ergebnisse");
    resultsMenu_->setObjectName("resultsMenu");
    for (const char* name : {"resultsSave", "resultsCopy", "resultsPrint", "resultsPrint2"}) {
        static const QMap<QString, QString> captions{{"resultsSave", "Speichern"},
                                                     {"resultsCopy", "Kopieren"},
                                                     {"resultsPrint", "Drucken"},
                                                     {"resultsPrint2", "zweispaltig Drucken"}};
        QAction* a = resultsMenu_->addAction(captions.value(name));
        a->setObjectName(name);
    }
    resultsMenu_->addSeparator();
    add(resultsMenu_, "trilineare Koordinaten", "trilinearResults", [this] { ToggleTrilinear(session_); SyncChecks(); Repaint(); });
    add(resultsMenu_, "Zusammenhänge", "relations", [this] { ListRelations(); });
    resultsMenu_->menuAction()->setVisible(false);

    // "Ansicht": what the result lines show besides the values.
    QMenu* view = menuBar()->addMenu("A&nsicht");
    view->setObjectName("viewMenu");
    QAction* etc = add(view, "ETC-Nummern", "etcNumbers", [this] {
        ToggleEtcNumbers(session_);
        SyncChecks();
        Repaint();
    });
    etc->setCheckable(true);
    etc->setToolTip("Hinter den Ergebniszeilen der Dreieckszentren ihre Nummer X(n) "
                    "in der Encyclopedia of Triangle Centers");

    // "Themen": the topics in menu columns, with separators between the groups of initials.
    QMenu* topics = menuBar()->addMenu("&Themen");
    topics->setObjectName("topicsMenu");
    auto* columns = new QWidget(topics);
    auto* columnsLayout = new QHBoxLayout(columns);
    columnsLayout->setContentsMargins(2, 2, 2, 2);
    columnsLayout->setSpacing(6);
    QVBoxLayout* column = nullptr;
    for (const PresetMenuItem& item : PresetMenu()) {
        if (!column || item.newColumn) {
            column = new QVBoxLayout;
            column->setSpacing(0);
            columnsLayout->addLayout(column);
        }
        if (item.separatorBefore) {
            auto* line = new QFrame(columns);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            column->addWidget(line);
        }
        const QString title = Q(std::string(item.title));
        auto* button = new QPushButton(title, columns);
        button->setObjectName("topic:" + title);
        button->setFlat(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setStyleSheet("QPushButton { text-align: left; padding: 3px 14px; border: none; }"
                              "QPushButton:hover, QPushButton:focus { background: palette(highlight);"
                              " color: palette(highlighted-text); }");
        connect(button, &QPushButton::clicked, this, [this, title, topics] {
            topics->close();
            ChooseTopic(title);
        });
        column->addWidget(button);
    }
    for (int c = 0; c < columnsLayout->count(); ++c)
        if (auto* l = qobject_cast<QVBoxLayout*>(columnsLayout->itemAt(c)->layout())) l->addStretch();
    auto* columnsAction = new QWidgetAction(topics);
    columnsAction->setDefaultWidget(columns);
    topics->addAction(columnsAction);
}

void MainWindow::BuildToolBar() {
    QToolBar* bar = addToolBar("Werkzeuge");
    toolBar_ = bar;
    bar->setObjectName("toolbar");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setStyleSheet("QToolBar { background: #F0F0F0; border: none; spacing: 1px; }");

    auto tool = [&](const char* icon, const QString& hint, QAction* shared = nullptr) {
        QAction* button = new QAction(Icon(icon), hint, this);
        button->setToolTip(hint);
        if (shared) {
            button->setObjectName(QString("tool:") + shared->objectName());
            // A switch shows its state like the menu's check mark, and follows it.
            if (shared->isCheckable()) {
                button->setCheckable(true);
                button->setChecked(shared->isChecked());
                connect(shared, &QAction::toggled, button, &QAction::setChecked);
            }
            connect(button, &QAction::triggered, shared, &QAction::trigger);
            connect(shared, &QAction::enabledChanged, button, &QAction::setEnabled);
            button->setEnabled(shared->isEnabled());
        }
        bar->addAction(button);
        return button;
    };

    tool("load", "Daten laden", Action("load"));
    tool("save", "Daten speichern", Action("save"));
    bar->addSeparator();
    pictureTools_ = {tool("print", "Abbildung drucken", Action("picturePrint")),
                     tool("print_vector", "Vektorgrafik drucken", Action("vectorPrint")),
                     bar->addSeparator(),
                     tool("copy", "Abbildung kopieren", Action("pictureCopy")),
                     tool("copy_vector", "Vektorgrafik in Zwischenablage kopieren", Action("vectorCopy")),
                     tool("save_picture", "Abbildung speichern", Action("pictureSave")),
                     bar->addSeparator(),
                     tool("mmgrid", "Millimeternetz ein- und ausschalten", Action("mmgrid")),
                     tool("grid", "Gitternetz ein- und ausschalten", Action("grid")),
                     tool("axes", "Koordinatensystem ein- und ausschalten", Action("axes")),
                     tool("zoom_in", "Intervall vergrößern", Action("stretchUp")),
                     tool("zoom_reset", "Grundeinstellung", Action("basic")),
                     tool("zoom_out", "Intervall verkleinern", Action("stretchDown"))};

    zoomPanel_ = new QLabel(this);
    zoomPanel_->setFixedWidth(130);
    zoomPanel_->setStyleSheet("color: black; font-family: Verdana; font-size: 11px; padding-left: 4px;");
    pictureTools_.push_back(bar->addWidget(zoomPanel_));
    const struct {
        const char* icon;
        int dx, dy;
    } shifts[4] = {{"arrow_left", -kShiftStep, 0}, {"arrow_right", kShiftStep, 0}, {"arrow_down", 0, kShiftStep},
                   {"arrow_up", 0, -kShiftStep}};
    for (const auto& s : shifts) {
        QAction* a = new QAction(Icon(s.icon), "", this);
        connect(a, &QAction::triggered, this, [this, s] {
            SyncSessionFromFields();
            Shift(session_, s.dx, s.dy);
            Repaint();
        });
        bar->addAction(a);
        pictureTools_.push_back(a);
    }
    statusPanel_ = new QLabel(this);
    statusPanel_->setMinimumWidth(120);
    statusPanel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    statusPanel_->setStyleSheet("color: black; font-family: Verdana; font-size: 11px;");
    pictureTools_.push_back(bar->addWidget(statusPanel_));

    // The results commands share the pictures of the picture commands ("Speichern", "Drucken",
    // "Kopieren"); "Daten speichern" beside them keeps its own.
    resultsTools_ = {tool("save_picture", "Berechnungsergebnisse speichern", Action("resultsSave")),
                     tool("print", "Berechnungsergebnisse drucken", Action("resultsPrint")),
                     tool("print_vector", "zwei Seiten auf ein Blatt drucken", Action("resultsPrint2")),
                     tool("copy", "Berechnungsergebnisse kopieren", Action("resultsCopy"))};

    // In results mode the status panel is hidden: a spacer keeps "Objektauswahl" on the right.
    auto* spacer = new QWidget(this);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    resultsTools_.push_back(bar->addWidget(spacer));
    panelButton_ = new QToolButton(this);
    panelButton_->setText("Objektauswahl");
    panelButton_->setIcon(Icon("panel_hide"));
    panelButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    panelButton_->setAutoRaise(true);
    panelButton_->setFixedSize(112, 24);
    panelButton_->setStyleSheet("font-family: Verdana; font-size: 11px;");
    connect(panelButton_, &QToolButton::clicked, this, &MainWindow::ToggleSelectionPanel);
    bar->addWidget(panelButton_);
    for (QAction* a : resultsTools_) a->setVisible(false);
}

QWidget* MainWindow::BuildResultsPanel() {
    auto* panel = new QWidget;
    panel->setStyleSheet("background: white;");
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* header = new QWidget(panel);
    header->setFixedHeight(26);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(0, 0, 100, 0);
    auto* caption = new QLabel("  Berechnungsergebnisse", header);
    caption->setStyleSheet("color: navy; font-weight: bold;");
    entryCounter_ = new QLabel("-", header);
    entryCounter_->setObjectName("entryCounter");
    headerLayout->addWidget(caption);
    headerLayout->addStretch();
    headerLayout->addWidget(entryCounter_);
    layout->addWidget(header);
    layout->addSpacing(8);
    resultsModel_ = new ResultsModel(this);
    resultsView_ = new QListView(panel);
    resultsView_->setModel(resultsModel_);
    resultsView_->setUniformItemSizes(true);
    resultsView_->setFrameShape(QFrame::NoFrame);
    resultsView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    resultsView_->setItemDelegate(new TabStopDelegate(330, resultsView_));
    connect(resultsView_, &QListView::clicked, this, [this](const QModelIndex& i) { ChooseResultLine(i.row()); });
    resultsView_->setStyleSheet("QListView::item { height: 16px; }");
    layout->addWidget(resultsView_);
    return panel;
}

QWidget* MainWindow::BuildSelectionPanel() {
    auto* panel = new QWidget;
    panel->setObjectName("selectionPanel");
    panel->setStyleSheet("#selectionPanel { background: #F0F0F0; }");
    panel->setMinimumWidth(1);
    auto* outer = new QVBoxLayout(panel);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(3); // room for the four page tabs beside the lists at the standard size

    // Vertex fields.
    auto* title = new QLabel("Dreieckskoordinaten ", panel);
    title->setStyleSheet("color: navy;");
    outer->addWidget(title);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    const char* names[3] = {"A (", "B (", "C ("};
    for (int v = 0; v < 3; ++v) {
        auto* label = new QLabel(names[v], panel);
        label->setStyleSheet("color: navy;");
        grid->addWidget(label, v, 0);
        for (int c = 0; c < 2; ++c) {
            auto* field = new QLineEdit(panel);
            field->setFixedWidth(60);
            field->setObjectName(QString("E%1").arg(2 * v + c + 1));
            fields_[static_cast<std::size_t>(2 * v + c)] = field;
            connect(field, &QLineEdit::textChanged, this, [this] { MarkFieldErrors(); });
            connect(field, &QLineEdit::returnPressed, this, [this] { ApplyCoordinates(); });
            connect(field, &QLineEdit::editingFinished, this, [this, field] { ShowFieldStart(field); });
            grid->addWidget(field, v, 1 + 2 * c);
        }
        auto* semi = new QLabel(";", panel);
        semi->setStyleSheet("color: navy;");
        grid->addWidget(semi, v, 2);
        auto* close = new QLabel(")", panel);
        close->setStyleSheet("color: navy;");
        grid->addWidget(close, v, 4);
    }
    outer->addLayout(grid);

    auto* modes = new QHBoxLayout;
    auto* picture = new QPushButton("Darstellung", panel);
    auto* results = new QPushButton("Berechnung", panel);
    picture->setObjectName("D3");
    results->setObjectName("D2");
    connect(picture, &QPushButton::clicked, this, &MainWindow::ShowPicture);
    connect(results, &QPushButton::clicked, this, &MainWindow::ShowResults);
    modes->addWidget(picture);
    modes->addWidget(results);
    outer->addLayout(modes);

    // Animation controls.
    auto* vertexBox = new QGroupBox("Simulationspunkt", panel);
    auto* vertexLayout = new QHBoxLayout(vertexBox);
    auto* vertexGroup = new QButtonGroup(this);
    for (int v = 0; v < 3; ++v) {
        vertexRadios_[static_cast<std::size_t>(v)] = new QRadioButton(QString(QChar('A' + v)), vertexBox);
        vertexGroup->addButton(vertexRadios_[static_cast<std::size_t>(v)], v);
        vertexLayout->addWidget(vertexRadios_[static_cast<std::size_t>(v)]);
    }
    vertexRadios_[0]->setChecked(true);
    connect(vertexGroup, &QButtonGroup::idClicked, this, [this](int id) { session_.animation.vertex = id; });
    outer->addWidget(vertexBox);

    auto* directionBox = new QGroupBox("Richtung", panel);
    auto* directionLayout = new QVBoxLayout(directionBox);
    directionLayout->setSpacing(0);
    auto* directionGroup = new QButtonGroup(this);
    const char* directions[3] = {"waagerecht", "senkrecht", "um Ursprung"};
    for (int d = 0; d < 3; ++d) {
        directionRadios_[static_cast<std::size_t>(d)] = new QRadioButton(directions[d], directionBox);
        directionGroup->addButton(directionRadios_[static_cast<std::size_t>(d)], d);
        directionLayout->addWidget(directionRadios_[static_cast<std::size_t>(d)]);
    }
    directionRadios_[0]->setChecked(true);
    connect(directionGroup, &QButtonGroup::idClicked, this,
            [this](int id) { session_.animation.direction = static_cast<AnimationDirection>(id); });

    auto* animationRow = new QHBoxLayout;
    animationRow->addWidget(directionBox);
    auto* speedColumn = new QVBoxLayout;
    animationButton_ = new QToolButton(panel);
    animationButton_->setIcon(Icon("animation"));
    animationButton_->setIconSize(QSize(24, 24));
    animationButton_->setCheckable(true);
    animationButton_->setToolTip("Start und Stopp der Simulation");
    connect(animationButton_, &QToolButton::clicked, this, [this] {
        // The button's own toggle is undone: the animation state decides its look.
        animationButton_->setChecked(session_.animation.buttonDown);
        ToggleAnimation();
    });
    speedColumn->addWidget(animationButton_);
    speedColumn->addStretch(); // the label right above its field
    speedColumn->addWidget(new QLabel("Geschw.", panel));
    speed_ = new QSpinBox(panel);
    speed_->setRange(1, 80);
    speed_->setValue(70);
    speed_->setToolTip("Simulationsgeschwindigkeit");
    // Only the arrows change the speed.
    if (auto* edit = speed_->findChild<QLineEdit*>()) edit->setReadOnly(true);
    connect(speed_, &QSpinBox::valueChanged, this, [this](int v) {
        SetAnimationSpeed(session_, v);
        timer_->setInterval(session_.animation.intervalMs);
    });
    speedColumn->addWidget(speed_);
    animationRow->addLayout(speedColumn);
    outer->addLayout(animationRow);

    auto* clearRow = new QHBoxLayout;
    auto* clear = new QToolButton(panel);
    clear->setObjectName("clearSelection");
    clear->setIcon(Icon("clear"));
    clear->setAutoRaise(true);
    clear->setToolTip("Auswahl löschen");
    connect(clear, &QToolButton::clicked, this, &MainWindow::ClearSelect);
    clearRow->addWidget(clear);
    clearRow->addWidget(new QLabel("Darstellung von ...", panel));
    clearRow->addStretch();
    outer->addLayout(clearRow);

    // Search field and the four element lists.
    search_ = new QLineEdit(panel);
    search_->setPlaceholderText("Elemente suchen …");
    search_->setClearButtonEnabled(true);
    connect(search_, &QLineEdit::textChanged, this, &MainWindow::FilterLists);
    search_->installEventFilter(this); // Esc clears the search instead of closing the program
    outer->addWidget(search_);

    pages_ = new QTabWidget(panel);
    pages_->setTabPosition(QTabWidget::East);
    pages_->setDocumentMode(true);
    // The four page names in the lists' small font, so that all of them fit beside the lists.
    QFont tabFont("Verdana");
    tabFont.setPixelSize(11);
    pages_->tabBar()->setFont(tabFont);
    const auto& names2 = CatalogueNames();
    for (int t = 0; t < kTabCount; ++t) {
        const TabList& list = TabLists()[static_cast<std::size_t>(t)];
        auto* widget = new QListWidget(pages_);
        widget->setObjectName(Q(std::string(list.name)));
        widget->setStyleSheet("QListWidget { background: #F0F0F0; border: none; font-family: Verdana; font-size: 11px; }");
        widget->setUniformItemSizes(true);
        // Many names differ only at their end ("…-Lotpunkte", "…-Lotdreieck"): cut in the middle.
        widget->setTextElideMode(Qt::ElideMiddle);
        for (int entry : list.items) {
            auto* item = new QListWidgetItem(Q(names2[static_cast<std::size_t>(entry)]), widget);
            // Long names are cut off in the narrow panel; a centre adds its number X(n).
            QString tip = item->text();
            if (const std::optional<int> n = EtcNumberOfEntry(entry)) tip += QString(" X(%1)").arg(*n);
            item->setToolTip(tip);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        connect(widget, &QListWidget::itemChanged, this, [this, t](QListWidgetItem* item) { OnTabItemChanged(t, item); });
        tabLists_[static_cast<std::size_t>(t)] = widget;
        auto* noHits = new QLabel("Keine Treffer", widget->viewport());
        noHits->setStyleSheet("color: #606060; font-family: Verdana; font-size: 11px; padding: 4px;");
        noHits->adjustSize();
        noHits->hide();
        noHits_[static_cast<std::size_t>(t)] = noHits;
        pageNames_[static_cast<std::size_t>(t)] = Q(std::string(list.page));
        pages_->addTab(widget, pageNames_[static_cast<std::size_t>(t)]);
    }
    outer->addWidget(pages_, 1);
    return panel;
}

void MainWindow::WireDrawingArea() {
    drawing_->onResized = [this] {
        if (!activated_ || session_.resultsMode) return;
        // The triangle keeps its world coordinates in the resized area.
        SyncSessionFromFields();
        session_.width = drawing_->width();
        session_.height = drawing_->height();
        ApplyTypedCoordinates(session_);
        Repaint();
    };
    drawing_->onRatioChanged = [this] { Repaint(); };
    drawing_->onPress = [this](QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        const int v = PickVertex(session_.doc, p.x(), p.y());
        if (v < 0) return;
        dragVertex_ = v;
        if (e->button() == Qt::LeftButton) dragging_ = true;
    };
    drawing_->onMove = [this](QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        if (dragging_) {
            DragVertexTo(session_, dragVertex_, p.x(), p.y());
            SyncFieldsFromSession();
            if (!dragFrame_->isActive()) {
                constexpr qint64 kFrameMs = 16; // 60 repaints a second
                const qint64 since = QDateTime::currentMSecsSinceEpoch() - lastDragPaint_;
                dragFrame_->start(static_cast<int>(std::clamp<qint64>(kFrameMs - since, 0, kFrameMs)));
            }
            return;
        }
        if (const auto text = MouseReadout(session_, p.x(), p.y())) statusPanel_->setText(WithBeyondHint(session_.doc, Q(*text)));
        drawing_->setCursor(PickVertex(session_.doc, p.x(), p.y()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    };
    drawing_->onRelease = [this](QMouseEvent*) {
        dragging_ = false;
        // The last position is painted now, not a frame later.
        if (dragFrame_->isActive()) {
            dragFrame_->stop();
            Repaint();
        }
    };
    drawing_->onWheel = [this](int steps) {
        SyncSessionFromFields();
        for (int n = 0; n < std::abs(steps); ++n) steps > 0 ? StretchUp(session_) : StretchDown(session_);
        Repaint();
    };
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

void MainWindow::SyncTabListsFromSession() {
    updatingLists_ = true;
    for (int t = 0; t < kTabCount; ++t) {
        QListWidget* w = tabLists_[static_cast<std::size_t>(t)];
        const auto& flags = session_.tabChecked[static_cast<std::size_t>(t)];
        for (int i = 0; i < w->count(); ++i) {
            const Qt::CheckState want = flags[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked;
            if (w->item(i)->checkState() != want) w->item(i)->setCheckState(want);
        }
    }
    updatingLists_ = false;
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

void MainWindow::OnTabItemChanged(int tab, QListWidgetItem* item) {
    if (updatingLists_) return;
    const int row = item->listWidget()->row(item);
    SetTabItem(session_, tab, row, item->checkState() == Qt::Checked);
    Repaint();
}

void MainWindow::FilterLists(const QString& text) {
    const QString needle = text.trimmed();
    for (int t = 0; t < kTabCount; ++t) {
        QListWidget* w = tabLists_[static_cast<std::size_t>(t)];
        int hits = 0;
        for (int i = 0; i < w->count(); ++i) {
            const bool hit = needle.isEmpty() || w->item(i)->text().contains(needle, Qt::CaseInsensitive);
            w->setRowHidden(i, !hit);
            hits += hit;
        }
        // While a search is active each page names its number of hits, on a second line: the
        // tabs grow thicker, not longer, and all four still fit beside the lists.
        const QString& name = pageNames_[static_cast<std::size_t>(t)];
        pages_->setTabText(t, needle.isEmpty() ? name : QString("%1\n(%2)").arg(name).arg(hits));
        noHits_[static_cast<std::size_t>(t)]->setVisible(hits == 0);
    }
}

void MainWindow::ShowFieldStart(QLineEdit* field) {
    // A formula longer than the field shows its beginning, not its last characters.
    field->setCursorPosition(0);
}

void MainWindow::UpdateMinimumSize() {
    // The smallest window still shows every tool of the picture mode (the shift arrows, the
    // position read-out, "Objektauswahl") and all four page tabs, also while they name hits.
    toolBar_->setMinimumWidth(toolBar_->sizeHint().width());
    QTabBar* tabs = pages_->tabBar();
    // The longest caption of a page is the one that counts all its items as hits.
    for (int t = 0; t < kTabCount; ++t)
        pages_->setTabText(t, QString("%1\n(%2)")
                                  .arg(pageNames_[static_cast<std::size_t>(t)])
                                  .arg(tabLists_[static_cast<std::size_t>(t)]->count()));
    pages_->setMinimumHeight(tabs->sizeHint().height());
    for (int t = 0; t < kTabCount; ++t)
        pages_->setTabText(t, pageNames_[static_cast<std::size_t>(t)]);
    FilterLists(search_->text());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Esc in the search field belongs to the field: it clears the search and keeps the
        // window open ("Beenden" stays on Esc everywhere else).
        event->accept();
        if (event->type() == QEvent::KeyPress) search_->clear();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- the repaint

void MainWindow::Repaint() {
    SyncChecks();
    // A listed or highlighted relation holds for the triangle, view and selection it was found for.
    if (relations_.ForgetIfChanged(session_.doc, drawing_->width(), drawing_->height()))
        drawing_->SetHighlight(std::nullopt);
    zoomPanel_->setText("Streckungsfaktor " + Q(FormatReal(session_.doc.view.stretchFactor, 3)));
    // In results mode the picture is still painted (the families fill the results), but hidden.
    drawing_->Render(session_.doc, session_.resultsMode);
    resultsModel_->SetLines(session_.doc.results);
    if (relations_.Listed()) resultsModel_->AppendLines(relations_.Lines());
    // The results are those of the typed triangle; the status line says when the picture cannot
    // show it, and forgets it when it can again.
    if (TriangleBeyondDrawing(session_.doc.points))
        statusPanel_->setText(kBeyondDrawing);
    else if (statusPanel_->text().contains(kBeyondDrawing))
        statusPanel_->clear();
    entryCounter_->setText(QString::number(resultsModel_->rowCount()) + " Einträge");
}

void MainWindow::ListRelations() {
    relations_.Compute(session_.doc, drawing_->width(), drawing_->height());
    Repaint();
    const int heading = static_cast<int>(session_.doc.results.Size());
    resultsView_->scrollTo(resultsModel_->index(heading), QAbstractItemView::PositionAtTop);
}

void MainWindow::ChooseResultLine(int row) {
    const auto highlight = relations_.Highlight(row - static_cast<int>(session_.doc.results.Size()));
    if (!highlight) return;
    drawing_->SetHighlight(highlight);
    statusPanel_->setText(resultsModel_->Line(row).replace('\t', ": "));
    ShowPicture();
}

// ---------------------------------------------------------------- commands

void MainWindow::ApplyCoordinates() {
    SyncSessionFromFields();
    ApplyTypedCoordinates(session_);
    Repaint();
}

void MainWindow::ShowPicture() {
    SyncSessionFromFields();
    EnterPictureMode(session_);
    for (QAction* a : pictureTools_) a->setVisible(true);
    for (QAction* a : resultsTools_) a->setVisible(false);
    pictureMenu_->menuAction()->setVisible(true);
    resultsMenu_->menuAction()->setVisible(false);
    resultsPanel_->hide();
    drawing_->show();
    Repaint();
}

void MainWindow::ShowResults() {
    SyncSessionFromFields();
    EnterResultsMode(session_);
    for (QAction* a : pictureTools_) a->setVisible(false);
    for (QAction* a : resultsTools_) a->setVisible(true);
    pictureMenu_->menuAction()->setVisible(false);
    resultsMenu_->menuAction()->setVisible(true);
    drawing_->hide();
    resultsPanel_->show();
    Repaint();
}

void MainWindow::StopAnimation(bool releaseButton) {
    session_.animation.running = false;
    if (releaseButton) session_.animation.buttonDown = false;
    timer_->stop();
    SyncChecks();
}

void MainWindow::ToggleAnimation() {
    SyncSessionFromFields();
    Animation& a = session_.animation;
    a.running = !a.running;
    a.buttonDown = a.running;
    if (a.running)
        timer_->start();
    else
        timer_->stop();
    SyncChecks();
}

void MainWindow::OnTimer() {
    if (inStep_ || !session_.animation.running) return;
    inStep_ = true;
    SyncSessionFromFields();
    AnimationStep(session_);
    SyncFieldsFromSession();
    Repaint();
    inStep_ = false;
}

void MainWindow::ChooseTopic(const QString& caption) {
    SyncSessionFromFields();
    if (!ApplyTopic(session_, S(caption), topicLines_)) return;
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
    BulkSelection(session_);
    SyncTabListsFromSession();
    Repaint();
}

void MainWindow::ClearSelect() {
    ClearSelection(session_);
    SyncTabListsFromSession();
    Repaint();
}

void MainWindow::Exit() {
    if (session_.animation.running) {
        StopAnimation(true);
        return;
    }
    close();
}

// ---------------------------------------------------------------- data files

QString MainWindow::StartFolder() const {
    // A documents folder that does not exist would be taken for a file name in the home folder.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

std::unique_ptr<QFileDialog> MainWindow::MakeFileDialog(FileDialogKind kind) {
    auto dialog = std::make_unique<QFileDialog>(this);
    dialog->setDirectory(StartFolder());
    dialog->setAcceptMode(kind == FileDialogKind::LoadData ? QFileDialog::AcceptOpen
                                                           : QFileDialog::AcceptSave);
    switch (kind) {
    case FileDialogKind::LoadData:
        dialog->setWindowTitle("Daten laden");
        dialog->setNameFilter("Dreiecksdatei (*.tmo)");
        dialog->setFileMode(QFileDialog::ExistingFile);
        // The file opened last stays chosen, in its own folder.
        if (!lastOpenedFile_.isEmpty()) {
            const QFileInfo last(lastOpenedFile_);
            if (last.dir().exists()) dialog->setDirectory(last.dir());
            dialog->selectFile(last.fileName());
        }
        return dialog;
    case FileDialogKind::SaveData:
        dialog->setWindowTitle("Daten speichern");
        dialog->setNameFilter("Dreiecksdatei (*.tmo)");
        dialog->setDefaultSuffix("tmo");
        break;
    case FileDialogKind::SavePicture: {
        dialog->setWindowTitle("Abbildung speichern");
        const QStringList filters = PictureFilters();
        dialog->setNameFilters(filters);
        dialog->selectNameFilter(filters[3]); // GIF
        dialog->setDefaultSuffix("gif");
        QFileDialog* d = dialog.get();
        connect(d, &QFileDialog::filterSelected, d, [d, filters](const QString& f) {
            d->setDefaultSuffix(PictureSuffix(static_cast<PictureFormat>(filters.indexOf(f) + 1)));
        });
        break;
    }
    case FileDialogKind::SaveResults:
        dialog->setWindowTitle("Daten speichern");
        dialog->setNameFilters({"Text (UTF-8) (*.txt)", "Text (Windows-1252) (*.txt)"});
        dialog->setDefaultSuffix("txt");
        break;
    }
    dialog->selectFile(QString()); // an empty name
    return dialog;
}

void MainWindow::ShowMessage(const QString& title, const QString& text) {
    lastMessage_ = text;
    if (messageBoxes_) QMessageBox::warning(this, title, text);
}

void MainWindow::OpenDataFile() {
    StopAnimation(false);
    const auto dialog = MakeFileDialog(FileDialogKind::LoadData);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    LoadDataFile(dialog->selectedFiles().front());
}

void MainWindow::SaveDataFileAs() {
    StopAnimation(false);
    const auto dialog = MakeFileDialog(FileDialogKind::SaveData);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    SaveDataFile(dialog->selectedFiles().front());
}

bool MainWindow::LoadDataFile(const QString& path) { return LoadDataFileAt(Native(path)); }

bool MainWindow::LoadDataFileAt(const std::string& path) {
    StopAnimation(false);
    // Regular files only (a pipe would block the window), at most the limit.
    std::string error;
    const std::optional<std::string> bytes = ReadFileLimited(path, kMaxDataFileBytes, error);
    if (!bytes) {
        ShowMessage("Daten laden", Q(error));
        return false;
    }
    if (!IsDataFileText(*bytes)) {
        ShowMessage("Daten laden", "Die Datei \"" + QFile::decodeName(path.c_str()) + "\" ist " + kNotADataFile + ".");
        return false;
    }
    lastOpenedFile_ = QFile::decodeName(path.c_str());
    LoadDataFileLines(session_, DecodeTextFile(*bytes));
    SyncFieldsFromSession();
    SyncTabListsFromSession();
    Repaint();
    return true;
}

bool MainWindow::SaveDataFile(const QString& path) {
    SyncSessionFromFields();
    const std::string failure =
        WriteFileAtomically(Native(path), ToWindowsText(DataFileLines(session_)), SpecialFiles::Refuse);
    if (!failure.empty()) {
        ShowMessage("Daten speichern", Q(failure));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- output

QStringList MainWindow::ResultLines() const { return resultsModel_->Lines(); }

void MainWindow::SavePictureAs() {
    const auto dialog = MakeFileDialog(FileDialogKind::SavePicture);
    // The resolution of the raster formats sits below the file type; 96 dpi is the screen's size.
    // Qt's own dialog, because only it takes a further row.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    auto* resolution = new QSpinBox(dialog.get());
    resolution->setObjectName("pictureResolution");
    resolution->setRange(kMinExportDpi, kMaxExportDpi);
    resolution->setSingleStep(96);
    resolution->setValue(96);
    resolution->setSuffix(" dpi");
    resolution->setToolTip("96 dpi: so groß wie die Zeichenfläche; 288 dpi: dreimal so breit und hoch");
    auto* resolutionLabel = new QLabel("Auflösung:", dialog.get());
    resolutionLabel->setBuddy(resolution);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout())) {
        const int row = grid->rowCount();
        grid->addWidget(resolutionLabel, row, 0);
        grid->addWidget(resolution, row, 1);
    }
    const QStringList filters = PictureFilters();
    connect(dialog.get(), &QFileDialog::filterSelected, resolution, [resolution, filters](const QString& f) {
        resolution->setEnabled(IsRasterFormat(static_cast<PictureFormat>(filters.indexOf(f) + 1)));
    });
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    SavePictureTyped(dialog->selectedFiles().front(),
                     static_cast<int>(filters.indexOf(dialog->selectedNameFilter())) + 1, resolution->value());
}

bool MainWindow::SavePictureTyped(const QString& path, int filter, int dpi) {
    const PictureFormat chosen = static_cast<PictureFormat>(std::clamp(filter, 1, 8));
    PictureFormat format;
    if (PictureFormatFromPath(path, chosen == PictureFormat::Bmp16, format))
        return SavePicture(path, static_cast<int>(format), dpi);
    return SavePicture(path + "." + PictureSuffix(chosen), static_cast<int>(chosen), dpi);
}

bool MainWindow::SavePicture(const QString& path, int format, int dpi) {
    SyncSessionFromFields();
    const int w = drawing_->width(), h = drawing_->height();
    const PictureFormat chosen = static_cast<PictureFormat>(std::clamp(format, 1, 8));
    const QString failure =
        ExportPicture(session_.doc, w, h, chosen, Native(path), {IsRasterFormat(chosen) ? dpi : 96, 0});
    Repaint();
    if (!failure.isEmpty()) {
        ShowMessage("Abbildung speichern", failure);
        return false;
    }
    return true;
}

void MainWindow::SaveResultsAs() {
    const auto dialog = MakeFileDialog(FileDialogKind::SaveResults);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    SaveResults(dialog->selectedFiles().front(),
                dialog->selectedNameFilter() == dialog->nameFilters().value(1));
}

bool MainWindow::SaveResults(const QString& path, bool windows1252) {
    const std::vector<std::string> lines = session_.doc.results.Lines();
    const std::string failure =
        WriteFileAtomically(Native(path), windows1252 ? ToWindowsText(lines) : ToUtf8Text(lines), SpecialFiles::Refuse);
    if (!failure.empty()) {
        ShowMessage("Daten speichern", Q(failure));
        return false;
    }
    return true;
}

void MainWindow::CopyPicture() { QApplication::clipboard()->setImage(drawing_->Image()); }

void MainWindow::CopyVector() {
    SyncSessionFromFields();
    const int w = drawing_->width(), h = drawing_->height();
    auto* data = new QMimeData;
    data->setData("image/svg+xml", RenderSvg(session_.doc, w, h));
    const Encoded emf = EncodePicture(session_.doc, w, h, PictureFormat::Wmf);
    if (emf.ok()) data->setData("image/x-emf", QByteArray::fromStdString(emf.bytes));
    QApplication::clipboard()->setMimeData(data);
    Repaint();
}

void MainWindow::CopyResults() { QApplication::clipboard()->setText(ResultsText(ResultLines())); }

void MainWindow::PrintPicture(bool vector) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(vector ? "Vektorgrafik drucken" : "Abbildung drucken");
    if (dialog.exec() != QDialog::Accepted) return;
    if (vector) {
        SyncSessionFromFields();
        PrintVector(printer, session_.doc, drawing_->width(), drawing_->height());
        Repaint();
    } else {
        PrintBitmap(printer, drawing_->Image());
    }
}

void MainWindow::PrintResultsDialog(bool twoColumns) {
    const QStringList lines = ResultLines();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(twoColumns ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(twoColumns ? "zweispaltig Drucken" : "Berechnungsergebnisse drucken");
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    const int pages = ResultsPageCount(printer, static_cast<int>(lines.size()), twoColumns);
    dialog.setMinMax(1, pages);
    printer.setFromTo(1, pages);
    if (dialog.exec() != QDialog::Accepted) return;
    int first = 1, last = ResultsPageCount(printer, static_cast<int>(lines.size()), twoColumns);
    if (printer.printRange() == QPrinter::PageRange) first = printer.fromPage(), last = printer.toPage();
    PrintResults(printer, lines, twoColumns, first, last);
}

// ---------------------------------------------------------------- window events

void MainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (activated_) return;
    activated_ = true;
    UpdateMinimumSize(); // now that the style sheets have given the tools their sizes
    // The standard drawing area is 821 x 660 pixels, whatever the style's bars and frames take.
    const QSize missing = QSize(821, 660) - drawing_->size();
    if (!missing.isNull()) {
        resize(size() + missing);
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
    e->accept();
}

namespace {

// The first data file of a drop, as the bytes of its name. Read from the raw URI list: QUrl would
// replace every byte of a name that is no UTF-8.
std::optional<std::string> DroppedDataFile(const QMimeData* data) {
    for (QByteArray line : data->data("text/uri-list").split('\n')) {
        line = line.trimmed();
        if (!line.startsWith("file://")) continue;
        const qsizetype slash = line.indexOf('/', 7); // after the host: none or this machine
        if (slash < 0 || (slash > 7 && line.mid(7, slash - 7) != "localhost")) continue;
        const QByteArray path = QByteArray::fromPercentEncoding(line.mid(slash));
        if (path.toLower().endsWith(".tmo")) return path.toStdString();
    }
    return std::nullopt;
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (DroppedDataFile(e->mimeData())) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
    if (const auto path = DroppedDataFile(e->mimeData())) {
        LoadDataFileAt(*path);
        e->acceptProposedAction();
    }
}

} // namespace trimora
