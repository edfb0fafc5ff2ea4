// Fusion's dark window and base colours, as a dark desktop theme sets them.
#pragma once

#include <QPalette>

#include <utility>

inline QPalette darkPalette() {
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 30), text(230, 230, 230), dimmed(128, 128, 128);
    for (const auto& [role, colour] : {std::pair{QPalette::Window, window},
                                       {QPalette::WindowText, text},
                                       {QPalette::Base, base},
                                       {QPalette::AlternateBase, window},
                                       {QPalette::Text, text},
                                       {QPalette::Button, QColor(60, 60, 64)},
                                       {QPalette::ButtonText, text},
                                       {QPalette::ToolTipBase, window},
                                       {QPalette::ToolTipText, text},
                                       {QPalette::Highlight, QColor(42, 110, 190)},
                                       {QPalette::HighlightedText, text},
                                       {QPalette::PlaceholderText, dimmed}})
        dark.setColor(role, colour);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, dimmed);
    return dark;
}
