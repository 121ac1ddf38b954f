// The habits of a desktop program: undo and redo of every kind of change, the keyboard in the
// drawing area and the topic menu, a search that ignores accents, Esc in a field, "Alles zeigen",
// recently opened files, and the session kept from one start to the next.
#include "app/core/session_state.h"
#include "app/drawing_area.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "base/field.h"
#include "draw/point_table.h"
#include "shown_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QMouseEvent>
#include <QTimer>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <functional>
#include <vector>

namespace trimora {
namespace {

class Habits : public ShownWindow {
  protected:
    Session& session() { return window->GetSession(); }
    SessionState State() { return CaptureState(session()); }
    QListWidget* List(int tab) { return window->TabListWidget(tab); }
    double FieldValue(int n) { return ReadField(window->Field(n)->text().toStdString()).value; }
};

TEST_F(Habits, EveryKindOfChangeIsOneStepThatUndoesAndRedoes) {
    QTemporaryDir dir;
    const QString data = dir.filePath("dreieck.tmo");
    {
        QFile f(data);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("0\r\n0\r\n4\r\n0\r\n0\r\n3\r\n#\r\n#\r\n#\r\n#\r\n");
    }
    DrawingArea* area = window->Drawing();
    const std::vector<std::pair<const char*, std::function<void()>>> changes{
        {"typed coordinates", [&] { window->Field(0)->setText("-1,5"); window->ApplyCoordinates(); }},
        {"drag", [&] {
             const IntPoint c = session().doc.points.screen[kSlotC];
             QTest::mousePress(area, Qt::LeftButton, {}, QPoint(c.x, c.y));
             QTest::mouseMove(area, QPoint(c.x + 30, c.y - 20));
             QTest::mouseMove(area, QPoint(c.x + 40, c.y - 30));
             QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(c.x + 40, c.y - 30));
         }},
        {"animation run", [&] {
             window->ToggleAnimation();
             QTest::qWait(60);
             window->ToggleAnimation();
         }},
        {"an entry", [&] { List(1)->item(3)->setCheckState(Qt::Checked); }},
        {"bulk selection", [&] { window->BulkSelect(); }},
        {"clear", [&] { window->ClearSelect(); }},
        {"topic", [&] { window->ChooseTopic("Feuerbach-Kreis"); }},
        {"data file", [&] { window->LoadDataFile(data); }},
        {"zoom", [&] { window->Action("stretchUp")->trigger(); }},
        {"axes", [&] { window->Action("axes")->trigger(); }},
        {"grid", [&] { window->Action("grid")->trigger(); }},
        {"millimetre grid", [&] { window->Action("mmgrid")->trigger(); }},
        {"trilinear", [&] { window->Action("trilinear")->trigger(); }},
        {"ETC numbers", [&] { window->Action("etcNumbers")->trigger(); }},
        {"shift", [&] { window->findChild<QAction*>("shift:arrow_left")->trigger(); }},
        {"fit", [&] { window->Action("fit")->trigger(); }},
        {"wheel zoom out", [&] { window->Action("stretchDown")->trigger(); }},
        {"basic setting", [&] { window->Action("basic")->trigger(); }},
    };
    QUndoStack* undo = window->UndoStack();
    std::vector<SessionState> states{State()};
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        const int before = undo->count();
        change();
        EXPECT_EQ(undo->count(), before + 1) << "one step";
        states.push_back(State());
        EXPECT_NE(states.back(), states[states.size() - 2]);
    }
    EXPECT_EQ(window->Action("undo")->text().toStdString(), "Rückgängig: Ansicht zurücksetzen");
    for (std::size_t n = changes.size(); n-- > 0;) {
        window->Action("undo")->trigger();
        ASSERT_EQ(State(), states[n]) << changes[n].first;
    }
    EXPECT_EQ(window->Field(0)->text().toStdString(), states.front().fields[0]);
    for (std::size_t n = 0; n < changes.size(); ++n) {
        window->Action("redo")->trigger();
        ASSERT_EQ(State(), states[n + 1]) << changes[n].first;
    }
    EXPECT_EQ(List(1)->item(3)->checkState(), session().tabChecked[1][3] ? Qt::Checked : Qt::Unchecked);
}

TEST_F(Habits, ArrowKeysMoveTheChosenVertexAsOneStepPerRun) {
    DrawingArea* area = window->Drawing();
    area->setFocus();
    QTest::keyClick(area, Qt::Key_2); // vertex B
    const double x = FieldValue(2), y = FieldValue(3);
    const int steps = window->UndoStack()->count();
    for (int n = 0; n < 3; ++n) QTest::keyClick(area, Qt::Key_Right);
    QTest::keyClick(area, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_NEAR(FieldValue(2), x + 0.03, 1e-9);
    EXPECT_NEAR(FieldValue(3), y + 0.10, 1e-9);
    QTest::keyClick(area, Qt::Key_Left, Qt::ControlModifier); // a tenth of a unit
    EXPECT_NEAR(FieldValue(2), x - 0.07, 1e-9);
    EXPECT_EQ(window->UndoStack()->count(), steps + 1);
    window->Action("undo")->trigger();
    EXPECT_NEAR(FieldValue(2), x, 1e-9);
    EXPECT_NEAR(FieldValue(3), y, 1e-9);
    // "+", "-" and "0" zoom and reset the view.
    QTest::keyClick(area, Qt::Key_Plus);
    EXPECT_NEAR(session().doc.view.stretchFactor, 1.1, 1e-9);
    QTest::keyClick(area, Qt::Key_0);
    EXPECT_EQ(session().doc.view.stretchFactor, 1.0);
}

TEST_F(Habits, TheTopicMenuWorksWithKeysAlone) {
    QMenu* topics = window->findChild<QMenu*>("topicsMenu");
    ASSERT_NE(topics, nullptr);
    topics->popup(QPoint(10, 10));
    QTest::qWait(50);
    auto* first = qobject_cast<QPushButton*>(QApplication::focusWidget());
    ASSERT_NE(first, nullptr) << "the menu starts on its first topic";
    QTest::keyClick(first, Qt::Key_Down);
    auto* second = qobject_cast<QPushButton*>(QApplication::focusWidget());
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, first);
    const std::string title = second->text().toStdString();
    QTest::keyClick(second, Qt::Key_Return);
    EXPECT_FALSE(topics->isVisible());
    EXPECT_EQ(window->UndoStack()->undoText().toStdString(), "Thema „" + title + "“");
}

TEST_F(Habits, SearchIgnoresAccentsAndGoesToAPageWithHits) {
    struct Case {
        const char* typed;
        const char* found;
    } cases[] = {{"Lemoine", "Lémoine"}, {"bezier", "Bézier"}, {"LEMOINE", "Lémoine"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        window->SearchField()->setText(c.typed);
        int hits = 0;
        for (int t = 0; t < kTabCount; ++t)
            for (int i = 0; i < List(t)->count(); ++i)
                if (!List(t)->isRowHidden(i)) {
                    ++hits;
                    EXPECT_TRUE(List(t)->item(i)->text().contains(QString::fromUtf8(c.found), Qt::CaseInsensitive));
                }
        EXPECT_GT(hits, 0);
        auto* pages = window->findChild<QTabWidget*>();
        QListWidget* shown = List(pages->currentIndex());
        int shownHits = 0;
        for (int i = 0; i < shown->count(); ++i) shownHits += !shown->isRowHidden(i);
        EXPECT_GT(shownHits, 0) << "the page shown has hits";
    }
}

TEST_F(Habits, EscInAFieldTakesBackTheEditAndKeepsTheWindow) {
    QApplication::setActiveWindow(window.get());
    QLineEdit* field = window->Field(1);
    const QString applied = field->text();
    field->setFocus();
    field->setText("7+");
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(field->text(), applied);
    QTest::keyClick(field, Qt::Key_Escape); // nothing left to take back: Esc closes as before
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Habits, ShowEverythingBringsAFarTriangleIntoTheArea) {
    for (int n = 0; n < 6; ++n) window->Field(n)->setText(QString::number(n % 2 ? 40 + n : 70 + n));
    window->ApplyCoordinates();
    window->Action("fit")->trigger();
    const int w = window->Drawing()->width(), h = window->Drawing()->height();
    for (int v : {kSlotA, kSlotB, kSlotC}) {
        const IntPoint p = session().doc.points.screen[v];
        EXPECT_GE(p.x, 20);
        EXPECT_LE(p.x, w - 20);
        EXPECT_GE(p.y, 20);
        EXPECT_LE(p.y, h - 20);
    }
}

// Dragging the background pans the picture as one undo step; a vertex keeps its own drag. The
// drawing area's context menu offers the picture's commands.
TEST_F(Habits, TheBackgroundPansAndTheAreaHasItsMenu) {
    DrawingArea* area = window->Drawing();
    const IntPoint a = session().doc.points.screen[kSlotA];
    const QPoint from(8, area->height() - 8); // a corner, far from every point
    QTest::mousePress(area, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(30, -20)), area->mapToGlobal(QPointF(from + QPoint(30, -20))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::LeftButton, {}, from + QPoint(30, -20));
    EXPECT_EQ(session().doc.view.panX, 30);
    EXPECT_EQ(session().doc.view.panY, -20);
    EXPECT_EQ(session().doc.points.screen[kSlotA], (IntPoint{a.x + 30, a.y - 20}));
    EXPECT_EQ(window->UndoStack()->undoText(), "Abbildung verschieben");
    window->UndoStack()->undo();
    EXPECT_EQ(session().doc.view.panX, 0);
    EXPECT_EQ(session().doc.points.screen[kSlotA], a);

    QStringList offered;
    window->OnContextMenu([&](QMenu* menu) {
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) offered << action->objectName();
        QTimer::singleShot(0, menu, &QMenu::close);
    });
    emit area->customContextMenuRequested(QPoint(20, 20));
    EXPECT_EQ(offered, (QStringList{"fit", "basic", "pictureCopy", "vectorCopy", "pictureSave", "picturePrint"}));
}

// The print previews show what "Drucken" prints: the picture on one page, the results on theirs.
TEST_F(Habits, PrintPreviewsShowThePages) {
    for (const bool results : {false, true}) {
        if (results) window->ShowResults();
        const auto dialog = window->MakePrintPreview(results);
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        preview->updatePreview();
        EXPECT_EQ(preview->pageCount(), 1) << results;
    }
}

// A choice is seen: the vertex chosen with 1, 2, 3 is ringed; the handbook says when its search
// finds nothing.
TEST_F(Habits, ChoicesAndSearchesAnswer) {
    DrawingArea* area = window->Drawing();
    area->setFocus();
    QApplication::setActiveWindow(window.get());
    for (const int key : {Qt::Key_2, Qt::Key_3, Qt::Key_1}) {
        QTest::keyClick(area, static_cast<Qt::Key>(key));
        const IntPoint v = session().doc.points.screen[kSlotA + key - Qt::Key_1];
        EXPECT_EQ(area->KeyVertex(), std::optional<QPointF>(QPointF(v.x, v.y))) << key;
    }
    HelpWindow help;
    EXPECT_FALSE(help.Find("Quetzalcoatl"));
    EXPECT_EQ(help.SearchResult()->text(), "Nichts gefunden");
    EXPECT_TRUE(help.Find("Feuerbach"));
    EXPECT_TRUE(help.SearchResult()->text().isEmpty());
}

// The position's read-out is shown whole at the window's first size, trilinears and all.
TEST_F(Habits, TheReadOutIsShownWhole) {
    window->Action("trilinear")->trigger();
    DrawingArea* area = window->Drawing();
    const QPointF at(300, 330);
    QMouseEvent move(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    const QLabel* panel = window->StatusPanel();
    ASSERT_TRUE(panel->text().contains("trilinear(")) << panel->text().toStdString();
    EXPECT_FALSE(panel->text().contains(QChar(0x2026))) << panel->text().toStdString(); // nothing cut off
    const QStringList lines = panel->text().split('\n');
    for (const QString& line : lines)
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(line), panel->contentsRect().width()) << line.toStdString();
    EXPECT_LE(panel->fontMetrics().lineSpacing() * lines.size(), panel->contentsRect().height());
}

// Switching between picture and results hands the keyboard from one to the other, never to the
// first coordinate field (where typing would replace its selected text).
TEST_F(Habits, TheKeyboardFollowsPictureAndResults) {
    QApplication::setActiveWindow(window.get());
    window->Drawing()->setFocus();
    window->ShowResults();
    EXPECT_NE(QApplication::focusWidget(), window->Field(0));
    EXPECT_TRUE(window->findChild<QWidget*>("resultsView")->hasFocus());
    window->ShowPicture();
    EXPECT_TRUE(window->Drawing()->hasFocus());
}

TEST_F(Habits, AMissingRecentFileIsDroppedWithAMessage) {
    QTemporaryDir dir;
    const QString data = dir.filePath("weg.tmo");
    ASSERT_TRUE(window->SaveDataFile(data));
    ASSERT_EQ(window->RecentFiles().value(0), data);
    QFile::remove(data);
    window->OpenRecentFile(data);
    EXPECT_TRUE(window->RecentFiles().isEmpty());
    EXPECT_TRUE(window->LastMessage().contains("gibt es nicht mehr"));
}

// The session kept across starts: each step runs in a process of its own (this test program again),
// with a configuration folder of the test's own.
constexpr const char* kStepVariable = "TRIMORA_SESSION_STEP";

TEST(SessionAcrossStarts, TheNextStartShowsTheSameTriangleEntriesAndView) {
    if (qEnvironmentVariableIsSet(kStepVariable)) GTEST_SKIP() << "a step of the test below";
    QTemporaryDir config;
    auto run = [&](const char* step) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert(kStepVariable, step);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=SessionStep.Run"});
        EXPECT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0) << step << "\n" << child.readAll().toStdString();
    };
    run("store");
    run("check");
    // A damaged file: the window starts with the defaults.
    QFile garbage(config.path() + "/trimora/trimora.ini");
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    static const char kJunk[] = "\x01\x02[[[\nformat=\xff\xfe\nsession\\entries=zzz\n\x00\x00";
    garbage.write(kJunk, sizeof kJunk);
    garbage.close();
    run("defaults");
}

TEST(SessionStep, Run) {
    const QByteArray step = qgetenv(kStepVariable);
    if (step.isEmpty()) GTEST_SKIP() << "runs as a step of SessionAcrossStarts";
    MainWindow defaults; // remembers nothing: what a first start shows
    defaults.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&defaults));
    const SessionState start = CaptureState(defaults.GetSession());
    MainWindow window(nullptr, MainWindow::Memory::Restore);
    window.SetMessageBoxesEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    if (step == "store") {
        window.ChooseTopic("Feuerbach-Kreis");
        window.Field(0)->setText("0,25");
        window.ApplyCoordinates();
        window.Action("axes")->trigger();
        window.Action("stretchUp")->trigger();
        window.close();
    } else if (step == "check") {
        const Session& s = window.GetSession();
        EXPECT_EQ(s.doc.fields[0], "0,25");
        EXPECT_GT(s.doc.checked.count(), 7u); // the topic's entries
        EXPECT_TRUE(s.doc.view.showAxes);
        EXPECT_NEAR(s.doc.view.stretchFactor, 1.1, 1e-9);
        EXPECT_NE(CaptureState(s), start);
        EXPECT_EQ(window.Field(0)->text().toStdString(), s.doc.fields[0]);
    } else {
        EXPECT_EQ(CaptureState(window.GetSession()), start);
    }
}

} // namespace
} // namespace trimora
