// Pictures of the search, edit and sub-routine windows on the demo
// installation, for the README: into the folder QV_SCREENSHOTS names, else
// into a temporary folder, so that the windows are at least drawn.
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include "support/TempDir.h"
#include "ui/folders/SearchForm.h"
#include "ui/folders/SubForm.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

class SearchEditSubScreenshots : public MainWindowTest {
protected:
    void save(QWidget* window, const char* name) {
        QApplication::processEvents();
        const QString folder = qEnvironmentVariableIsEmpty("QV_SCREENSHOTS") ? QString::fromStdString(scratch.path())
                                                                             : qEnvironmentVariable("QV_SCREENSHOTS");
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(window->grab().save(QDir(folder).filePath(QString::fromLatin1(name)), "PNG")) << name;
    }
    /// Opens a window from its menu item, lets act prepare it, saves it and closes it.
    void take(const char* window, QAction* item, const std::function<void(QWidget*)>& act) {
        WhenModal(window, [&](QWidget* w) {
            act(w);
            w->close();
        });
        item->trigger();
    }
    TempDir scratch;
};

TEST_F(SearchEditSubScreenshots, Windows) {
    start();
    take("SearchForm", form->SearchItem, [this](QWidget* w) {
        auto* search = static_cast<ui::SearchForm*>(w);
        search->CriteriaBox->setText("o");
        save(w, "search-criteria.png");
        QTest::mouseClick(search->CriteriaOk, Qt::LeftButton);
        search->SearchList[1]->setCurrentRow(1);
        save(w, "search-results.png");
    });
    take("EditForm", form->EditItem[1], [this](QWidget* w) { save(w, "edit-form.png"); });
    take("SubForm", form->SubItem[2], [this](QWidget* w) {
        auto* sub = static_cast<ui::SubForm*>(w);
        sub->SubList[1]->setCurrentRow(1);
        sub->SubBox->setText("NIBBLE2.SUB");
        save(w, "sub-form.png");
    });
}

}  // namespace
}  // namespace qv::test
