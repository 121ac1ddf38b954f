#include "app/loci_panel.h"

#include "app/window_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace trimora {

using namespace window;

namespace {

constexpr int kPickReach = 6;   // pixels round a marked point that a click chooses it from
constexpr int kQuietMs = 250;   // the list is filled anew once the window has been quiet this long
constexpr int kProgressMs = 50; // how often the progress bar follows the work
constexpr int kRoleIndex = Qt::UserRole;

const char* const kPathNames[4] = {"waagerecht", "senkrecht", "um Ursprung", "auf dem Umkreis"};

} // namespace

LociPanel::LociPanel(QWidget* parent, Hooks hooks) : QDialog(parent), hooks_(std::move(hooks)) {
    setWindowTitle("Ortslinie");
    setObjectName("lociPanel");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    vertex_ = new QComboBox(this);
    vertex_->addItems({"A", "B", "C"});
    vertex_->setCurrentIndex(2);
    path_ = new QComboBox(this);
    for (const char* name : kPathNames)
        path_->addItem(name);
    form->addRow("Bewegte Ecke", vertex_);
    form->addRow("Bahn", path_);
    layout->addLayout(form);

    search_ = new QLineEdit(this);
    search_->setPlaceholderText("Punkte suchen");
    search_->setClearButtonEnabled(true);
    connect(search_, &QLineEdit::textChanged, this, &LociPanel::Filter);
    layout->addWidget(search_);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->setToolTip("Die markierten Punkte der eingeschalteten Elemente; ein Klick wählt einen Punkt "
                      "oder lässt ihn wieder los. Ein Klick auf einen Punkt im Bild wählt ihn ebenso.");
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        // The choice of the shown items; hidden ones keep theirs.
        for (int row = 0; row < list_->count(); ++row) {
            const QListWidgetItem* item = list_->item(row);
            if (item->isHidden()) continue;
            const std::string name = S(item->text());
            if (item->isSelected())
                chosen_.insert(name);
            else
                chosen_.erase(name);
        }
        const std::size_t n = Chosen().size();
        status_->setText(n == 1 ? QString("1 Punkt gewählt.") : QString("%1 Punkte gewählt.").arg(n));
    });
    layout->addWidget(list_, 1);

    trail_ = new QCheckBox("Spur", this);
    trail_->setToolTip("Während die Animation läuft, hinterlassen die gewählten Punkte ihre Bahn.");
    connect(trail_, &QCheckBox::toggled, this, [this] { ResetTrail(); });
    layout->addWidget(trail_);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    layout->addWidget(progress_);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    layout->addWidget(status_);

    auto* buttons = new QDialogButtonBox(this);
    start_ = buttons->addButton("Zeichnen", QDialogButtonBox::ActionRole);
    cancel_ = buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole);
    QPushButton* close = buttons->addButton("Schließen", QDialogButtonBox::DestructiveRole);
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &LociPanel::Start);
    connect(cancel_, &QPushButton::clicked, this, &LociPanel::Cancel);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    layout->addWidget(buttons);

    poll_ = new QTimer(this);
    poll_->setInterval(kProgressMs);
    connect(poll_, &QTimer::timeout, this, [this] {
        if (!progressState_) return;
        progress_->setRange(0, std::max(1, progressState_->total.load()));
        progress_->setValue(progressState_->done.load());
    });
    refill_ = new QTimer(this);
    refill_->setSingleShot(true);
    refill_->setInterval(kQuietMs);
    connect(refill_, &QTimer::timeout, this, &LociPanel::Refill);
    ShowBusy(false);
    resize(320, 480);
}

LociPanel::~LociPanel() {
    // The worker holds a copy of its own; it only has to stop.
    if (progressState_) progressState_->cancel = true;
    if (worker_.joinable()) worker_.join();
}

void LociPanel::Follow(int vertex, VertexPath path) {
    vertex_->setCurrentIndex(std::clamp(vertex, 0, 2));
    path_->setCurrentIndex(static_cast<int>(path));
}

void LociPanel::DocumentChanged() {
    const QSize area = hooks_.area();
    if (listValid_ && LociStampOf(hooks_.document(), area.width(), area.height()) == listed_) return;
    listValid_ = false;
    if (isVisible()) refill_->start();
}

void LociPanel::Refill() {
    const Document& doc = hooks_.document();
    const QSize area = hooks_.area();
    points_ = TracePoints(doc, area.width(), area.height());
    // One place, one entry: a centre that its entry marks ("Umkreismittelpunkt") is listed by that
    // name alone, not again as the centre of its circle's block ("Umkreis … Mittelpunkt").
    std::vector<TracePoint> listed;
    for (const TracePoint& p : points_) {
        const bool twice = !p.markOnly && std::any_of(points_.begin(), points_.end(), [&](const TracePoint& q) {
                               return q.markOnly && q.p.x == p.p.x && q.p.y == p.p.y;
                           });
        if (!twice) listed.push_back(p);
    }
    points_ = std::move(listed);
    listed_ = LociStampOf(doc, area.width(), area.height());
    listValid_ = true;
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (std::size_t i = 0; i < points_.size(); ++i) {
        auto* item = new QListWidgetItem(Q(points_[i].name), list_);
        item->setData(kRoleIndex, static_cast<int>(i));
        item->setSelected(chosen_.count(points_[i].name) > 0);
    }
    Filter(search_->text());
    if (points_.empty()) status_->setText("Keine markierten Punkte: bitte Elemente mit Punkten einschalten.");
}

void LociPanel::Filter(const QString& text) {
    const QString wanted = FoldForSearch(text.trimmed());
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setHidden(!wanted.isEmpty() &&
                                    !FoldForSearch(list_->item(row)->text()).contains(wanted));
}

bool LociPanel::Pick(QPointF at) {
    if (!listValid_) Refill();
    const int found = NearestTracePoint(points_, {at.x(), at.y()}, kPickReach);
    if (found < 0) return false;
    QListWidgetItem* item = list_->item(found);
    if (!item) return false;
    item->setHidden(false);
    item->setSelected(!item->isSelected());
    list_->scrollToItem(item);
    status_->setText((item->isSelected() ? "Gewählt: " : "Nicht mehr gewählt: ") + item->text());
    return true;
}

std::vector<std::string> LociPanel::ChosenNames() const {
    std::vector<std::string> names;
    for (const TracePoint& p : Chosen())
        names.push_back(p.name);
    return names;
}

std::vector<TracePoint> LociPanel::Chosen() const {
    std::vector<TracePoint> chosen;
    for (const TracePoint& p : points_)
        if (chosen_.count(p.name)) chosen.push_back(p);
    return chosen;
}

void LociPanel::ShowBusy(bool busy) {
    start_->setEnabled(!busy);
    cancel_->setEnabled(busy);
    vertex_->setEnabled(!busy);
    path_->setEnabled(!busy);
    if (busy)
        poll_->start();
    else
        poll_->stop();
}

void LociPanel::Start() {
    if (Busy()) return;
    if (!listValid_) Refill();
    LocusRequest request{vertex_->currentIndex(), static_cast<VertexPath>(path_->currentIndex()), Chosen()};
    if (request.points.empty()) {
        status_->setText("Bitte zuerst einen oder mehrere Punkte wählen (in der Liste oder im Bild).");
        return;
    }
    const QSize area = hooks_.area();
    Document copy = hooks_.document();
    const LociStamp stamp = LociStampOf(copy, area.width(), area.height());
    progressState_ = std::make_shared<LocusProgress>();
    progress_->setRange(0, 1);
    progress_->setValue(0);
    status_->setText("Die Ortslinien werden berechnet …");
    ShowBusy(true);
    // The worker owns its copy and shares only the progress (atomics); the loci come back through
    // the window's event loop.
    worker_ = std::thread([this, copy = std::move(copy), request = std::move(request),
                           progress = progressState_, stamp, width = area.width(), height = area.height()] {
        std::optional<std::vector<Locus>> loci = TraceLoci(copy, width, height, request, progress.get());
        QMetaObject::invokeMethod(
            this, [this, loci = std::move(loci), stamp]() mutable { Arrived(std::move(loci), stamp); },
            Qt::QueuedConnection);
    });
}

void LociPanel::Cancel() {
    if (progressState_) progressState_->cancel = true;
}

void LociPanel::Arrived(std::optional<std::vector<Locus>> loci, const LociStamp& stamp) {
    if (worker_.joinable()) worker_.join(); // it has handed its loci over and is ending
    progressState_.reset();
    ShowBusy(false);
    progress_->setValue(progress_->maximum());
    const QSize area = hooks_.area();
    const Document& doc = hooks_.document();
    if (!loci) {
        status_->setText("Abgebrochen.");
        progress_->setValue(0);
    } else if (!(LociStampOf(doc, area.width(), area.height()) == stamp)) {
        status_->setText("Das Dreieck, die Ansicht oder die Auswahl hat sich inzwischen geändert; bitte neu "
                         "zeichnen.");
    } else {
        const std::size_t n = loci->size();
        hooks_.show(WithLoci(doc, area.width(), area.height(), std::move(*loci)));
        status_->setText(n == 1 ? "1 Ortslinie gezeichnet." : QString("%1 Ortslinien gezeichnet.").arg(n));
    }
    emit Finished();
}

std::shared_ptr<const Loci> LociPanel::Trail(const Document& doc, int width, int height, int vertex,
                                             VertexPath path) {
    if (!trail_->isChecked()) return nullptr;
    if (!listValid_) Refill();
    const std::vector<TracePoint> chosen = Chosen();
    if (chosen.empty()) return nullptr;
    if (trace_.size() != chosen.size()) {
        trace_.clear();
        for (const TracePoint& p : chosen)
            trace_.push_back(Locus{p.name, vertex, path, true, {}, {}});
    }
    // A step longer than the triangle lifts the pen, as the loci cut their jumps.
    double side = 0;
    for (int v = 0; v < 3; ++v) {
        const IntPoint p = doc.points.screen[kSlotA + v], q = doc.points.screen[kSlotA + (v + 1) % 3];
        side = std::max(side, std::hypot(double(p.x - q.x), double(p.y - q.y)));
    }
    const std::vector<std::optional<RealPoint>> now = TracePositions(doc, width, height, chosen);
    for (std::size_t n = 0; n < chosen.size(); ++n) {
        std::vector<std::vector<RealPoint>>& pieces = trace_[n].pieces;
        if (!now[n]) {
            if (pieces.empty() || !pieces.back().empty()) pieces.emplace_back();
            continue;
        }
        if (pieces.empty() ||
            (!pieces.back().empty() &&
             std::hypot(now[n]->x - pieces.back().back().x, now[n]->y - pieces.back().back().y) > side))
            pieces.emplace_back();
        pieces.back().push_back(*now[n]);
    }
    auto loci = std::make_shared<Loci>();
    loci->stamp = LociStampOf(doc, width, height);
    loci->curves = trace_;
    for (Locus& l : loci->curves)
        std::erase_if(l.pieces, [](const auto& piece) { return piece.size() < 2; });
    return loci;
}

void LociPanel::ResetTrail() {
    trace_.clear();
}

} // namespace trimora
