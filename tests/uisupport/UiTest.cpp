// One QApplication per test program, and modal-window helpers.
#include "uisupport/UiTest.h"

#include <memory>

namespace qv::test {

QApplication& App() {
    static int argc = 1;
    static char name[] = "quorvane-test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt must not be torn down during static destruction.
    static QApplication* app = nullptr;
    if (!app) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = new QApplication(argc, argv);
        // The window remembers its size for the user; tests keep theirs apart.
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    }
    return *app;
}

void WhenModal(const QString& objectName, std::function<void(QWidget*)> action, int timeoutMs) {
    auto* timer = new QTimer();
    auto elapsed = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        *elapsed += 20;
        QWidget* modal = QApplication::activeModalWidget();
        const bool match = modal && (objectName.isEmpty() || modal->objectName() == objectName);
        if (!match && *elapsed < timeoutMs) return;
        timer->stop();
        timer->deleteLater();
        QPointer<QWidget> window = modal;
        if (match) action(modal);
        // An action that failed half-way, or a wait that timed out, must not leave the test waiting.
        if (window && window->isVisible()) QTimer::singleShot(0, window, &QWidget::close);
    });
    timer->start(20);
}

}  // namespace qv::test
