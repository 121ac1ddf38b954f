// The window as a new user meets it: file dialogs, Esc in the search field, the format of a typed
// picture name, search feedback, readable lists and fields, switch buttons, results encodings,
// the smallest window and Qt's own texts in German.
#include "app/main_window.h"
#include "app/translation.h"
#include "base/catalogue.h"
#include "shown_window.h"
#include "tools_in_reach.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include <memory>

namespace trimora {
namespace {

class Window : public ShownWindow {
  protected:
    QListWidget* list(const char* name) {
        for (int t = 0; t < kTabCount; ++t)
            if (window->TabListWidget(t)->objectName() == name) return window->TabListWidget(t);
        return nullptr;
    }
    QByteArray Bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Answers the next file dialog as a user would: picks a filter, types a name, presses Save.
    void AnswerNextDialog(int filter, const QString& name) {
        QTimer::singleShot(0, [filter, name] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectNameFilter(dialog->nameFilters().value(filter));
            // As a user picks it: the dialog's own list reports the choice.
            if (auto* types = dialog->findChild<QComboBox*>("fileTypeCombo")) {
                emit types->activated(filter);
                emit types->textActivated(types->itemText(filter));
            }
            dialog->selectFile(name);
            static_cast<QDialog*>(dialog)->accept(); // public in QDialog, the same virtual
        });
    }
    QTemporaryDir dir;
};

TEST_F(Window, FileDialogsStartInTheDocumentsFolderOrHomeWithANameToSuggest) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    using Kind = MainWindow::FileDialogKind;
    int cases = 0;
    for (const bool documentsExist : {false, true}) {
        if (documentsExist) QDir(home.path()).mkdir("Documents");
        const QString expected = documentsExist ? home.path() + "/Documents" : home.path();
        for (Kind kind : {Kind::LoadData, Kind::SaveData, Kind::SavePicture, Kind::SaveResults}) {
            const auto dialog = window->MakeFileDialog(kind);
            EXPECT_EQ(dialog->directory().absolutePath(), QDir(expected).absolutePath()) << documentsExist;
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            // Saving suggests the topic's name ("Dreieck" at the start); loading none.
            const QString suggested = kind == Kind::LoadData ? "" : "Dreieck." + dialog->defaultSuffix();
            EXPECT_EQ(name->text(), suggested) << static_cast<int>(kind);
            // Another filter takes the suggestion's extension along: "Dreieck.txt" would save text
            // though the table was chosen.
            if (kind == Kind::SaveResults) {
                emit dialog->filterSelected(dialog->nameFilters().value(kResultsTableFilter));
                EXPECT_EQ(name->text(), "Dreieck.csv");
            }
            ++cases;
        }
    }
    EXPECT_EQ(cases, 8);
    qputenv("HOME", oldHome);
    if (oldConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);
}

TEST_F(Window, EscInTheSearchFieldClearsTheSearchAndKeepsTheWindow) {
    QApplication::setActiveWindow(window.get());
    QLineEdit* search = window->SearchField();
    search->setFocus();
    QTest::keyClicks(search, "Lot");
    QTest::keyClick(search, Qt::Key_Escape);
    EXPECT_EQ(search->text(), "");
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(search, Qt::Key_Escape); // also on an empty field
    EXPECT_TRUE(window->isVisible());
    // Anywhere else Esc is still "Beenden".
    window->Field(0)->setFocus();
    QTest::keyClick(window->Field(0), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Window, ATypedExtensionChoosesThePictureFormat) {
    const struct {
        const char* typed;
        int filter; // 1-based, as in the dialog
        const char* written;
        QByteArray magic;
    } table[] = {
        {"a.png", 4, "a.png", "\x89PNG"},   // GIF filter, PNG name: PNG data
        {"b", 4, "b.gif", "GIF8"},          // no extension: the filter's
        {"c.JPG", 5, "c.JPG", "\xFF\xD8"},  // upper case counts too
        {"d.v2", 5, "d.v2.png", "\x89PNG"}, // an unknown extension is kept, the filter's added
        {"e.bmp", 2, "e.bmp", "BM"},        // with the 16-colour filter ...
    };
    for (const auto& row : table) {
        AnswerNextDialog(row.filter - 1, dir.filePath(row.typed));
        window->Action("pictureSave")->trigger();
        EXPECT_TRUE(Bytes(dir.filePath(row.written)).startsWith(row.magic)) << row.typed;
    }
    EXPECT_EQ(Bytes(dir.filePath("e.bmp")).at(28), 4); // ... 4 bits per pixel
    EXPECT_FALSE(QFile::exists(dir.filePath("a.png.gif")));
}

TEST_F(Window, TheGifOfAnAntiAliasedPictureKeepsItsWhiteBackground) {
    for (int entry : {16, 17, 20})
        window->GetSession().doc.SetOn(entry, true); // circles: many shades
    ASSERT_TRUE(window->SavePicture(dir.filePath("p.png"), 5));
    ASSERT_TRUE(window->SavePicture(dir.filePath("p.gif"), 4));
    const QImage png(dir.filePath("p.png")), gif(dir.filePath("p.gif"));
    QSet<QRgb> colours;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            colours.insert(png.pixel(x, y));
    ASSERT_GT(colours.size(), 256); // the quantiser has to work
    ASSERT_EQ(gif.size(), png.size());
    EXPECT_EQ(QColor(gif.pixel(5, 5)), QColor(Qt::white));
    EXPECT_EQ(QColor(gif.pixel(gif.width() - 5, gif.height() - 5)), QColor(Qt::white));
}

TEST_F(Window, SearchShowsTheHitsInTheTabsAndKeineTrefferInAnEmptyList) {
    auto* pages = window->findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    QStringList names;
    for (int t = 0; t < kTabCount; ++t)
        names << pages->tabText(t);
    window->SearchField()->setText("Ajima-Malfatti-Pkt");
    int empty = 0, found = 0;
    for (int t = 0; t < kTabCount; ++t) {
        QListWidget* w = window->TabListWidget(t);
        int hits = 0;
        for (int i = 0; i < w->count(); ++i)
            hits += w->item(i)->text().contains("ajima-malfatti-pkt", Qt::CaseInsensitive);
        EXPECT_EQ(pages->tabText(t), QString("%1\n(%2)").arg(names[t]).arg(hits));
        auto* none = w->viewport()->findChild<QLabel*>();
        ASSERT_NE(none, nullptr);
        EXPECT_EQ(none->text(), "Keine Treffer");
        EXPECT_EQ(none->isVisibleTo(w), hits == 0) << t;
        (hits == 0 ? empty : found) += 1;
    }
    EXPECT_GT(empty, 0);
    EXPECT_GT(found, 0);
    window->SearchField()->clear();
    for (int t = 0; t < kTabCount; ++t) {
        EXPECT_EQ(pages->tabText(t), names[t]);
        EXPECT_FALSE(window->TabListWidget(t)->viewport()->findChild<QLabel*>()->isVisibleTo(
            window->TabListWidget(t)));
    }
}

TEST_F(Window, LongNamesThatDifferAtTheEndStayApartInTheNarrowList) {
    QListWidget* w = list("CL2x");
    ASSERT_NE(w, nullptr);
    auto* pages = window->findChild<QTabWidget*>();
    pages->setCurrentWidget(w);
    QApplication::processEvents();
    const auto a = w->findItems("1.Ajima-Malfatti-Pkt-Lotpunkte", Qt::MatchExactly);
    const auto b = w->findItems("1.Ajima-Malfatti-Pkt-Lotdreieck", Qt::MatchExactly);
    ASSERT_EQ(a.size(), 1);
    ASSERT_EQ(b.size(), 1);
    // The names are too long for the list: cut at the end they would read the same.
    const QFontMetrics metrics(w->font());
    const int room = w->visualItemRect(a[0]).width() - 30;
    ASSERT_EQ(metrics.elidedText(a[0]->text(), Qt::ElideRight, room),
              metrics.elidedText(b[0]->text(), Qt::ElideRight, room));
    auto picture = [&](QListWidgetItem* item) {
        w->scrollToItem(item);
        QApplication::processEvents();
        return w->viewport()->grab(w->visualItemRect(item)).toImage();
    };
    EXPECT_NE(picture(a[0]), picture(b[0]));
}

TEST_F(Window, ACoordinateFieldShowsTheStartOfAFormulaAndAllOfItAsTooltip) {
    QLineEdit* field = window->Field(0);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "3*SQRT(3)/4+0,25");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(field->cursorPosition(), 0);
    EXPECT_EQ(field->toolTip(), "3*SQRT(3)/4+0,25");
}

TEST_F(Window, TheSwitchButtonsShowTheirStateLikeTheMenu) {
    int cases = 0;
    for (const char* name : {"axes", "grid", "mmgrid"}) {
        QAction* menu = window->Action(name);
        QToolButton* button = window->ToolButtonFor(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_TRUE(button->isCheckable());
        EXPECT_FALSE(button->isChecked());
        menu->trigger();
        EXPECT_TRUE(button->isChecked()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_FALSE(button->isChecked()) << name;
        EXPECT_FALSE(menu->isChecked()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(menu->isChecked()) << name;
        ++cases;
    }
    EXPECT_EQ(cases, 3);
    // Grid and millimetre grid exclude each other: switching on the latter releases the former.
    const ViewSettings& v = window->GetSession().doc.view;
    EXPECT_TRUE(v.showAxes && !v.showGrid && v.showMmGrid);
    EXPECT_FALSE(window->ToolButtonFor("grid")->isChecked());
    EXPECT_TRUE(window->ToolButtonFor("mmgrid")->isChecked());
}

TEST_F(Window, ResultsAreSavedAsUtf8FirstOrAsWindowsTextOrAsATable) {
    window->ShowResults();
    const auto dialog = window->MakeFileDialog(MainWindow::FileDialogKind::SaveResults);
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{"Text (UTF-8) (*.txt)", "Text (Windows-1252) (*.txt)", "Tabelle (CSV) (*.csv)"}));
    EXPECT_EQ(dialog->selectedNameFilter(), dialog->nameFilters().front());
    const struct {
        int filter;
        const char* name;
        QByteArray area; // "Flächeninhalt" and its line end
    } table[] = {{0, "utf8.txt",
                  "Fl\xC3\xA4"
                  "cheninhalt\t"},
                 {1, "ansi.txt",
                  "Fl\xE4"
                  "cheninhalt\t"},
                 {2, "tabelle.csv", "Fl\xC3\xA4"
                                    "cheninhalt;Fl\xC3\xA4"
                                    "che;"}};
    for (const auto& row : table) {
        AnswerNextDialog(row.filter, dir.filePath(row.name));
        window->Action("resultsSave")->trigger();
        const QByteArray bytes = Bytes(dir.filePath(row.name));
        EXPECT_TRUE(bytes.contains(row.area)) << row.name;
        EXPECT_EQ(bytes.contains("\r\n"), row.filter != 0) << row.name;
    }
}

// The name typed in the results dialog: without an extension it gets the filter's, never two.
TEST_F(Window, ResultsNamesTypedWithOrWithoutAnExtension) {
    window->ShowResults();
    const struct {
        int filter;
        const char* typed;
        const char* written;
        bool table;
    } table[] = {{2, "ohne", "ohne.csv", true},       {2, "text.txt", "text.txt", false},
                 {2, "tabelle.csv", "tabelle.csv", true}, {2, "lauf.v2", "lauf.v2.csv", true},
                 {0, "ohne0", "ohne0.txt", false},     {1, "andere.dat", "andere.dat", false},
                 {0, "liste.CSV", "liste.CSV", true}};
    int cases = 0;
    for (const auto& row : table) {
        AnswerNextDialog(row.filter, dir.filePath(row.typed));
        window->Action("resultsSave")->trigger();
        const QByteArray bytes = Bytes(dir.filePath(row.written));
        ASSERT_FALSE(bytes.isEmpty()) << row.typed << " -> " << row.written << ": " << QDir(dir.path()).entryList().join(" ").toStdString();
        EXPECT_EQ(bytes.contains("cheninhalt;"), row.table) << row.typed;
        ++cases;
    }
    EXPECT_EQ(cases, 7);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 7) << QDir(dir.path()).entryList().join(' ').toStdString();
}

// At the standard size every tool is in sight; a smaller window keeps the tools that do not fit
// in the tool bar's extension menu, and every page tab in sight.
TEST_F(Window, AtItsMinimumSizeEveryToolAndTabStaysReachable) {
    auto* bar = window->findChild<QToolBar*>("toolbar");
    auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button");
    EXPECT_TRUE(more == nullptr || !more->isVisible());
    window->resize(window->minimumSizeHint());
    QApplication::processEvents();
    EXPECT_EQ(window->size(), window->minimumSizeHint());
    EXPECT_TRUE(EveryToolInReach(bar));
    auto* pages = window->findChild<QTabWidget*>();
    window->SearchField()->setText("e"); // captions with hit counts are longer
    QApplication::processEvents();
    for (QToolButton* scroll : pages->tabBar()->findChildren<QToolButton*>())
        EXPECT_FALSE(scroll->isVisible());
}

// The selection panel scrolls: the window's least height is that of the menus, tools and a small
// picture, so that it fits a low screen (1400 x 1000 pixels at display scale 2 are 500 logical
// pixels high); the panel's lists stay reachable by scrolling.
TEST_F(Window, TheLeastHeightFitsALowScreen) {
    EXPECT_LE(window->minimumSizeHint().height(), 500) << window->minimumSizeHint().height();
    window->resize(window->width(), 400);
    QApplication::processEvents();
    auto* scroll = window->findChild<QScrollArea*>("selectionScroll");
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
}

TEST(Translation, QtsOwnButtonsSpeakGerman) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        GTEST_SKIP() << "Qt's German translations are not installed";
    QTranslator* translator = InstallGermanTranslations(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr);
    QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove('&'), "Abbrechen");
    EXPECT_EQ(box.button(QDialogButtonBox::Save)->text().remove('&'), "Speichern");
    QCoreApplication::removeTranslator(translator); // the other tests see Qt's texts unchanged
    delete translator;
}

} // namespace
} // namespace trimora
