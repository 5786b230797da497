#pragma once

// The controls of a page made from its rows of the design table, and found again by their designed names.

#include "app/design.h"

#include <QWidget>

#include <span>

namespace barvoznak {

// Makes the controls of the rows in their page, in the rows' order, each with its designed name, place,
// caption and look.
void buildControls(QWidget *page, std::span<const design::Control> rows);

// A control made from the design table, by its designed name and kind. A name or kind that matches no control
// is a fault of the program: it stops at once, naming it, rather than crash later somewhere else.
template <typename T> T *namedControl(const QWidget *within, const QString &name)
{
    if (T *found = within->findChild<T *>(name))
        return found;
    qFatal("no control named %s of the kind %s", qPrintable(name), T::staticMetaObject.className());
}

} // namespace barvoznak
