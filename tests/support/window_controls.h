#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QWidget>
#include <stdexcept>

// The controls of a window that the main window opens (the map, the spots), found by their names
// and pressed as the user does, as press() does for the main window.

// The control of the window with that name; the test fails when there is none.
template <typename Control>
Control& controlNamed(const QWidget& window, const QString& name) {
    auto* found = window.findChild<Control*>(name);
    if (!found) throw std::runtime_error(("no control " + name).toStdString());
    return *found;
}

// Clicks a button: it must be there, on show and enabled.
inline void pressButton(const QWidget& window, const QString& name) {
    auto& button = controlNamed<QAbstractButton>(window, name);
    ASSERT_TRUE(button.isVisible()) << name.toStdString() << " is not on show";
    ASSERT_TRUE(button.isEnabled()) << name.toStdString() << " is disabled";
    button.click();
}
