// The main window: menus, tool bar, drawing area, results list, vertex fields, animation controls
// and the four element lists. Every handler changes the session and repaints. The window is
// defined in parts: main_window.cpp wires them together (construction, repaint, the commands on
// the document, window events); main_window_menus.cpp builds the menus and the tool bar;
// main_window_panels.cpp the selection and results panels; main_window_files.cpp the data files,
// their dialogs and the title; main_window_commands.cpp the picture and results commands (saving,
// printing and its preview, clipboard); main_window_loci.cpp
// the animation, its trace and the loci; main_window_relations.cpp the relations in their dock
// with their filter and point choice; main_window_drawing.cpp the drawing area's mouse (a vertex
// dragged, the background panned) and its context menu.
#pragma once

#include "app/core/session.h"
#include "app/core/session_state.h"
#include "app/relations_view.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointF>

#include <array>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QDockWidget;
class QFileDialog;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QListWidgetItem;
class QKeyEvent;
class QMenu;
class QPrintPreviewDialog;
class QRadioButton;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTimer;
class QUndoStack;
class QToolBar;
class QToolButton;
class QWidget;

namespace trimora {

class DrawingArea;
class ResultsModel;

// The results dialog's filters: 0 text UTF-8, 1 text Windows-1252, 2 table (CSV).
inline constexpr int kResultsTableFilter = 2;
// The file the results dialog saves to, from the name it gives back and the filter chosen: a name
// ending in ".txt" or ".csv" chooses text or table itself; one without an extension gets the
// filter's; the table's filter adds ".csv" to another extension, text keeps it.
QString ResultsFileName(const QString& chosen, int filter);

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // What the window remembers across starts (Qt's settings in the user's configuration folder):
    // nothing (tests), the last session, or nothing at the start but everything at the end.
    enum class Memory { None, Restore, Fresh };
    explicit MainWindow(QWidget* parent = nullptr, Memory memory = Memory::None);
    ~MainWindow() override;

    Session& GetSession() { return session_; }
    // The repaint: picture (or hidden picture in results mode), results list, entry counter.
    void Repaint();

    // Commands, as the menus and buttons call them.
    void ApplyCoordinates();    // "Darstellung" button without the mode switch
    void ShowPicture();         // "Darstellung"
    void ShowResults();         // "Berechnung"
    void ToggleAnimation();     // S15, F2
    void ChooseTopic(const QString& caption);
    bool LoadDataFile(const QString& path);   // false: a German message was shown
    bool LoadDataFileAt(const std::string& path); // the name's bytes as the file system has them
    bool SaveDataFile(const QString& path); // the file is open afterwards
    void NewTriangle();          // "Neu": the triangle, entries and view of the start (one undo step)
    void SaveDataFileCommand();  // "Daten speichern": to the open file, else as "… speichern unter"
    // The open data file (loaded or saved last; empty after "Neu").
    const QString& DataFile() const { return dataFile_; }
    void ToggleSelectionPanel(); // "Objektauswahl"
    void BulkSelect();          // Ctrl+F12
    void ClearSelect();         // the cross-mark button
    void Exit();                // Esc: stops a running animation, else closes
    void ShowEverythingCommand(); // "Alles zeigen": the triangle and its points fill the area
    // Output.
    // format: index of the dialog's filter; dpi: resolution of the raster formats (96: screen size)
    bool SavePicture(const QString& path, int format, int dpi = 96);
    // The name typed in the picture dialog with the filter chosen there: a known extension chooses
    // the format, a name without one gets the filter's.
    bool SavePictureTyped(const QString& path, int filter, int dpi = 96);
    // UTF-8 with LF, or Windows-1252 with CR LF for the Windows world; a name ending in ".csv"
    // gets the table for spreadsheet programs.
    bool SaveResults(const QString& path, bool windows1252 = false);
    // "Arbeitsblatt als PDF": title (topic, data file or "Dreieck"), date, picture and results.
    bool SaveWorksheet(const QString& path);
    // "Animation als GIF speichern": one run of the animation as it is set, 120 frames.
    bool SaveAnimation(const QString& path);
    // "Druckvorschau …" of the picture or of the results, as "Drucken" would print them.
    std::unique_ptr<QPrintPreviewDialog> MakePrintPreview(bool results);
    void CopyPicture();
    void CopyVector();
    void CopyResults();
    // "Zusammenhänge": the relations among the marked points in a dock beside the picture;
    // choosing one of their rows highlights that relation in the picture, the list staying open.
    void ListRelations();
    void ChooseRelationRow(int row); // a row of RelationsModel()
    // Closing the dock ends the relations.
    void CloseRelations();
    // Only the relations through marked point `point` (RelationsList::Set().points), ringed in the
    // picture; -1: all of them again.
    void ChooseRelationPoint(int point);
    // "Ortslinie …": the loci dialog; "Ortslinien löschen".
    void ShowLociPanel();
    void ClearLoci();

    // For tests and the window's own wiring.
    QListWidget* TabListWidget(int tab) const { return tabLists_[static_cast<std::size_t>(tab)]; }
    QLineEdit* Field(int n) const { return fields_[static_cast<std::size_t>(n)]; }
    DrawingArea* Drawing() const { return drawing_; }
    QLabel* EntryCounter() const { return entryCounter_; }
    QLabel* StatusPanel() const { return statusPanel_; }
    QLabel* ZoomPanel() const { return zoomPanel_; }
    ResultsModel* Results() const { return resultsModel_; }
    ResultsModel* RelationsModel() const { return relationsModel_; }
    QListView* RelationsView() const { return relationsView_; }
    QDockWidget* RelationsDock() const { return relationsDock_; }
    QTimer* AnimationTimer() const { return timer_; }
    QWidget* SelectionPanel() const { return selectionPanel_; }
    QAction* Action(const char* name) const;
    QUndoStack* UndoStack() const { return undo_; }
    class LociPanel* LociDialog() const { return lociPanel_; }
    enum class FileDialogKind { LoadData, SaveData, SavePicture, SaveResults };
    // "Zuletzt geöffnet": the data files opened or saved last, newest first, at most ten.
    const QStringList& RecentFiles() const { return recentFiles_; }
    void OpenRecentFile(const QString& path);
    // Writes what the window remembers now (also done when it closes).
    void StoreSession();
    // The dialog as the command shows it: filters, start folder and name.
    std::unique_ptr<QFileDialog> MakeFileDialog(FileDialogKind kind);
    QLineEdit* SearchField() const { return search_; }
    const RelationsList& Relations() const { return relations_; }
    QLineEdit* RelationsFilter() const { return relationsFilter_; }
    QComboBox* RelationsPointChoice() const { return relationsPoint_; }
    QLabel* RelationsCount() const { return relationsCount_; }
    QLabel* RelationsTitle() const { return relationsTitle_; }
    QToolButton* ToolButtonFor(const char* action) const;        // the tool-bar button of a menu command
    void SetMessageBoxesEnabled(bool on) { messageBoxes_ = on; } // off in tests
    // Called with the drawing area's context menu before it opens (tests close it there).
    void OnContextMenu(std::function<void(QMenu*)> f) { contextMenuShown_ = std::move(f); }
    QString LastMessage() const { return lastMessage_; }

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void BuildMenus();
    void BuildToolBar();
    QWidget* BuildSelectionPanel();
    QWidget* BuildResultsPanel();
    void BuildRelationsDock();
    QWidget* BuildRelationsBar(QWidget* parent);
    void WireDrawingArea();

    void SyncFieldsFromSession();
    void SyncSessionFromFields();
    // Undo: `change` made as one step named `name` (nothing is recorded when it changes nothing);
    // steps with the same merge key in a row become one.
    void Step(const QString& name, const std::function<void()>& change, int mergeKey = 0);
    void PushStep(const QString& name, const SessionState& before, int mergeKey = 0);
    void RestoreStep(const SessionState& state);
    void EndAnimationStep();
    bool OnDrawingKey(QKeyEvent* e);
    void ShowKeyVertex(); // the ring round the vertex the keys move, once one was chosen
    void SyncTabListsFromSession();
    void SyncChecks();
    void MarkFieldErrors();
    void StopAnimation(bool releaseButton);
    void ShowMessage(const QString& title, const QString& text);
    void OnTabItemChanged(int tab, QListWidgetItem* item);
    void FilterLists(const QString& text);
    void ShowFieldStart(QLineEdit* field);
    void UpdateMinimumSize();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void OnTimer();
    // Loci that no longer belong to the triangle and entries are dropped; the dialog's list follows.
    void ForgetStaleLoci();
    // A click in the picture beside the vertices chooses a marked point for the loci dialog.
    bool PickLocusPoint(QPointF at);
    // A click in the picture while relations are listed chooses the marked point there; one beside
    // every point, with `emptyLetsGo`, returns to all of them. False when it did neither.
    bool PickRelationPoint(QPointF at, bool emptyLetsGo);
    // The results, and the relations as far as the filter and the point choice let them through.
    void FillResultsList();
    // The relations found for the document as it is now.
    void FindRelations();
    // Found again after a change; the chosen point and relation stay while they are still there.
    void RefreshRelations();
    void ShowChosenPoint();
    // The status line: what does not fit its width goes on a second line, a longer text is cut
    // at its end and the tooltip holds all of it.
    void ShowStatus(const QString& text);
    // The relations were forgotten: so are their highlight, point and status line.
    void ForgetRelationChoices();
    void RefillPointChoice();
    // Esc in the relations' filter, point choice, list or picture; true when it was used there.
    bool RelationsEscape(QObject* watched, QEvent* event);
    void OpenDataFile();
    void SaveDataFileAs();
    QString StartFolder() const;
    // What the save dialogs suggest (without extension): the open file's name or the topic's.
    QString SuggestedName() const;
    // "name.tmo – Trimora", marked while the triangle or the entries differ from the file.
    void UpdateTitle();
    void SavePictureAs();
    void SaveResultsAs();
    void SaveWorksheetAs();
    void SaveAnimationAs();
    QString AskPictureFile(const QString& title, const QString& filter, const QString& suffix);
    void PrintPicture(bool vector);
    void PrintResultsDialog(bool twoColumns);
    QStringList ResultLines() const;
    // The remembered session: read at the first show, written when the window closes.
    void RestoreSession();
    void NoteRecentFile(const QString& path);
    void FillRecentMenu();
    void NoteFolder(FileDialogKind kind, const QString& file);

    Session session_;
    std::vector<std::string> topicLines_; // the presets list
    bool activated_ = false;
    bool updatingLists_ = false;
    bool inStep_ = false;      // guards against nested drag and timer steps
    int dragVertex_ = -1;
    bool dragging_ = false;
    bool dragMoved_ = false; // the pressed vertex moved: no click
    int panelWidth_ = 210;
    bool messageBoxes_ = true;
    QString lastMessage_;
    QString lastOpenedFile_;
    QString dataFile_;                    // the open data file
    std::vector<std::string> savedLines_; // what it holds
    Memory memory_ = Memory::None;
    bool tikzBodyOnly_ = false; // the picture dialog's choice for TikZ
    QString sheetTitle_ = "Dreieck"; // the topic or data file the triangle came from
    bool geometryRestored_ = false;
    QStringList recentFiles_;
    std::array<QString, 4> folders_; // per FileDialogKind: the folder used last
    QMenu* recentMenu_ = nullptr;
    class HelpWindow* helpWindow_ = nullptr;
    RelationsList relations_;
    class LociPanel* lociPanel_ = nullptr;
    int chosenRelation_ = -1; // the relation chosen last, where "Berechnung" returns to
    QString relationsStatus_; // what the relations wrote in the status line
    qint64 relationsCost_ = 0;    // milliseconds the relations took to find, the last time
    bool relationsStale_ = false; // left for the end of a drag
    QUndoStack* undo_ = nullptr;
    bool restoring_ = false;                       // an undo step is being put back
    std::optional<SessionState> dragBefore_;       // the session when the drag began
    std::optional<SessionState> panBefore_;        // the session when the background's drag began
    QPoint panFrom_;                               // where the mouse was at the last pan
    std::function<void(QMenu*)> contextMenuShown_;
    std::optional<SessionState> animationBefore_;  // the session when the animation began
    int keyVertex_ = 0;                            // the vertex the arrow keys move
    bool keyVertexShown_ = false;                  // chosen by a key or a click: ringed
    int keyRun_ = 0;                               // arrow-key presses in a row merge into one step
    qint64 lastKeyMove_ = 0;

    DrawingArea* drawing_ = nullptr;
    QWidget* resultsPanel_ = nullptr;
    QListView* resultsView_ = nullptr;
    ResultsModel* resultsModel_ = nullptr;
    QLabel* entryCounter_ = nullptr;
    QLabel* zoomPanel_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QWidget* selectionPanel_ = nullptr;
    QSplitter* splitter_ = nullptr;
    std::array<QLineEdit*, 6> fields_{};
    std::array<QRadioButton*, 3> vertexRadios_{};
    std::array<QRadioButton*, 3> directionRadios_{};
    QSpinBox* speed_ = nullptr;
    QToolButton* animationButton_ = nullptr;
    QToolButton* panelButton_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QDockWidget* relationsDock_ = nullptr; // while relations are listed
    ResultsModel* relationsModel_ = nullptr;
    QListView* relationsView_ = nullptr;
    QWidget* relationsBar_ = nullptr; // over the relations
    QLabel* relationsTitle_ = nullptr;
    QLabel* relationsCount_ = nullptr;
    QComboBox* relationsPoint_ = nullptr;
    QLineEdit* relationsFilter_ = nullptr;
    std::array<QListWidget*, kTabCount> tabLists_{};
    std::array<QLabel*, kTabCount> noHits_{}; // "Keine Treffer" over a list the search emptied
    std::array<QString, kTabCount> pageNames_{};
    QToolBar* toolBar_ = nullptr;
    QTimer* timer_ = nullptr;
    // While dragging, the vertex follows every mouse move at once, but the picture is painted at
    // most once a screen refresh: moves that come faster wait for the next frame.
    QTimer* dragFrame_ = nullptr;
    qint64 lastDragPaint_ = 0;
    QMenu* pictureMenu_ = nullptr;
    QMenu* resultsMenu_ = nullptr;
    std::vector<QAction*> pictureTools_, resultsTools_;
};

} // namespace trimora
