// Locating the PDF reader and the manuals folder, and what is recorded.
#include <gtest/gtest.h>

#include "core/common/State.h"
#include "core/startup/Manuals.h"
#include "support/InstallationFixture.h"
#include "support/TableTest.h"

namespace qv {
namespace {

using test::InstallationFixture;

const char* const AcrobatCfg = "C:\\QUORVANE\\Acrobat.cfg";
const char* const ManualsCfg = "C:\\QUORVANE\\Manuals.cfg";
const char* const Reader5 = "C:\\Program Files\\Adobe\\Acrobat 5.0\\Reader\\AcroRd32.exe";

struct Manuals {
    Manuals() { State().Config.SystemFolder = "C:\\QUORVANE\\"; }
    InstallationFixture fixture;
};

TEST(FindPdfReader, TakesTheLastMatchInNameOrder) {
    Manuals m;
    const std::string adobe = "C:\\Program Files\\Adobe\\";
    m.fixture.makeFolder(adobe + "Acrobat 6.0\\Reader");
    EXPECT_EQ(FindPdfReader(), std::optional<std::string>(""));  // found nothing, which is no failure
    m.fixture.write(adobe + "Acrobat 4.0\\Acrobat\\Acrobat.exe", "");
    m.fixture.write(adobe + "Acrobat 5.0\\Reader\\ACRORD32.EXE", "");
    m.fixture.write(adobe + "Acrobat 5.0\\Setup\\AcroRd32.exe", "");
    m.fixture.write(adobe + "Acrobat 5.0\\Reader\\Other.exe", "");
    m.fixture.write(adobe + "Photoshop\\Reader\\AcroRd32.exe", "");
    EXPECT_EQ(FindPdfReader(), adobe + "Acrobat 5.0\\Reader\\ACRORD32.EXE");
}

TEST(LocateManuals, FirstStartRecordsWhatItFindsOrTriesAgainNextTime) {
    Manuals m;
    EXPECT_FALSE(FindPdfReader().has_value());
    LocateManuals();
    EXPECT_EQ(State().Config.ReaderPath, "");
    EXPECT_FALSE(m.fixture.exists(AcrobatCfg));
    EXPECT_FALSE(m.fixture.exists(ManualsCfg));

    m.fixture.write(Reader5, "exe");
    LocateManuals();
    EXPECT_EQ(State().Config.ReaderPath, Reader5);
    EXPECT_EQ(m.fixture.read(AcrobatCfg), std::string(Reader5) + "\r\n******\r\n");
    EXPECT_EQ(m.fixture.read(ManualsCfg), "C:\\QUORVANE\\Manuals\\\r\n******\r\n");
    EXPECT_TRUE(m.fixture.isFolder("C:\\QUORVANE\\Manuals"));
    EXPECT_EQ(State().Config.ManualsFolder, "");  // the new folder holds no manual

    m.fixture.write("C:\\QUORVANE\\Manuals\\Guide.pdf", "pdf");
    LocateManuals();
    EXPECT_EQ(State().Config.ManualsFolder, "C:\\QUORVANE\\Manuals\\");
}

struct RecordedCase {
    const char* name;
    std::string acrobat;  // first line of "Acrobat.cfg"
    std::string manuals;  // first line of "Manuals.cfg"
    const char* readerPath;
    const char* manualsFolder;
};

class RecordedFiles : public ::testing::TestWithParam<RecordedCase> {};

TEST_P(RecordedFiles, AreReadAndNeverRewritten) {
    const auto& c = GetParam();
    Manuals m;
    m.fixture.write(Reader5, "exe");  // would be found by a search
    m.fixture.write("C:\\DOCS\\Guide.pdf", "pdf");
    m.fixture.makeFolder("C:\\EMPTY");
    m.fixture.write("C:\\QUORVANE\\Manuals\\Default.pdf", "pdf");
    m.fixture.writeLines(AcrobatCfg, {c.acrobat, "******"});
    m.fixture.writeLines(ManualsCfg, {c.manuals, "******"});
    const std::string acrobat = m.fixture.read(AcrobatCfg);
    const std::string manuals = m.fixture.read(ManualsCfg);

    LocateManuals();
    EXPECT_EQ(State().Config.ReaderPath, c.readerPath);
    EXPECT_EQ(State().Config.ManualsFolder, c.manualsFolder);
    EXPECT_EQ(m.fixture.read(AcrobatCfg), acrobat);
    EXPECT_EQ(m.fixture.read(ManualsCfg), manuals);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, RecordedFiles,
    ::testing::Values(
        RecordedCase{"Recorded", Reader5, "C:\\DOCS\\", Reader5, "C:\\DOCS\\"},
        RecordedCase{"EndMarkerMeansNoReaderWithoutSearch", "******", "C:\\DOCS\\", "", "C:\\DOCS\\"},
        RecordedCase{"ReaderGoneIsEmptied", "C:\\Program Files\\Gone\\AcroRd32.exe", "C:\\DOCS\\", "", "C:\\DOCS\\"},
        RecordedCase{"ReaderTooShort", "C:\\a.e", "C:\\DOCS\\", "", "C:\\DOCS\\"},
        RecordedCase{"ManualsWithoutBackslashGetsOne", Reader5, "  C:\\DOCS  ", Reader5, "C:\\DOCS\\"},
        RecordedCase{"ManualsEndMarkerTakesDefault", Reader5, "******", Reader5, "C:\\QUORVANE\\Manuals\\"},
        RecordedCase{"ManualsOneCharacterTakesDefault", Reader5, "X", Reader5, "C:\\QUORVANE\\Manuals\\"},
        RecordedCase{"ManualsWithoutPdfEmptied", Reader5, "C:\\EMPTY\\", Reader5, ""},
        // From C:\QUORVANE, ".." stops at the root: C:\DOCS, never a folder beside drive C:.
        RecordedCase{"ManualsAboveTheDriveRootStayOnIt", Reader5, "..\\..\\DOCS", Reader5, "..\\..\\DOCS\\"}),
    test::CaseName());

}  // namespace
}  // namespace qv
