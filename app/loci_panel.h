// The loci in the window ("Ortslinie …"): a dialog beside the picture with the moving vertex, its
// path and the marked points to trace (a list with a search field, several at once; a click in the
// picture chooses the nearest point), a progress bar and a cancel button, and the trace that the
// running animation leaves ("Spur"). The loci are traced on a thread of their own, on a copy of
// the document: the window's document is changed only on the window's thread, when they arrive and
// still belong to it.
#pragma once

#include "draw/loci.h"
#include "explore/loci.h"

#include <QDialog>
#include <QPointF>
#include <QSize>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

namespace trimora {

class LociPanel : public QDialog {
    Q_OBJECT
  public:
    struct Hooks {
        std::function<const Document&()> document; // as the window shows it now
        std::function<QSize()> area;               // the drawing area
        // Puts the loci into the window's document and repaints; nothing clears them.
        std::function<void(std::shared_ptr<const Loci>)> show;
    };
    LociPanel(QWidget* parent, Hooks hooks);
    ~LociPanel() override;

    // The moving vertex and its path, as the animation's controls stand.
    void Follow(int vertex, VertexPath path);
    // The triangle or the entries may have changed: the list of points follows, once the window
    // has been quiet for a moment.
    void DocumentChanged();
    // A click in the picture (logical pixels): the nearest listed point within a few pixels is
    // chosen, or left again. False when there is none.
    bool Pick(QPointF at);

    // "Spur": while the animation runs, the chosen points leave their path. One step of it: where
    // the points are in `doc` now, appended to the trace; the trace as loci for `doc`, or nothing
    // when "Spur" is off or no point is chosen.
    std::shared_ptr<const Loci> Trail(const Document& doc, int width, int height, int vertex,
                                      VertexPath path);
    void ResetTrail();

    void Start();  // "Zeichnen"
    void Cancel(); // "Abbrechen"
    bool Busy() const { return worker_.joinable(); }

    // For the tests.
    QListWidget* List() const { return list_; }
    QLineEdit* Search() const { return search_; }
    QComboBox* VertexChoice() const { return vertex_; }
    QComboBox* PathChoice() const { return path_; }
    QProgressBar* Progress() const { return progress_; }
    QCheckBox* TrailChoice() const { return trail_; }
    QLabel* Status() const { return status_; }
    std::vector<std::string> ChosenNames() const;

  signals:
    void Finished(); // the loci arrived (or not: cancelled, or the triangle changed meanwhile)

  private:
    void Refill();
    void Filter(const QString& text);
    void Arrived(std::optional<std::vector<Locus>> loci, const LociStamp& stamp);
    std::vector<TracePoint> Chosen() const;
    void ShowBusy(bool busy);

    Hooks hooks_;
    std::vector<TracePoint> points_; // of the list, in its order
    std::set<std::string> chosen_;   // names, kept while the list is filled anew
    LociStamp listed_;               // what the list was filled for
    bool listValid_ = false;
    std::thread worker_;
    std::shared_ptr<LocusProgress> progressState_;
    std::vector<Locus> trace_; // "Spur"

    QComboBox* vertex_ = nullptr;
    QComboBox* path_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;
    QCheckBox* trail_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* poll_ = nullptr;
    QTimer* refill_ = nullptr;
};

} // namespace trimora
