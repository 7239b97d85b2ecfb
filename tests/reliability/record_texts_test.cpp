// Texts from files: every text field of a record filled to its full width with no NUL, each
// with a marker byte of its own, then every text the program makes of a record. A text may show
// its own field (at most its width), never a byte from a neighbour.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <string>

#include "components/component_list.h"
#include "loadinfo/edit_load_dialog.h"
#include "loadinfo/edit_load_fields.h"
#include "loadinfo/fake_component_chooser.h"
#include "loadinfo/load_info_fields.h"
#include "loadinfo/load_info_page.h"
#include "loadinfo/open_load_dialog.h"
#include "loadinfo/shot_string_dialog.h"
#include "loads/load_rules.h"
#include "loads/load_text_report.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

struct TextField {
  std::size_t offset;
  std::size_t width;
};

constexpr std::array<TextField, 16> kTextFields = {{
    {offsetof(LoadRecord, caliber), 20},
    {offsetof(LoadRecord, bulletMfg), 20},
    {offsetof(LoadRecord, bulletType), 20},
    {offsetof(LoadRecord, powderMfg), 20},
    {offsetof(LoadRecord, powderType), 20},
    {offsetof(LoadRecord, powderLot), 20},
    {offsetof(LoadRecord, primerLot), 16},
    {offsetof(LoadRecord, caseMfg), 20},
    {offsetof(LoadRecord, cartridgeLot), 16},
    {offsetof(LoadRecord, primerMfg), 20},
    {offsetof(LoadRecord, primerType), 20},
    {offsetof(LoadRecord, primerSize), 20},
    {offsetof(LoadRecord, mfgDate), 16},
    {offsetof(LoadRecord, loadName), 256},
    {offsetof(LoadRecord, wind), 32},
    {offsetof(LoadRecord, notes), 256},
}};

// No format of the program writes a byte this high, so each one in a text is a field's.
constexpr unsigned char kFirstMarker = 0xC0;

LoadRecord markedLoad() {
  LoadRecord load = blankLoadRecord();
  load.bulletWeight = 150.0f;
  auto* bytes = reinterpret_cast<unsigned char*>(&load);
  for (std::size_t i = 0; i < kTextFields.size(); ++i)
    std::memset(bytes + kTextFields[i].offset, kFirstMarker + i, kTextFields[i].width);
  return load;
}

// Every run of marker bytes in the text belongs to one field and fits in its width.
::testing::AssertionResult onlyWholeFields(const std::string& text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto marker = static_cast<unsigned char>(text[at]);
    if (marker < kFirstMarker) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && static_cast<unsigned char>(text[end]) == marker) ++end;
    const std::size_t field = marker - kFirstMarker;
    if (field >= kTextFields.size() || end - at > kTextFields[field].width)
      return ::testing::AssertionFailure() << "a text runs past its field at byte " << at;
    if (end < text.size() && static_cast<unsigned char>(text[end]) >= kFirstMarker)
      return ::testing::AssertionFailure() << "two fields run together at byte " << end;
    at = end;
  }
  return ::testing::AssertionSuccess();
}

std::string whole(std::size_t field) {
  return std::string(kTextFields[field].width, static_cast<char>(kFirstMarker + field));
}

TEST(RecordTexts, FieldsWithoutNulShowThemselvesWholeAndNothingMore) {
  LoadRecord load = markedLoad();
  EXPECT_TRUE(onlyWholeFields(loadTextReport(load)));
  EXPECT_NE(loadTextReport(load).find("Bullet Caliber: " + whole(0) + "\n"), std::string::npos);
  EXPECT_TRUE(onlyWholeFields(loadDescription(load)));
  EXPECT_EQ(loadDescription(load), whole(0) + " Cal, " + whole(1) + " " + whole(2) + ", 150 grn");

  for (std::size_t i = 0; i < kLoadInfoFieldCount; ++i)
    EXPECT_TRUE(onlyWholeFields(loadInfoFieldText(load, static_cast<LoadInfoField>(i)))) << i;
  EXPECT_EQ(loadInfoFieldText(load, LoadInfoField::caliber), whole(0));
  for (std::size_t i = 0; i < kEditLoadFieldCount; ++i)
    EXPECT_TRUE(onlyWholeFields(editLoadFieldText(load, static_cast<EditLoadField>(i)))) << i;
  EXPECT_EQ(editLoadFieldText(load, EditLoadField::loadName), whole(13));
  for (const LoadListColumn& column : OpenLoadDialog::kColumns)
    EXPECT_TRUE(onlyWholeFields(loadCellText(load, column.cell)));

  testing::FakeDialogs dialogs;
  LoadRecord target = load;
  const ShotStringDialog shots(target, dialogs);
  EXPECT_EQ(shots.fieldText(ShotStringField::wind), whole(14));
  EXPECT_EQ(shots.fieldText(ShotStringField::notes), whole(15));
}

TEST(RecordTexts, TheLoadInformationPageShowsAStoredBookOfSuchLoads) {
  testing::TempFolder folder;
  LoadDatabase stored(folder / "RELOADER.DAT");
  stored.setCurrentLoad(&stored.addLoadCopy(markedLoad()));
  ASSERT_FALSE(stored.writeDatabase());

  LoadDatabase database(folder / "RELOADER.DAT");
  testing::FakeDialogs dialogs;
  LoadInfoPage page(database, dialogs, folder.path());
  page.initialise();
  EXPECT_EQ(page.groupCaption(), "Load Name: " + whole(13));
  for (std::size_t i = 0; i < kLoadInfoFieldCount; ++i)
    EXPECT_TRUE(onlyWholeFields(page.fieldText(static_cast<LoadInfoField>(i)))) << i;
}

TEST(RecordTexts, TheEditorNeverSpillsATextIntoItsNeighbour) {
  testing::FakeDialogs dialogs;
  testing::FakeComponentChooser chooser;
  EditLoadDialog editor(markedLoad(), dialogs, chooser);
  // Every field taken back as shown, and each one retyped far beyond its width.
  for (std::size_t i = 0; i < kEditLoadFieldCount; ++i) {
    const auto field = static_cast<EditLoadField>(i);
    if (!editLoadFieldIsNumber(field)) editor.typeText(field, editor.fieldText(field) + "xyz");
  }
  editor.accept();
  ASSERT_TRUE(editor.accepted());
  const auto* bytes = reinterpret_cast<const unsigned char*>(&editor.record());
  for (std::size_t i = 0; i < kTextFields.size(); ++i) {
    const TextField& field = kTextFields[i];
    const std::string inside(reinterpret_cast<const char*>(bytes) + field.offset, field.width);
    if (i == 14 || i == 15) {  // wind and notes belong to the target view, not the editor
      EXPECT_EQ(inside, whole(i));
    } else {
      EXPECT_EQ(inside, whole(i).substr(1) + '\0') << i;  // cut to its width, ended by a NUL
    }
  }
}

TEST(RecordTexts, CatalogueFieldsOfThousandsOfCharactersReachTheLoadCut) {
  testing::TempFolder folder;
  const std::string maker(5000, 'M'), caliber(4000, 'C'), type(3000, 'T');
  testing::writeBytes(folder / "BULLETS.TXT", maker + "\t" + caliber + "\t150\t" + type +
                                                  "\t0.4\t0.2\n" + maker + "\tnext\t1\tt\tb\ts\n");
  const auto bullets = readBulletList(folder / "BULLETS.TXT");
  ASSERT_TRUE(bullets);
  ASSERT_EQ(bullets->size(), 2u);
  const BulletEntry& chosen = (*bullets)[0].caliber[0] == 'C' ? (*bullets)[0] : (*bullets)[1];
  EXPECT_EQ(chosen.manufacturer, std::string(63, 'M'));
  EXPECT_EQ(chosen.caliber, std::string(63, 'C'));
  EXPECT_EQ(chosen.weight, "150");
  EXPECT_EQ(chosen.type, std::string(63, 'T'));
  EXPECT_EQ(chosen.ballisticCoeff, "0.4");

  testing::FakeDialogs dialogs;
  testing::FakeComponentChooser chooser;
  chooser.bullet = chosen;
  EditLoadDialog editor(markedLoad(), dialogs, chooser);
  editor.bulletDBase();
  const LoadRecord& load = editor.record();
  EXPECT_EQ(load.caliber.view(), std::string(19, 'C'));
  EXPECT_EQ(load.bulletMfg.view(), std::string(19, 'M'));
  EXPECT_EQ(load.bulletType.view(), std::string(19, 'T'));
  EXPECT_EQ(load.bulletWeight, 150.0f);
  EXPECT_EQ(load.powderMfg.str(), whole(3));  // the neighbour is untouched
  EXPECT_TRUE(onlyWholeFields(loadTextReport(load)));
}

}  // namespace
}  // namespace deadhold
