// The main window on the offscreen platform: real widgets, real actions, real mouse events.
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/picture_export.h"
#include "app/qpainter_canvas.h"
#include "app/results_view.h"
#include "base/catalogue.h"
#include "offscreen_screen.h"
#include "shown_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPrinter>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

#include <memory>

namespace trimora {
namespace {

class Gui : public ShownWindow {
protected:
    Session& session() { return window->GetSession(); }
    QListWidget* list(const char* name) {
        for (int t = 0; t < kTabCount; ++t)
            if (window->TabListWidget(t)->objectName() == name) return window->TabListWidget(t);
        return nullptr;
    }
    int CheckedCount(QListWidget* w) {
        int n = 0;
        for (int i = 0; i < w->count(); ++i) n += w->item(i)->checkState() == Qt::Checked;
        return n;
    }
};

TEST_F(Gui, StartUpCheckMarksAndFields) {
    QListWidget* general = list("CL1x");
    ASSERT_NE(general, nullptr);
    for (int i = 0; i < general->count(); ++i) EXPECT_EQ(general->item(i)->checkState() == Qt::Checked, i < 7) << i;
    for (int e = 0; e < kEntryCount; ++e) EXPECT_EQ(session().doc.IsOn(e), e <= 6) << e;
    // The fields are written from the start pixels around the drawing area's centre.
    const IntPoint a = session().doc.points.screen[kSlotA];
    EXPECT_EQ(a, (IntPoint{290, 190}));
    EXPECT_FALSE(window->Field(0)->text().isEmpty());
    EXPECT_TRUE(window->ZoomPanel()->text().startsWith("Streckungsfaktor 1"));
    EXPECT_EQ(window->Drawing()->size(), QSize(821, 660));
}

TEST_F(Gui, TogglingAnItemCopiesTheWholeList) {
    QListWidget* aToM = list("CL3x");
    session().doc.SetOn(247); // as a topic may have left it
    aToM->item(12)->setCheckState(Qt::Checked);
    const int entry = TabLists()[1].items[12];
    EXPECT_TRUE(session().doc.IsOn(entry));
    EXPECT_FALSE(session().doc.IsOn(247));
}

TEST_F(Gui, BulkSelectionTwiceAndClearButton) {
    window->Action("bulk")->trigger();
    EXPECT_EQ(CheckedCount(list("CL3x")), 206);
    EXPECT_EQ(CheckedCount(list("CL4x")), 140);
    EXPECT_EQ(CheckedCount(list("CL2x")), 0);
    window->Action("bulk")->trigger();
    EXPECT_EQ(CheckedCount(list("CL1x")), 7);
    EXPECT_EQ(CheckedCount(list("CL3x")), 0);

    list("CL4x")->item(0)->setCheckState(Qt::Checked);
    window->findChild<QToolButton*>("clearSelection")->click();
    EXPECT_EQ(CheckedCount(list("CL4x")), 0);
    EXPECT_EQ(CheckedCount(list("CL1x")), 7);
}

TEST_F(Gui, EscapeStopsTheAnimationFirstThenCloses) {
    window->Action("animation")->trigger();
    EXPECT_TRUE(window->AnimationTimer()->isActive());
    QTest::qWait(40);
    window->Action("exit")->trigger();
    EXPECT_FALSE(window->AnimationTimer()->isActive());
    EXPECT_TRUE(window->isVisible());
    window->Action("exit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Gui, AnimationMovesTheVertexField) {
    window->Field(0)->setText("0");
    window->Field(1)->setText("0");
    window->Action("animation")->trigger();
    QTest::qWait(100);
    window->Action("animation")->trigger();
    EXPECT_NE(window->Field(0)->text(), "0");
    EXPECT_FALSE(window->AnimationTimer()->isActive());
}

TEST_F(Gui, DraggingAVertexRewritesAllSixFields) {
    DrawingArea* area = window->Drawing();
    for (int n = 0; n < 6; ++n) window->Field(n)->setText("7");
    const IntPoint c = session().doc.points.screen[kSlotC];
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(c.x + 2, c.y + 2));
    QTest::mouseMove(area, QPoint(c.x + 40, c.y - 30));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(c.x + 40, c.y - 30));
    EXPECT_EQ(session().doc.points.screen[kSlotC], (IntPoint{c.x + 40, c.y - 30}));
    for (int n = 0; n < 6; ++n) EXPECT_NE(window->Field(n)->text(), "7") << n;
}

TEST_F(Gui, RightButtonSelectsButDoesNotDrag) {
    DrawingArea* area = window->Drawing();
    const IntPoint a = session().doc.points.screen[kSlotA];
    QTest::mousePress(area, Qt::RightButton, {}, QPoint(a.x, a.y));
    QTest::mouseMove(area, QPoint(a.x + 30, a.y + 30));
    EXPECT_EQ(session().doc.points.screen[kSlotA], a);
}

TEST_F(Gui, StretchStepsAndGrids) {
    for (int n = 0; n < 12; ++n) window->Action("stretchDown")->trigger();
    EXPECT_DOUBLE_EQ(session().doc.view.stretchFactor, 0.2);
    EXPECT_EQ(window->ZoomPanel()->text(), "Streckungsfaktor 0,2");
    window->Action("grid")->trigger();
    window->Action("mmgrid")->trigger();
    EXPECT_TRUE(window->Action("mmgrid")->isChecked());
    EXPECT_FALSE(window->Action("grid")->isChecked());
    window->Action("basic")->trigger();
    EXPECT_DOUBLE_EQ(session().doc.view.stretchFactor, 1.0);
}

TEST_F(Gui, ResultsModeFillsTheListAndCounts) {
    window->Action("stretchUp")->trigger();
    window->ShowResults();
    EXPECT_DOUBLE_EQ(session().doc.view.stretchFactor, 1.0);
    const int lines = window->Results()->rowCount();
    EXPECT_GT(lines, 10);
    EXPECT_EQ(window->EntryCounter()->text(), QString("%1 Einträge").arg(lines));
    EXPECT_TRUE(window->Results()->Line(0).startsWith("Punkt A\t( "));
    window->ShowPicture();
    EXPECT_TRUE(window->Drawing()->isVisible());
}

TEST_F(Gui, TopicFromTheMenu) {
    window->ChooseTopic("Grunddreieck");
    EXPECT_EQ(window->Field(0)->text(), "1");
    EXPECT_EQ(window->Field(3)->text(), "-1");
    EXPECT_TRUE(session().doc.IsOn(67)); // "Lémoine-Punkt"
    EXPECT_EQ(CheckedCount(list("CL1x")), 28);
}

TEST_F(Gui, FieldErrorsAreMarked) {
    window->Field(2)->setText("SQRT(-1)");
    EXPECT_TRUE(window->Field(2)->styleSheet().contains("red"));
    EXPECT_TRUE(window->Field(2)->toolTip().contains("0"));
    window->Field(2)->setText("1,5");
    EXPECT_TRUE(window->Field(2)->styleSheet().isEmpty());
}

TEST_F(Gui, DataFilesRoundTripAndFailedSavesKeepTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("dreieck.tmo");
    window->Field(0)->setText("SQRT(2)");
    list("CL4x")->item(3)->setCheckState(Qt::Checked);
    ASSERT_TRUE(window->SaveDataFile(path));

    MainWindow other;
    other.SetMessageBoxesEnabled(false);
    ASSERT_TRUE(other.LoadDataFile(path));
    EXPECT_EQ(other.Field(0)->text(), "SQRT(2)");
    EXPECT_EQ(other.GetSession().tabChecked, session().tabChecked);

    // A save that cannot be written reports in German and leaves the old file as it was.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    window->Field(0)->setText("5");
    const bool saved = window->SaveDataFile(path);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!saved) { // root may write anyway
        EXPECT_TRUE(window->LastMessage().contains("konnte nicht geschrieben werden"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
    }
    EXPECT_FALSE(window->SaveDataFile(dir.filePath("fehlt/x.tmo")));
    EXPECT_TRUE(window->LastMessage().contains("konnte nicht geschrieben werden"));

    EXPECT_FALSE(window->LoadDataFile(dir.filePath("gibt-es-nicht.tmo")));
    EXPECT_TRUE(window->LastMessage().contains("kann nicht geöffnet werden"));
}

TEST_F(Gui, SelectionPanelCollapsesAndKeepsWorldCoordinates) {
    const QString before = window->Field(0)->text();
    window->ToggleSelectionPanel();
    QApplication::processEvents();
    EXPECT_LE(window->SelectionPanel()->width(), 1);
    EXPECT_FALSE(window->Action("panel")->isChecked());
    EXPECT_EQ(window->Field(0)->text(), before);
    window->ToggleSelectionPanel();
    QApplication::processEvents();
    EXPECT_GT(window->SelectionPanel()->width(), 100);
}

TEST_F(Gui, SelectionPanelAppliesTheFieldsAlsoInResultsMode) {
    window->ShowResults();
    window->ToggleAnimation();
    window->Field(0)->setText("2");
    window->ToggleSelectionPanel();
    QApplication::processEvents();
    EXPECT_FALSE(window->AnimationTimer()->isActive());
    EXPECT_FALSE(window->Action("animation")->isChecked());
    EXPECT_TRUE(window->Results()->Line(0).startsWith("Punkt A\t( 2 | ")) << window->Results()->Line(0).toStdString();
}

TEST_F(Gui, AllFourPageTabsAreReadableInTheStandardWindow) {
    auto* pages = window->findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    QTabBar* tabs = pages->tabBar();
    ASSERT_EQ(tabs->count(), 4);
    for (int t = 0; t < tabs->count(); ++t) {
        const QRect r = tabs->tabRect(t);
        EXPECT_TRUE(tabs->rect().contains(r)) << tabs->tabText(t).toStdString();
        // Vertical tabs: the text runs along the tab's height.
        EXPECT_GE(r.height(), tabs->fontMetrics().horizontalAdvance(tabs->tabText(t))) << tabs->tabText(t).toStdString();
    }
}

// The visible tool bar from left to right: hints of the buttons, "|" for a spacer, "[]" for a
// panel and "" for a shift arrow.
QStringList VisibleTools(QToolBar* bar) {
    QStringList tools;
    for (QAction* a : bar->actions()) {
        if (!a->isVisible()) continue;
        if (a->isSeparator())
            tools << "|";
        else if (qobject_cast<QWidgetAction*>(a) || !bar->widgetForAction(a) || !qobject_cast<QToolButton*>(bar->widgetForAction(a)))
            tools << "[]";
        else
            tools << a->toolTip();
    }
    return tools;
}

TEST_F(Gui, ToolBarsInTheirOrderWithTheirSpacers) {
    auto* bar = window->findChild<QToolBar*>("toolbar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(VisibleTools(bar).join(" / ").toStdString(),
              "Daten laden / Daten speichern / | / Rückgängig / Wiederholen / | / Abbildung drucken / "
              "Vektorgrafik drucken / | / "
              "Abbildung kopieren / Vektorgrafik in Zwischenablage kopieren / Abbildung speichern / | / "
              "Millimeternetz ein- und ausschalten / Gitternetz ein- und ausschalten / "
              "Koordinatensystem ein- und ausschalten / Intervall vergrößern / Ansicht zurücksetzen / "
              "Intervall verkleinern / Alles zeigen / [] / Abbildung nach links verschieben / "
              "Abbildung nach rechts verschieben / Abbildung nach unten verschieben / "
              "Abbildung nach oben verschieben / [] / []");
    window->ShowResults();
    EXPECT_EQ(VisibleTools(bar).join(" / ").toStdString(),
              "Daten laden / Daten speichern / | / Rückgängig / Wiederholen / | / "
              "Berechnungsergebnisse speichern / Berechnungsergebnisse drucken / "
              "zwei Seiten auf ein Blatt drucken / Berechnungsergebnisse kopieren / [] / []");
}

TEST_F(Gui, VisibleToolButtonsHaveDifferentPictures) {
    // Two buttons side by side with the same picture but different commands are easily confused
    // ("Daten speichern" and "Berechnungsergebnisse speichern").
    auto* bar = window->findChild<QToolBar*>("toolbar");
    ASSERT_NE(bar, nullptr);
    for (int mode = 0; mode < 2; ++mode) {
        if (mode == 1) window->ShowResults();
        QMap<QString, QString> seen; // picture bytes -> hint
        for (QAction* a : bar->actions()) {
            if (!a->isVisible() || a->icon().isNull()) continue;
            const QImage picture = a->icon().pixmap(20, 20).toImage();
            const QString key = QString::fromLatin1(
                QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()).toBase64());
            EXPECT_FALSE(seen.contains(key)) << a->toolTip().toStdString() << " / " << seen.value(key).toStdString();
            seen.insert(key, a->toolTip());
        }
    }
}

TEST_F(Gui, SelectionPanelLabelsSitOnThePanelsGrey) {
    // The white of the drawing side must not shine through behind the labels of the grey panel.
    QWidget* panel = window->SelectionPanel();
    const QImage image = panel->grab().toImage();
    int labels = 0;
    for (QLabel* label : panel->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) continue;
        const QPoint corner = label->mapTo(panel, QPoint(label->width() - 1, 0));
        EXPECT_EQ(QColor(image.pixel(corner)), QColor(0xF0, 0xF0, 0xF0)) << label->text().toStdString();
        ++labels;
    }
    EXPECT_GE(labels, 8); // "Dreieckskoordinaten", "A (", ";", ")", ..., "Geschw.", "Darstellung von ..."
}

TEST_F(Gui, SpeedLabelSitsRightAboveTheSpinField) {
    QSpinBox* speed = window->findChild<QSpinBox*>();
    ASSERT_NE(speed, nullptr);
    QLabel* label = nullptr;
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->text() == "Geschw.") label = l;
    ASSERT_NE(label, nullptr);
    const QRect text = label->contentsRect();
    const int textBottom = label->mapTo(window.get(), QPoint(0, (text.height() + label->fontMetrics().height()) / 2)).y();
    const int spinTop = speed->mapTo(window.get(), QPoint(0, 0)).y();
    EXPECT_GE(spinTop, textBottom);
    EXPECT_LE(spinTop - textBottom, 8);
}

TEST_F(Gui, ElementNamesCutOffInTheListCanBeReadAsTooltips) {
    int cut = 0;
    const int room = window->TabListWidget(0)->viewport()->width() - 24; // the shown list, less the check box
    for (int t = 0; t < kTabCount; ++t) {
        QListWidget* w = window->TabListWidget(t);
        for (int i = 0; i < w->count(); ++i) {
            QListWidgetItem* item = w->item(i);
            if (w->fontMetrics().horizontalAdvance(item->text()) <= room) continue;
            ++cut;
            // The whole name, for a centre followed by its number X(n).
            EXPECT_TRUE(item->data(Qt::ToolTipRole).toString().startsWith(item->text()));
        }
    }
    EXPECT_GT(cut, 0); // the standard panel is too narrow for the longest names
}

TEST_F(Gui, EveryPictureFormatReadsBack) {
    QTemporaryDir dir;
    window->ChooseTopic("Grunddreieck");
    const int w = window->Drawing()->width(), h = window->Drawing()->height();
    const struct {
        int format;
        const char* name;
        int depth; // bits per pixel as the reader reports them, 0: not checked
    } cases[] = {{1, "a.bmp", 24}, {2, "b.bmp", 4}, {3, "c.jpg", 0}, {4, "d.gif", 8}, {5, "e.png", 0}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        ASSERT_TRUE(window->SavePicture(path, c.format)) << c.name << " " << window->LastMessage().toStdString();
        QImageReader reader(path);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << c.name;
        EXPECT_EQ(image.size(), QSize(w, h)) << c.name;
        if (c.format == 2) {
            EXPECT_EQ(image.colorCount(), 16);
            EXPECT_EQ(image.format(), QImage::Format_Indexed8); // Qt's reader widens 4-bit bitmaps
        }
    }
    // PNG holds exactly the raster picture; the GIF too when the picture has few enough colours.
    Document doc = window->GetSession().doc;
    QImage raster(w, h, QImage::Format_RGB32);
    RenderPicture(doc, raster, false, true);
    const QImage png = QImage(dir.filePath("e.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(png, raster);
    QSet<QRgb> colours;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) colours.insert(raster.pixel(x, y));
    if (colours.size() <= 256) {
        EXPECT_EQ(QImage(dir.filePath("d.gif")).convertToFormat(QImage::Format_RGB32), raster);
    }

    ASSERT_TRUE(window->SavePicture(dir.filePath("f.svg"), 7));
    QFile svg(dir.filePath("f.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("<circle")); // the vertex marks
    EXPECT_TRUE(text.contains(">A</text>"));
    ASSERT_TRUE(window->SavePicture(dir.filePath("g.pdf"), 8));
    ASSERT_TRUE(window->SavePicture(dir.filePath("h.wmf"), 6));
    QFile wmf(dir.filePath("h.wmf"));
    ASSERT_TRUE(wmf.open(QIODevice::ReadOnly));
    EXPECT_EQ(wmf.readAll().mid(40, 4), QByteArray(" EMF"));
}

TEST_F(Gui, PictureDialogOffersTheResolutionForRasterFormats) {
    QTemporaryDir dir;
    const QString path = dir.filePath("fein.gif");
    bool resolutionShown = false, vectorWithoutResolution = false, nameSuggested = false;
    auto* poll = new QTimer(window.get());
    QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->deleteLater();
        auto* resolution = dialog->findChild<QSpinBox*>("pictureResolution");
        if (!resolution) return dialog->reject();
        resolutionShown = resolution->isVisible() && resolution->isEnabled() && resolution->value() == 96;
        // The name field suggests the topic's name ("Dreieck" at the start), even where the
        // documents folder does not exist.
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        nameSuggested = name && name->text() == "Dreieck.gif";
        emit dialog->filterSelected(PictureFilters()[6]); // SVG: drawn to scale, no resolution
        vectorWithoutResolution = !resolution->isEnabled();
        emit dialog->filterSelected(PictureFilters()[3]);
        resolution->setValue(288);
        if (name) name->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // as the "Speichern" button does
        if (dialog->isVisible()) dialog->reject();
    });
    poll->start(20);
    window->Action("pictureSave")->trigger();
    EXPECT_TRUE(resolutionShown);
    EXPECT_TRUE(vectorWithoutResolution);
    EXPECT_TRUE(nameSuggested);
    EXPECT_EQ(QImage(path).size(), window->Drawing()->size() * 3) << window->LastMessage().toStdString();
}

TEST_F(Gui, ClipboardGetsResultsPictureAndVectorGraphic) {
    window->ShowResults();
    window->CopyResults();
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith("Punkt A\t( "));
    EXPECT_TRUE(text.endsWith("\r\n"));
    window->ShowPicture();
    window->CopyVector();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->data("image/svg+xml").contains("<svg"));
    EXPECT_EQ(data->data("image/x-emf").mid(40, 4), QByteArray(" EMF"));
}

TEST_F(Gui, ViewCommandsApplyTheTypedCoordinates) {
    // A typed coordinate takes effect with the next command that applies the fields, and stays.
    window->Field(0)->setText("2");
    window->Action("basic")->trigger();
    EXPECT_EQ(window->Field(0)->text(), "2");
    EXPECT_EQ(session().doc.points.screen[kSlotA].x, 610);
    window->Field(0)->setText("1");
    window->Action("stretchUp")->trigger();
    EXPECT_EQ(session().doc.points.screen[kSlotA].x, 520); // 110 + 410,5, ties to even
    window->Field(0)->setText("0");
    window->Action("stretchDown")->trigger();
    EXPECT_EQ(session().doc.points.screen[kSlotA].x, 410);
}

TEST_F(Gui, KeysWorkInBothModesAndInAField) {
    QApplication::setActiveWindow(window.get());
    window->ShowResults();
    // The "Abbildung" menu is hidden in results mode; F2 still starts and stops the animation.
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_TRUE(window->AnimationTimer()->isActive());
    // Esc and Ctrl+F12 reach the window also while a vertex field has the focus.
    window->Field(0)->setFocus();
    QTest::keyClick(window->Field(0), Qt::Key_F12, Qt::ControlModifier);
    EXPECT_EQ(CheckedCount(list("CL3x")), 206);
    QTest::keyClick(window->Field(0), Qt::Key_Escape);
    EXPECT_FALSE(window->AnimationTimer()->isActive());
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(window->Field(0), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Gui, PrintingThePictureDoesNotStopTheAnimation) {
    // Printing changes neither the triangle nor the view: a running animation goes on.
    window->Action("animation")->trigger();
    for (const char* print : {"picturePrint", "vectorPrint"}) {
        // Cancels the print dialog as soon as it shows.
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, poll, [poll] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->reject();
                poll->deleteLater();
            }
        });
        poll->start(20);
        window->Action(print)->trigger();
        EXPECT_TRUE(window->AnimationTimer()->isActive()) << print;
        EXPECT_TRUE(window->Action("animation")->isChecked()) << print;
    }
}

TEST(Printing, BitmapScaleShrinksInStepsAndStopsForZeroWidth) {
    EXPECT_DOUBLE_EQ(BitmapPrintScale(100, 600, 4000), 10);
    const double s = BitmapPrintScale(821, 600, 4000); // 10 is too wide: 4.86 fits after 257 steps
    EXPECT_LE(821 * s, 4000);
    EXPECT_GT(821 * (s + 0.02), 4000);
    EXPECT_DOUBLE_EQ(BitmapPrintScale(821, 600, 0), 1); // no room at all: the loop ends, scale 1
    EXPECT_DOUBLE_EQ(BitmapPrintScale(821, 0, 100), 1);
}

TEST(Printing, ResultsToAPdfPrinter) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("ergebnisse.pdf"));
    QStringList lines;
    for (int i = 0; i < 100; ++i) lines << QString("Zeile %1\t%2").arg(i).arg(i * 0.5);
    const int pages = ResultsPageCount(printer, 100, false);
    EXPECT_GE(pages, 2);
    PrintResults(printer, lines, false, 1, pages);
    QFile pdf(dir.filePath("ergebnisse.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));

    // A vector print and a bitmap print of the picture go through as well.
    QPrinter picture(QPrinter::HighResolution);
    picture.setOutputFormat(QPrinter::PdfFormat);
    picture.setOutputFileName(dir.filePath("bild.pdf"));
    Document doc;
    InitDocument(doc, 821, 660);
    PrintVector(picture, doc, 821, 660);
    EXPECT_TRUE(QFile(dir.filePath("bild.pdf")).size() > 0);
}

TEST(Printing, ResultLinesStayOnThePrintableArea) {
    // A printer with wide unprintable borders: the rows of one page must fit between them.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setFullPage(false);
    ASSERT_TRUE(printer.setPageMargins(QMarginsF(25, 50, 15, 50), QPageLayout::Millimeter));
    const int lineHeight = printer.logicalDpiY() / 60 * 17;
    const int printable = static_cast<int>(printer.pageRect(QPrinter::DevicePixel).height());
    int perPage = 1; // the first count that needs a second page is the number of rows per page
    while (ResultsPageCount(printer, perPage, false) == 1 && perPage < 1000) ++perPage;
    EXPECT_LE(perPage * lineHeight, printable);
    EXPECT_GT((perPage + 2) * lineHeight, printable); // one spare row, as the layout keeps
}

TEST(Picture, RasterImageShowsTheTriangle) {
    Document doc;
    InitDocument(doc, 821, 660);
    QImage image(821, 660, QImage::Format_RGB32);
    RenderPicture(doc, image, false, false);
    // Light grey fill at the centroid, white outside, a black side between B and C.
    EXPECT_EQ(QColor(image.pixel(357, 343)), QColor(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(400, 420)), QColor(Qt::black));
}

} // namespace
} // namespace trimora

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", trimora::OffscreenPlatform(1920, 1200)); // a common desktop screen
    QApplication app(argc, argv);
    trimora::RegisterFontFallbacks();
    QFont font("Verdana"); // as the program sets it
    font.setPixelSize(13);
    QApplication::setFont(font);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
