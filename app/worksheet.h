// The worksheet ("Arbeitsblatt als PDF"): one A4 portrait page with a title, the date, the picture
// as vectors over the page's width and the results below it in two columns, as the two-column
// print lays them out; further pages when the results need them. The text stays text.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

namespace trimora {

struct Document;

QByteArray RenderWorksheet(Document& doc, int width, int height, const QString& title, const QDate& date,
                           const QStringList& resultLines);

} // namespace trimora
