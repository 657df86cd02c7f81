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

// A label for figures: plain text, at one side of its place.
inline QLabel* figureLabel(QWidget* parent, Qt::Alignment side, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(side | Qt::AlignVCenter);
    label->setGeometry(place);
    return label;
}

} // namespace wypelark
