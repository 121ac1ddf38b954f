// The main window's panels: the selection panel (vertex fields, mode buttons, animation controls,
// the four element lists with their search) and the results panel.
#include "app/main_window.h"

#include "app/window_support.h"
#include "app/results_view.h"
#include "base/catalogue.h"
#include "base/etc_numbers.h"

#include <QButtonGroup>
#include <QDockWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace trimora {

using namespace window;

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
            field->installEventFilter(this); // Esc first takes back an edit not yet applied
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

void MainWindow::OnTabItemChanged(int tab, QListWidgetItem* item) {
    if (updatingLists_) return;
    const int row = item->listWidget()->row(item);
    const bool on = item->checkState() == Qt::Checked;
    Step(QString("%1 %2").arg(item->text(), on ? "einschalten" : "ausschalten"),
         [&] { SetTabItem(session_, tab, row, on); });
    Repaint();
}

void MainWindow::FilterLists(const QString& text) {
    const QString needle = FoldForSearch(text.trimmed());
    std::array<int, kTabCount> hitsOf{};
    for (int t = 0; t < kTabCount; ++t) {
        QListWidget* w = tabLists_[static_cast<std::size_t>(t)];
        int& hits = hitsOf[static_cast<std::size_t>(t)];
        for (int i = 0; i < w->count(); ++i) {
            const bool hit = needle.isEmpty() || FoldForSearch(w->item(i)->text()).contains(needle);
            w->setRowHidden(i, !hit);
            hits += hit;
        }
        // While a search is active each page names its number of hits, on a second line: the
        // tabs grow thicker, not longer, and all four still fit beside the lists.
        const QString& name = pageNames_[static_cast<std::size_t>(t)];
        pages_->setTabText(t, needle.isEmpty() ? name : QString("%1\n(%2)").arg(name).arg(hits));
        noHits_[static_cast<std::size_t>(t)]->setVisible(hits == 0);
    }
    // A search whose page has no hits goes to the first page that has some.
    if (!needle.isEmpty() && hitsOf[static_cast<std::size_t>(pages_->currentIndex())] == 0) {
        const auto first = std::find_if(hitsOf.begin(), hitsOf.end(), [](int h) { return h > 0; });
        if (first != hitsOf.end()) pages_->setCurrentIndex(static_cast<int>(first - hitsOf.begin()));
    }
}

void MainWindow::UpdateMinimumSize() {
    // The smallest window still shows all four page tabs, also while they name hits; the tools
    // that do not fit beside each other go into the tool bar's extension menu.
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
    if (RelationsEscape(watched, event)) return true;
    if (watched == relationsDock_ && event->type() == QEvent::Close) CloseRelations();
    if (watched == search_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Esc in the search field belongs to the field: it clears the search and keeps the
        // window open ("Beenden" stays on Esc everywhere else).
        event->accept();
        if (event->type() == QEvent::KeyPress) search_->clear();
        return true;
    }
    const auto field = std::find(fields_.begin(), fields_.end(), watched);
    if (field != fields_.end() &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Esc in a coordinate field first takes back what was typed there since the last
        // "Darstellung"; only an Esc in an unchanged field closes the window.
        const QString applied = Q(session_.doc.fields[static_cast<std::size_t>(field - fields_.begin())]);
        if ((*field)->text() != applied) {
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                (*field)->setText(applied);
                ShowFieldStart(*field);
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
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
    resultsView_ = MakeLinesView(resultsModel_, panel);
    resultsView_->setObjectName("resultsView");
    resultsView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(resultsView_);
    return panel;
}

} // namespace trimora
