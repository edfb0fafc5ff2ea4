// Engine texts arrive as UTF-8 std::strings; this is where they become Qt's.
#pragma once

#include <QString>

#include <string>

inline QString qText(const std::string& text) {
    return QString::fromStdString(text);
}
