// Helpers for driving windows in tests: one QApplication for the program and
// a way to act on a modal window while its exec() runs.
#pragma once

#include <QApplication>
#include <QWidget>
#include <functional>

namespace qv::test {

/// The test program's application object, created on first use.
QApplication& App();

/// Calls action(window) once a modal window whose object name is objectName
/// (any modal window when empty) is showing; gives up after timeoutMs so a
/// test never waits for a person.
void WhenModal(const QString& objectName, std::function<void(QWidget*)> action, int timeoutMs = 5000);

}  // namespace qv::test
