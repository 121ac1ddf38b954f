// The main window's menus and tool bar with their actions.
#include "app/main_window.h"

#include "app/help_window.h"
#include "app/window_support.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWidgetAction>

#include "base/presets.h"

namespace trimora {
namespace {

// Hands the key presses of the widgets it watches to a function; true: the key was used.
class KeyFilter final : public QObject {
  public:
    using QObject::QObject;
    std::function<bool(QObject*, QKeyEvent*)> onKey;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && onKey && onKey(watched, static_cast<QKeyEvent*>(event))) return true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

using namespace window;

void MainWindow::BuildMenus() {
    auto add = [this](QMenu* menu, const QString& text, const char* name, auto slot) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    QMenu* file = menuBar()->addMenu("&Datei");
    add(file, "Neu", "new", [this] { NewTriangle(); })->setShortcut(QKeySequence::New);
    add(file, "Daten laden", "load", [this] { OpenDataFile(); })->setShortcut(QKeySequence::Open);
    add(file, "Daten speichern", "save", [this] { SaveDataFileCommand(); })->setShortcut(QKeySequence::Save);
    add(file, "Daten speichern unter …", "saveAs", [this] { SaveDataFileAs(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    add(file, "Arbeitsblatt als PDF …", "worksheet", [this] { SaveWorksheetAs(); });
        recentMenu_ = file->addMenu("Zuletzt geöffnet");
    recentMenu_->setObjectName("recentMenu");
    connect(recentMenu_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
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

    // "Bearbeiten": undo and redo, each naming its step ("Rückgängig: Ecke A ziehen").
    QMenu* edit = menuBar()->addMenu("&Bearbeiten");
    edit->setObjectName("editMenu");
    QAction* undo = add(edit, "Rückgängig", "undo", [this] { undo_->undo(); });
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = add(edit, "Wiederholen", "redo", [this] { undo_->redo(); });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    auto name = [](const QString& verb, const QString& step) { return step.isEmpty() ? verb : verb + ": " + step; };
    auto follow = [=, this] {
        undo->setEnabled(undo_->canUndo());
        redo->setEnabled(undo_->canRedo());
        undo->setText(name("Rückgängig", undo_->undoText()));
        redo->setText(name("Wiederholen", undo_->redoText()));
    };
    connect(undo_, &QUndoStack::indexChanged, this, follow);
    connect(undo_, &QUndoStack::cleanChanged, this, follow);
    follow();

    pictureMenu_ = menuBar()->addMenu("&Abbildung");
    pictureMenu_->setObjectName("pictureMenu");
    for (const char* name : {"pictureSave", "pictureCopy", "picturePrint", "picturePreview", "vectorCopy", "vectorPrint"}) {
        static const QMap<QString, QString> captions{{"pictureSave", "Speichern"},
                                                     {"pictureCopy", "Kopieren"},
                                                     {"picturePrint", "Drucken"},
                                                     {"picturePreview", "Druckvorschau …"},
                                                     {"vectorCopy", "Vektorgrafik kopieren"},
                                                     {"vectorPrint", "Vektorgrafik drucken"}};
        QAction* a = pictureMenu_->addAction(captions.value(name));
        a->setObjectName(name);
    }
    pictureMenu_->addSeparator();
    // Each applies the typed coordinates: what stands in the fields is read first.
    // Every view command is an undo step of its own.
    auto viewCommand = [this](const QString& name, void (*command)(Session&)) {
        return [this, name, command] {
            Step(name, [&] {
                SyncSessionFromFields();
                command(session_);
            });
            SyncChecks();
            Repaint();
        };
    };
    // What it does: the stretch back to 1, no shift; the triangle stays (formerly "Grundeinstellung").
    add(pictureMenu_, "Ansicht zurücksetzen", "basic", viewCommand("Ansicht zurücksetzen", BasicSetting));
    add(pictureMenu_, "Intervall vergrößern", "stretchUp", viewCommand("Intervall vergrößern", StretchUp));
    add(pictureMenu_, "Intervall verkleinern", "stretchDown", viewCommand("Intervall verkleinern", StretchDown));
    QAction* fit = add(pictureMenu_, "Alles zeigen", "fit", [this] { ShowEverythingCommand(); });
    fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    addAction(fit);
    pictureMenu_->addSeparator();
    QAction* anim = add(pictureMenu_, "Animation", "animation", [this] { ToggleAnimation(); });
    anim->setShortcut(Qt::Key_F2);
    anim->setCheckable(true);
    addAction(anim); // F2 also while the menu "Abbildung" is hidden (results mode)
    add(pictureMenu_, "Animation als GIF speichern …", "animationGif", [this] { SaveAnimationAs(); });
    add(pictureMenu_, "Ortslinie …", "locus", [this] { ShowLociPanel(); })
        ->setToolTip("Die Bahn markierter Punkte, während eine Ecke wandert");
    add(pictureMenu_, "Ortslinien löschen", "lociClear", [this] { ClearLoci(); });
    QAction* switchesStart = pictureMenu_->addSeparator();
    auto addToggle = [&](const QString& text, const char* name, auto slot) {
        QAction* a = add(pictureMenu_, text, name, slot);
        a->setCheckable(true);
        return a;
    };
    addToggle("Koordinatenachsen", "axes", viewCommand("Koordinatenachsen", ToggleAxes));
    addToggle("Gitter", "grid", viewCommand("Gitter", ToggleGrid));
    addToggle("Millimetergitter", "mmgrid", viewCommand("Millimetergitter", ToggleMmGrid));
    auto trilinear = [this] {
        Step("trilineare Koordinaten", [this] { ToggleTrilinear(session_); });
        SyncChecks();
        Repaint();
    };
    addToggle("trilineare Koordinaten", "trilinear", trilinear);

    resultsMenu_ = menuBar()->addMenu("&Ergebnisse");
    resultsMenu_->setObjectName("resultsMenu");
    for (const char* name : {"resultsSave", "resultsCopy", "resultsPrint", "resultsPreview", "resultsPrint2"}) {
        static const QMap<QString, QString> captions{{"resultsSave", "Speichern"},
                                                     {"resultsCopy", "Kopieren"},
                                                     {"resultsPrint", "Drucken"},
                                                     {"resultsPreview", "Druckvorschau …"},
                                                     {"resultsPrint2", "zweispaltig Drucken"}};
        QAction* a = resultsMenu_->addAction(captions.value(name));
        a->setObjectName(name);
    }
    resultsMenu_->addSeparator();
    add(resultsMenu_, "trilineare Koordinaten", "trilinearResults", trilinear);
    QAction* relations = add(resultsMenu_, "Zusammenhänge", "relations", [this] { ListRelations(); });
    pictureMenu_->insertAction(switchesStart, relations); // they are listed beside the picture too
    QAction* relationsAll = add(resultsMenu_, "Auch was nur für dieses Dreieck gilt", "relationsAll", [this](bool on) {
        relations_.ShowAll(on);
        if (relations_.Listed()) FillResultsList();
    });
    relationsAll->setCheckable(true);
    resultsMenu_->menuAction()->setVisible(false);

    // "Ansicht": what the result lines show besides the values.
    QMenu* view = menuBar()->addMenu("A&nsicht");
    view->setObjectName("viewMenu");
    QAction* etc = add(view, "ETC-Nummern", "etcNumbers", [this] {
        Step("ETC-Nummern", [this] { ToggleEtcNumbers(session_); });
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
    auto* keys = new KeyFilter(topics);
    std::vector<std::vector<QPushButton*>> grid; // the topics by column
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
        button->installEventFilter(keys);
        if (item.newColumn || grid.empty()) grid.emplace_back();
        grid.back().push_back(button);
        column->addWidget(button);
    }
    // The keyboard works the topics like any menu: the arrows go from topic to topic (left and
    // right to the neighbouring column), Enter chooses. Opened, the menu starts on its first topic.
    keys->onKey = [grid](QObject* watched, QKeyEvent* e) {
        for (std::size_t c = 0; c < grid.size(); ++c)
            for (std::size_t r = 0; r < grid[c].size(); ++r) {
                if (grid[c][r] != watched) continue;
                auto go = [&](std::size_t col, std::size_t row) {
                    grid[col][std::min(row, grid[col].size() - 1)]->setFocus(Qt::TabFocusReason);
                    return true;
                };
                switch (e->key()) {
                case Qt::Key_Up: return go(c, r == 0 ? grid[c].size() - 1 : r - 1);
                case Qt::Key_Down: return go(c, r + 1 == grid[c].size() ? 0 : r + 1);
                case Qt::Key_Left: return go(c == 0 ? grid.size() - 1 : c - 1, r);
                case Qt::Key_Right: return go(c + 1 == grid.size() ? 0 : c + 1, r);
                case Qt::Key_Home: return go(c, 0);
                case Qt::Key_End: return go(c, grid[c].size() - 1);
                case Qt::Key_Return:
                case Qt::Key_Enter:
                case Qt::Key_Space: grid[c][r]->click(); return true;
                default: return false;
                }
            }
        return false;
    };
    connect(topics, &QMenu::aboutToShow, this, [grid] {
        if (grid.empty() || grid.front().empty()) return;
        QPushButton* first = grid.front().front();
        QTimer::singleShot(0, first, [first] { first->setFocus(Qt::TabFocusReason); });
    });
    for (int c = 0; c < columnsLayout->count(); ++c)
        if (auto* l = qobject_cast<QVBoxLayout*>(columnsLayout->itemAt(c)->layout())) l->addStretch();
    auto* columnsAction = new QWidgetAction(topics);
    columnsAction->setDefaultWidget(columns);
    topics->addAction(columnsAction);

    // "Hilfe": the handbook in the program, and what the program is.
    QMenu* help = menuBar()->addMenu("&Hilfe");
    help->setObjectName("helpMenu");
    QAction* handbook = add(help, "Handbuch", "handbook", [this] {
        if (!helpWindow_) helpWindow_ = new HelpWindow(this);
        helpWindow_->show();
        helpWindow_->raise();
        helpWindow_->activateWindow();
    });
    handbook->setShortcut(QKeySequence::HelpContents);
    addAction(handbook);
    add(help, "Über Trimora", "about", [this] {
        QMessageBox::about(this, "Über Trimora",
                           "<p><b>Trimora " TRIMORA_VERSION "</b></p>"
                           "<p>Ein Erkunder der Dreiecksgeometrie: Dreieck eingeben oder ziehen, "
                           "merkwürdige Punkte, Geraden, Kreise und Kegelschnitte einschalten, "
                           "Ergebnisse, Zusammenhänge und Bilder.</p>"
                           "<p>Freie Software unter der GNU General Public License, Version 3 oder "
                           "später (GPL-3.0-or-later). Sie dürfen das Programm weitergeben und "
                           "verändern; es kommt ohne jede Gewährleistung.</p>");
    });
}

void MainWindow::BuildToolBar() {
    QToolBar* bar = addToolBar("Werkzeuge");
    toolBar_ = bar;
    bar->setObjectName("toolbar");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(18, 18)); // every tool fits beside the read-out at the standard size
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
    tool("undo", "Rückgängig", Action("undo"));
    tool("redo", "Wiederholen", Action("redo"));
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
                     tool("zoom_reset", "Ansicht zurücksetzen", Action("basic")),
                     tool("zoom_out", "Intervall verkleinern", Action("stretchDown")),
                     tool("zoom_fit", "Alles zeigen", Action("fit"))};

    zoomPanel_ = new QLabel(this);
    zoomPanel_->setStyleSheet("color: black; font-family: Verdana; font-size: 11px; padding-left: 4px;");
    // Wide enough for the longest factor ("Alles zeigen" gives three decimals).
    zoomPanel_->ensurePolished();
    zoomPanel_->setFixedWidth(zoomPanel_->fontMetrics().horizontalAdvance("Streckungsfaktor 1000,000") + 8);
    pictureTools_.push_back(bar->addWidget(zoomPanel_));
    const struct {
        const char* icon;
        int dx, dy;
        const char* hint;
    } shifts[4] = {{"arrow_left", -kShiftStep, 0, "Abbildung nach links verschieben"},
                   {"arrow_right", kShiftStep, 0, "Abbildung nach rechts verschieben"},
                   {"arrow_down", 0, kShiftStep, "Abbildung nach unten verschieben"},
                   {"arrow_up", 0, -kShiftStep, "Abbildung nach oben verschieben"}};
    for (const auto& s : shifts) {
        QAction* a = new QAction(Icon(s.icon), "", this);
        a->setToolTip(s.hint);
        a->setObjectName(QString("shift:") + s.icon);
        connect(a, &QAction::triggered, this, [this, s] {
            Step("Abbildung verschieben", [&] {
                SyncSessionFromFields();
                Shift(session_, s.dx, s.dy);
            }, kMergeShift);
            Repaint();
        });
        bar->addAction(a);
        pictureTools_.push_back(a);
    }
    statusPanel_ = new QLabel(this);
    statusPanel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    statusPanel_->setStyleSheet("color: black; font-family: Verdana; font-size: 11px;");
    // Wide enough for the read-out's second line, the longest trilinears.
    statusPanel_->ensurePolished();
    statusPanel_->setMinimumWidth(statusPanel_->fontMetrics().horizontalAdvance("trilinear(-0,99 : -0,99 : -1)") + 4);
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

} // namespace trimora
