// Helpers for driving windows in tests: one QApplication for the program, a
// way to act on a modal window while its exec() runs, and the Qt headers
// every window test uses.
#pragma once

#include <gtest/gtest.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>
#include <functional>

// Readable failures for the windows' texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace qv::test {

/// The test program's application object, created on first use.
QApplication& App();

/// Calls action(window) once a modal window whose object name is objectName
/// (any modal window when empty) is showing; gives up after timeoutMs so a
/// test never waits for a person.
void WhenModal(const QString& objectName, std::function<void(QWidget*)> action, int timeoutMs = 5000);

/// WhenModal for a window of a known class.
template <typename Window>
void WhenShown(const char* objectName, std::function<void(Window*)> action) {
    WhenModal(objectName, [action](QWidget* w) { action(static_cast<Window*>(w)); });
}

/// Clicks the push button of that object name inside window.
inline void Click(QWidget* window, const char* button) {
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
}

/// The texts of a list's or a combo box's rows.
template <typename List>
QStringList Texts(const List* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->model()->index(i, 0).data().toString();
    return texts;
}

}  // namespace qv::test
