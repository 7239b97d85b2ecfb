#include "loadinfo/edit_load_dialog.h"

#include <gtest/gtest.h>

#include "loadinfo/fake_component_chooser.h"
#include "loadinfo/fake_load_info_dialogs.h"
#include "loadinfo/load_info_page.h"
#include "loads/load_rules.h"
#include "support/fake_dialogs.h"
#include "support/same_bytes.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

using testing::FakeComponentChooser;
using testing::FakeDialogs;

LoadRecord elkLoad() {
  LoadRecord load = blankLoadRecord();
  load.loadName.assign("Elk load");
  load.caliber.assign(".270 Winchester");
  load.bulletMfg.assign("Sierra");
  load.bulletType.assign("Gameking");
  load.bulletWeight = 129.6f;
  load.ballisticCoeff = 0.4361f;
  load.moly = 1.0f;
  load.crimp = 0.5f;
  load.powderWeight = 54.36f;
  load.caseWeight = 187.456f;
  load.comparatorOal = 2.2504f;
  load.avVelocity = 3015.7f;
  load.shots[3] = {3001.0f, 0.5f, 0.25f, 0.559f, 1};
  load.notes.assign("windy\r\nmorning");
  return load;
}

class EditLoadDialogTest : public ::testing::Test {
 protected:
  FakeDialogs dialogs;
  FakeComponentChooser chooser;
};

TEST_F(EditLoadDialogTest, FieldsInScreenOrderWithLabelsAndTypingLimits) {
  const std::vector<std::pair<std::string, int>> expected = {
      {"Load Name", 60},          {"Bullet Mfg", 16},       {"Bullet Type", 16},
      {"Bullet Caliber", 16},     {"Bullet Weight", 16},    {"Ballistic Coeff.", 16},
      {"Powder Mfg", 16},         {"Powder Type", 16},      {"Powder Weight [grns]", 16},
      {"Powder Lot #", 16},       {"Primer Mfg", 16},       {"Primer Type", 16},
      {"Primer Size", 16},        {"Primer Lot #", 15},     {"Case Mfg", 16},
      {"Case Weight [grns]", 16}, {"Case Length [in]", 16}, {"# Times Reloaded", 16},
      {"Cartridge OAL", 16},      {"Comparator OAL", 0},    {"Av. Velocity", 16},
      {"Av. Group", 16},          {"Mfg Date", 15},         {"Lot #", 5}};
  ASSERT_EQ(expected.size(), kEditLoadFieldCount);
  for (std::size_t i = 0; i < kEditLoadFieldCount; ++i) {
    const auto field = static_cast<EditLoadField>(i);
    EXPECT_EQ(editLoadFieldLabel(field), expected[i].first);
    EXPECT_EQ(editLoadFieldLimit(field), expected[i].second) << expected[i].first;
  }
  EXPECT_STREQ(editLoadFieldLabel(static_cast<EditLoadField>(kEditLoadFlagsFollow)), "Powder Mfg");
}

TEST_F(EditLoadDialogTest, OpeningShowsTheLoadInTheFieldFormats) {
  const EditLoadDialog editor(elkLoad(), dialogs, chooser);
  EXPECT_EQ(editor.fieldText(EditLoadField::loadName), "Elk load");
  EXPECT_EQ(editor.fieldText(EditLoadField::caliber), ".270 Winchester");
  EXPECT_EQ(editor.fieldText(EditLoadField::bulletWeight), "130");
  EXPECT_EQ(editor.fieldText(EditLoadField::ballisticCoeff), "0.436");
  EXPECT_EQ(editor.fieldText(EditLoadField::powderWeight), "54.4");
  EXPECT_EQ(editor.fieldText(EditLoadField::caseWeight), "187.46");
  EXPECT_EQ(editor.fieldText(EditLoadField::comparatorOal), "2.250");
  EXPECT_EQ(editor.fieldText(EditLoadField::avVelocity), "3016");
  EXPECT_EQ(editor.fieldText(EditLoadField::avGroup), "0.000");
  EXPECT_EQ(editor.fieldText(EditLoadField::mfgDate), "");
  EXPECT_TRUE(editor.molyChecked());
  EXPECT_FALSE(editor.crimpChecked());  // 0.5 cuts to 0
  EXPECT_FALSE(editor.closed());
  EXPECT_FALSE(editor.accepted());
}

TEST_F(EditLoadDialogTest, AcceptingUntouchedReturnsTheLoadByteForByte) {
  // Rounded fields, the 0.5 crimp and noise behind the NULs all come back as they were.
  LoadRecord load = elkLoad();
  load.caliber.bytes[18] = 'x';
  load.reserved760[3] = 0x5A;
  EditLoadDialog editor(load, dialogs, chooser);
  editor.accept();
  EXPECT_TRUE(editor.closed());
  EXPECT_TRUE(editor.accepted());
  EXPECT_TRUE(sameBytes(editor.record(), load));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EditLoadDialogTest, EachChangeIsTakenIntoTheCopyAtOnce) {
  EditLoadDialog editor(elkLoad(), dialogs, chooser);
  editor.typeText(EditLoadField::bulletWeight, "150gr");
  EXPECT_EQ(editor.record().bulletWeight, 150.0f);
  EXPECT_EQ(editor.fieldText(EditLoadField::bulletWeight), "150gr");
  editor.typeText(EditLoadField::powderWeight, "grains");
  EXPECT_EQ(editor.record().powderWeight, 0.0f);
  editor.typeText(EditLoadField::ballisticCoeff, "1,5");
  EXPECT_EQ(editor.record().ballisticCoeff, 1.0f);
  editor.typeText(EditLoadField::ballisticCoeff, " .45");
  EXPECT_EQ(editor.record().ballisticCoeff, 0.45f);

  // A shorter text leaves the bytes behind its NUL as they were.
  editor.typeText(EditLoadField::caliber, ".22");
  EXPECT_EQ(editor.record().caliber.str(), ".22");
  EXPECT_EQ(std::string(editor.record().caliber.bytes.data() + 4, 11), " Winchester");

  editor.setMoly(false);
  editor.setCrimp(true);
  EXPECT_EQ(editor.record().moly, 0.0f);
  EXPECT_EQ(editor.record().crimp, 1.0f);
  EXPECT_FALSE(editor.molyChecked());
  EXPECT_TRUE(editor.crimpChecked());
}

TEST_F(EditLoadDialogTest, ResetFieldsAsksAndClearsTheWholeCopy) {
  const LoadRecord load = elkLoad();
  EditLoadDialog editor(load, dialogs, chooser);
  dialogs.answers = {Answer::No};
  editor.resetFields();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Are you sure you want to clear all data fields?");
  EXPECT_EQ(dialogs.messages[0].title, "Question");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNo);
  EXPECT_EQ(dialogs.messages[0].icon, Icon::Question);
  EXPECT_TRUE(sameBytes(editor.record(), load));

  editor.resetFields();  // Yes
  EXPECT_TRUE(sameBytes(editor.record(), blankLoadRecord()));
  EXPECT_EQ(editor.fieldText(EditLoadField::caliber), "");
  EXPECT_EQ(editor.fieldText(EditLoadField::bulletWeight), "0");
  EXPECT_EQ(editor.fieldText(EditLoadField::caseWeight), "0.00");
  EXPECT_FALSE(editor.molyChecked());

  editor.quit();
  EXPECT_TRUE(editor.closed());
  EXPECT_FALSE(editor.accepted());
}

TEST_F(EditLoadDialogTest, AcceptNeedsACaliber) {
  LoadRecord load = elkLoad();
  load.caliber.assign("   ");
  EditLoadDialog editor(load, dialogs, chooser);
  editor.accept();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "You must enter the CALIBER before attempting to save this load");
  EXPECT_EQ(dialogs.messages[0].title, "Warning");
  EXPECT_FALSE(editor.closed());
  EXPECT_EQ(editor.record().loadName.str(), "Elk load");  // everything typed is kept

  editor.typeText(EditLoadField::caliber, " a");
  editor.accept();
  EXPECT_TRUE(editor.accepted());
}

TEST_F(EditLoadDialogTest, OutOfRangeValuesWarnButTheLoadIsAccepted) {
  EditLoadDialog editor(elkLoad(), dialogs, chooser);
  editor.typeText(EditLoadField::ballisticCoeff, "0");
  editor.accept();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Value Range Warning");
  EXPECT_EQ(dialogs.messages[0].text,
            "The Following Values are invalid and must be resolved\nbefore you can use this load "
            "in the Ballistics Calculator:\n\n   Ballistic Coeff must be between 0.022 and 5.00\n");
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_TRUE(editor.closed());
  EXPECT_TRUE(editor.accepted());
}

TEST_F(EditLoadDialogTest, BulletFromTheCatalogueFillsFiveFieldsAndNotTheDensity) {
  chooser.bullet = {"Hornady", ".308", "150", "SST", ".415", "0.226"};
  EditLoadDialog editor(elkLoad(), dialogs, chooser);
  editor.bulletDBase();
  EXPECT_EQ(chooser.runs, 1);
  EXPECT_EQ(editor.fieldText(EditLoadField::bulletMfg), "Hornady");
  EXPECT_EQ(editor.fieldText(EditLoadField::caliber), ".308");
  EXPECT_EQ(editor.fieldText(EditLoadField::bulletWeight), "150");
  EXPECT_EQ(editor.fieldText(EditLoadField::bulletType), "SST");
  EXPECT_EQ(editor.fieldText(EditLoadField::ballisticCoeff), ".415");
  EXPECT_EQ(editor.record().bulletMfg.str(), "Hornady");
  EXPECT_EQ(editor.record().caliber.str(), ".308");
  EXPECT_EQ(editor.record().bulletWeight, 150.0f);
  EXPECT_EQ(editor.record().bulletType.str(), "SST");
  EXPECT_EQ(editor.record().ballisticCoeff, 0.415f);
  EXPECT_EQ(editor.record().loadName.str(), "Elk load");
}

TEST_F(EditLoadDialogTest, LongCatalogueTextsAreShownWholeAndStoredCut) {
  const std::string maker(63, 'M');
  chooser.bullet = {maker, ".308", "150", "SST", ".415", "0.226"};
  chooser.primer = {"CCI", "LR 200", std::string(40, '7')};
  EditLoadDialog editor(blankLoadRecord(), dialogs, chooser);
  editor.bulletDBase();
  editor.primerDBase();
  EXPECT_EQ(editor.fieldText(EditLoadField::bulletMfg), maker);
  EXPECT_EQ(editor.record().bulletMfg.str(), std::string(19, 'M'));
  EXPECT_EQ(editor.record().primerLot.str(), std::string(15, '7'));
  EXPECT_EQ(editor.record().primerLot.bytes[15], '\0');
}

TEST_F(EditLoadDialogTest, PrimerTypeGoesToPrimerSizeAndNoLotEmptiesTheLot) {
  LoadRecord load = elkLoad();
  load.primerType.assign("Magnum");
  load.primerLot.assign("P9");
  chooser.primer = {"Federal", "LR 210", ""};
  EditLoadDialog editor(load, dialogs, chooser);
  editor.primerDBase();
  EXPECT_EQ(editor.fieldText(EditLoadField::primerMfg), "Federal");
  EXPECT_EQ(editor.fieldText(EditLoadField::primerSize), "LR 210");
  EXPECT_EQ(editor.fieldText(EditLoadField::primerType), "Magnum");
  EXPECT_EQ(editor.fieldText(EditLoadField::primerLot), "");
  EXPECT_EQ(editor.record().primerSize.str(), "LR 210");
  EXPECT_EQ(editor.record().primerType.str(), "Magnum");
  EXPECT_EQ(editor.record().primerLot.str(), "");
}

TEST_F(EditLoadDialogTest, PowderFromTheCatalogue) {
  chooser.powder = {"IMR", "4831", "L-77"};
  EditLoadDialog editor(blankLoadRecord(), dialogs, chooser);
  editor.powderDBase();
  EXPECT_EQ(editor.record().powderMfg.str(), "IMR");
  EXPECT_EQ(editor.record().powderType.str(), "4831");
  EXPECT_EQ(editor.record().powderLot.str(), "L-77");
  EXPECT_EQ(editor.fieldText(EditLoadField::powderLot), "L-77");
}

TEST_F(EditLoadDialogTest, NothingChosenChangesNothing) {
  const LoadRecord load = elkLoad();
  EditLoadDialog editor(load, dialogs, chooser);
  editor.bulletDBase();
  editor.powderDBase();
  editor.primerDBase();
  EXPECT_EQ(chooser.runs, 3);
  EXPECT_TRUE(sameBytes(editor.record(), load));
  EXPECT_EQ(editor.fieldText(EditLoadField::bulletMfg), "Sierra");
}

// The editor as the Load Information page runs it.
class EditLoadOnThePageTest : public EditLoadDialogTest {
 protected:
  testing::TempFolder folder;
  LoadDatabase database{folder / "RELOADER.DAT"};
  std::filesystem::path startDirectory = folder.path();
  LoadInfoPage page{database, dialogs, startDirectory};
  testing::FakeLoadInfoDialogs loadDialogs;
};

TEST_F(EditLoadOnThePageTest, ResetFieldsThenQuitChangesNothing) {
  database.setCurrentLoad(&database.addLoadCopy(elkLoad()));
  loadDialogs.acceptEdit = false;
  loadDialogs.editScript = [this](LoadRecord& record) {
    EditLoadDialog editor(record, dialogs, chooser);
    editor.resetFields();
    editor.quit();
    record = editor.record();
  };
  page.editLoad(loadDialogs);
  EXPECT_TRUE(sameBytes(*database.currentLoad(), elkLoad()));
  EXPECT_FALSE(std::filesystem::exists(folder / "RELOADER.DAT"));
}

TEST_F(EditLoadOnThePageTest, ResetFieldsAndACaliberReplaceOnlyTheCurrentLoad) {
  LoadRecord other = elkLoad();
  other.caliber.assign(".308 Win");
  database.addLoadCopy(other);
  database.setCurrentLoad(&database.addLoadCopy(elkLoad()));  // sorts first
  ASSERT_EQ(database.indexOfLoad(database.currentLoad()), 0);
  loadDialogs.editScript = [this](LoadRecord& record) {
    EditLoadDialog editor(record, dialogs, chooser);
    editor.resetFields();
    editor.typeText(EditLoadField::caliber, ".223");
    editor.accept();
    ASSERT_TRUE(editor.accepted());
    record = editor.record();
  };
  page.editLoad(loadDialogs);

  LoadRecord expected = blankLoadRecord();
  expected.caliber.assign(".223");
  ASSERT_EQ(database.loadCount(), 2);
  EXPECT_TRUE(sameBytes(*database.loadAt(0), expected));  // shots and notes are gone
  EXPECT_EQ(database.currentLoad(), database.loadAt(0));
  EXPECT_EQ(database.loadAt(1)->caliber.str(), ".308 Win");
  EXPECT_EQ(database.loadAt(1)->shots[3].shotPlaced, 1);
  EXPECT_EQ(page.fieldText(LoadInfoField::caliber), ".223");
}

}  // namespace
}  // namespace deadhold
