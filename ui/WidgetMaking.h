// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QLabel>
#include <QRect>
#include <QString>

namespace wypelark {

// The window's controls are found by their names, as the form names them.
template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

inline QLabel* centredLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A label at least as tall as a line of its font, grown evenly about its middle into the space
// around it, so that no letter loses its top or its foot, whatever font the desktop gives.
inline void fitToFont(QLabel* label) {
    const int needed = label->fontMetrics().height();
    QRect place = label->geometry();
    if (place.height() >= needed)
        return;
    const int grow = needed - place.height();
    place.adjust(0, -grow / 2, 0, grow - grow / 2);
    label->setGeometry(place);
}

// A label for figures: plain text, at one side of its place.
inline QLabel* figureLabel(QWidget* parent, Qt::Alignment side, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(side | Qt::AlignVCenter);
    label->setGeometry(place);
    fitToFont(label);
    return label;
}

} // namespace wypelark
