// Small helpers shared by the parts of the main window: text conversion, the tool pictures and
// the window's fixed measures.
#pragma once

#include <QIcon>
#include <QString>

#include <string>

namespace trimora::window {

inline constexpr int kPanelWidth = 210; // the selection panel at the start
inline constexpr int kShiftStep = 50;   // pixels per click of a shift arrow

inline QString Q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string S(const QString& s) { return s.toUtf8().toStdString(); }
inline QIcon Icon(const char* name) { return QIcon(QString(":/icons/%1.svg").arg(name)); }

} // namespace trimora::window
