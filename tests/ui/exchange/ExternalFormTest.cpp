// The import window on the demo installation with its removable drive E:,
// driven as a user drives it; the folders are read back after each import.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "core/common/State.h"
#include "ui/exchange/ExternalForm.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

const char* const Jobs = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\";
const char* const Subs = "C:\\QUORVANE\\DATA\\RevSubs\\";

struct ImportCase {
    const char* name;
    int item;                           // ImportItem 1 (files) or 2 (sub-routines)
    const char* exchangeFolder;         // remembered outside folder
    const char* pattern;                // typed into the pattern box; nullptr: the first entry
    std::vector<std::string> select;    // files to select
    std::vector<bool> answers;          // to the questions, in order
    bool driveGone;                     // E: taken out before OK
    std::vector<std::string> listed;    // the file list before selecting
    std::vector<std::string> shown;     // questions and notices, in order
    std::vector<std::string> arrived;   // files that must now exist
    std::vector<std::string> absent;    // files that must not
    bool staysOpen;
    const char* remembered;             // ExchangeFolder afterwards
};

void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.name; }

class ImportWindow : public MainWindowTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(ImportWindow, ImportsWhatWasChosenAndCountsWhatArrived) {
    const ImportCase& c = GetParam();
    demo.write(std::string(Jobs) + "PART91.prg", "kept");
    demo.write(std::string(Subs) + "OUTLINE.DXF", "kept");
    start();
    State().Config.ExchangeFolder = c.exchangeFolder;
    for (bool yes : c.answers) messages.answer({yes});
    std::vector<std::string> listed;
    bool open = false;
    WhenModal("ExternalForm", [&](QWidget* w) {
        auto* form = static_cast<ui::ExternalForm*>(w);
        if (c.pattern) form->ExPatternCombo->lineEdit()->setText(QString::fromLatin1(c.pattern));
        for (int i = 0; i < form->ExFileList->count(); ++i) {
            QListWidgetItem* line = form->ExFileList->item(i);
            listed.push_back(line->text().toStdString());
            if (std::find(c.select.begin(), c.select.end(), listed.back()) != c.select.end()) line->setSelected(true);
        }
        if (c.driveGone) demo.remove("E:\\");
        QTest::mouseClick(form->ExternalOk, Qt::LeftButton);
        open = form->isVisible();
        if (open) form->reject();
    });
    form->ImportItem[c.item]->trigger();

    EXPECT_EQ(listed, c.listed);
    EXPECT_EQ(messages.shown, c.shown);
    EXPECT_EQ(open, c.staysOpen);
    for (const std::string& file : c.arrived) EXPECT_TRUE(demo.exists(file)) << file;
    for (const std::string& file : c.absent) EXPECT_FALSE(demo.exists(file)) << file;
    EXPECT_EQ(demo.read(std::string(Jobs) + "PART91.prg"), "kept");  // every refused overwrite kept it
    EXPECT_EQ(State().Config.ExchangeFolder, c.remembered);
    EXPECT_EQ(State().Modes.ExchangeMode, 0);
    EXPECT_TRUE(menusEnabled());
}

const std::vector<std::string> kPrograms = {"PART90.prg", "PART91.prg"};
const std::string kThree = "Import 3 Files\nTo \"JOBS\" ?";

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportWindow,
    ::testing::Values(
        ImportCase{"OneRefusedOverwriteAmongThree", 1, "E:\\", "*.*", {"PART1.TAP", "PART90.prg", "PART91.prg"},
                   {true, false}, false, {"OUTLINE.DXF", "PART1.TAP", "PART90.prg", "PART91.inf", "PART91.prg"},
                   {kThree, "\"PART91\" Already Exists !\n\nOverwrite It ?", "2 Files Imported !"},
                   {std::string(Jobs) + "PART1.TAP.prg", std::string(Jobs) + "PART90.prg"},
                   {std::string(Jobs) + "PART91.inf"}, false, "E:\\"},
        ImportCase{"NothingSelected", 1, "E:\\", nullptr, {}, {}, false, kPrograms, {"No Files Selected !"}, {}, {},
                   true, "E:\\"},
        ImportCase{"AnsweredNoStillRemembersTheFolder", 1, "E:\\IMPORT", nullptr, {"PANEL2.prg"}, {false}, false,
                   {"PANEL2.prg"}, {"Import \"PANEL2.prg\"\nTo \"JOBS\" ?"}, {}, {std::string(Jobs) + "PANEL2.prg"},
                   false, "E:\\IMPORT\\"},
        ImportCase{"DiscTakenOut", 1, "E:\\", nullptr, {"PART90.prg"}, {true}, true, kPrograms,
                   {"Import \"PART90.prg\"\nTo \"JOBS\" ?", "Disc Not Ready !"}, {},
                   {std::string(Jobs) + "PART90.prg"}, true, "E:\\"},
        ImportCase{"PatternCountsTwelveCharacters", 1, "E:\\", "*.TAP       xyz.prg", {}, {}, false, {"PART1.TAP"},
                   {"No Files Selected !"}, {}, {}, true, "E:\\"},
        ImportCase{"VanishedFolderOpensItsDriveRoot", 1, "E:\\GONE\\", nullptr, {"PART90.prg"}, {true}, false,
                   kPrograms, {"Import \"PART90.prg\"\nTo \"JOBS\" ?", "1 File Imported !"},
                   {std::string(Jobs) + "PART90.prg"}, {}, false, "E:\\"},
        ImportCase{"SubRoutinesGoToRevSubs", 2, "E:\\", nullptr, {"OUTLINE.DXF", "PART1.TAP"}, {true, false}, false,
                   {"OUTLINE.DXF", "PART1.TAP", "PART90.prg", "PART91.inf", "PART91.prg"},
                   {"Import 2 Sub-Routines ?", "\"OUTLINE.DXF\" Already Exists !\n\nOverwrite It ?",
                    "1 Sub-Routine Imported !"},
                   {std::string(Subs) + "PART1.TAP"}, {std::string(Jobs) + "PART1.TAP.prg"}, false, "E:\\"}),
    [](const auto& info) { return std::string(info.param.name); });

// Both modes' pictures: into QV_SCREENSHOTS for the README, else a temporary folder.
TEST_F(MainWindowTest, ImportWindowPictures) {
    QTemporaryDir scratch;
    const QString folder = qEnvironmentVariableIsSet("QV_SCREENSHOTS") ? qEnvironmentVariable("QV_SCREENSHOTS")
                                                                       : scratch.path();
    start();
    State().Config.ExchangeFolder = "E:\\";
    for (int item : {1, 2}) {
        const QString file = folder + (item == 1 ? "/import-files.png" : "/import-subroutines.png");
        WhenModal("ExternalForm", [&](QWidget* w) {
            auto* form = static_cast<ui::ExternalForm*>(w);
            if (form->ExFileList->count() > 1) form->ExFileList->item(1)->setSelected(true);
            QApplication::processEvents();
            EXPECT_TRUE(w->grab().save(file));
            w->close();
        });
        form->ImportItem[item]->trigger();
        EXPECT_GT(QFileInfo(file).size(), 1000) << file.toStdString();
    }
}

}  // namespace
}  // namespace qv::test
