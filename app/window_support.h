// Small helpers shared by the parts of the main window: text conversion, the tool pictures and
// the window's fixed measures.
#pragma once

#include <QFile>
#include <QIcon>
#include <QString>

#include <string>

namespace trimora::window {

inline constexpr int kPanelWidth = 210; // the selection panel at the start
inline constexpr int kShiftStep = 50;   // pixels per click of a shift arrow
inline constexpr double kRelationPointReach = 6; // pixels round a marked point that a click chooses it from

// Merge keys of undo steps that become one while they follow each other.
inline constexpr int kMergeWheel = 1, kMergeShift = 2, kMergeKeys = 16;

inline QString Q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string S(const QString& s) { return s.toUtf8().toStdString(); }
// A file name as the file system spells it: bytes in the local encoding, not UTF-8.
inline std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }
// For the search of the element lists: letter case, accents and ß do not count ("Lemoine" finds
// "Lémoine", "Bezier" finds "Bézier", "strasse" finds "Straße").
inline QString FoldForSearch(const QString& text) {
    QString folded;
    for (QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) folded += c;
    return folded.toCaseFolded().replace(QChar(0xDF), "ss");
}

inline QIcon Icon(const char* name) { return QIcon(QString(":/icons/%1.svg").arg(name)); }

} // namespace trimora::window
