// Quorvane: started with the system folder as its working folder.
#include <QApplication>

#include "ui/common/Messages.h"
#include "ui/common/MessageBoxSink.h"
#include "ui/workstation/ReverseForm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qv::ui::MessageBoxSink messages;
    qv::ScopedMessageSink useMessageBoxes(messages);

    qv::ui::ReverseForm form;
    if (!form.load()) return 1;  // start-up has told the user why
    form.show();
    return app.exec();
}
