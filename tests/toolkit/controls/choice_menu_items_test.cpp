// Checks ChoiceMenu's entry list without a menu: inserting, selecting, deleting and clearing with the
// current-index rules, separators, the limit of 128 entries, long texts, and what the label shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/toolkit/support/memory_surface.h"
#include "toolkit/controls/choice_menu.h"
#include "toolkit/graphics/canvas.h"

namespace {

const Rect kMenuArea(10, 10, 90, 30);

std::vector<std::string> textsOf(const ChoiceMenu& menu) {
  std::vector<std::string> texts;
  char buffer[kLabelTextCapacity];
  for (int32_t i = 0; i < menu.itemCount(); ++i) {
    EXPECT_TRUE(menu.itemText(i, buffer));
    texts.emplace_back(buffer);
  }
  return texts;
}

std::unique_ptr<ChoiceMenu> menuOf(const std::vector<const char*>& texts, int32_t current) {
  auto menu = std::make_unique<ChoiceMenu>(kMenuArea, nullptr, 7, nullptr, nullptr, 0);
  for (const char* text : texts) EXPECT_TRUE(menu->insertItem(text, -1));
  if (current >= 0) {
    EXPECT_TRUE(menu->selectItem(current));
  }
  return menu;
}

TEST(ChoiceMenu, TheFirstEntryAddedBecomesCurrent) {
  ChoiceMenu menu(kMenuArea, nullptr, 0, nullptr, nullptr, 0);
  EXPECT_EQ(menu.selectedItem(nullptr), -1);
  EXPECT_TRUE(menu.insertItem("one", -1));
  EXPECT_EQ(menu.selectedItem(nullptr), 0);
  EXPECT_TRUE(menu.insertItem("two", -1));
  char buffer[kLabelTextCapacity];
  EXPECT_EQ(menu.selectedItem(buffer), 0);
  EXPECT_STREQ(buffer, "one");
}

TEST(ChoiceMenu, InsertingMovesLaterEntriesAndKeepsTheCurrentText) {
  struct Case {
    std::vector<const char*> before;
    int32_t current;
    const char* text;
    int32_t index;
    std::vector<std::string> after;
    int32_t currentAfter;
  };
  const Case cases[] = {
      {{"a", "b"}, 1, "c", 0, {"c", "a", "b"}, 2},
      {{"a", "b"}, 0, "c", 1, {"a", "c", "b"}, 0},
      {{"a", "b"}, 1, "c", 1, {"a", "c", "b"}, 2},
      {{"a", "b"}, 1, "c", 2, {"a", "b", "c"}, 1},
      {{"a", "b"}, 1, "c", -5, {"a", "b", "c"}, 1},
      // Past the end has no place of its own: the entry goes last.
      {{"a", "b"}, 0, "c", 9, {"a", "b", "c"}, 0},
      {{"a"}, 0, nullptr, 0, {"", "a"}, 1},
  };
  for (const Case& c : cases) {
    auto menu = menuOf(c.before, c.current);
    EXPECT_TRUE(menu->insertItem(c.text, c.index));
    EXPECT_EQ(textsOf(*menu), c.after) << "index " << c.index;
    EXPECT_EQ(menu->selectedItem(nullptr), c.currentAfter) << "index " << c.index;
  }
}

TEST(ChoiceMenu, Refuses129thEntry) {
  ChoiceMenu menu(kMenuArea, nullptr, 0, nullptr, nullptr, 0);
  for (int32_t i = 0; i < 128; ++i) ASSERT_TRUE(menu.insertItem(std::to_string(i).c_str(), -1));
  EXPECT_FALSE(menu.insertItem("one too many", 0));
  EXPECT_EQ(menu.itemCount(), 128);
  char buffer[kLabelTextCapacity];
  EXPECT_TRUE(menu.itemText(0, buffer));
  EXPECT_STREQ(buffer, "0");
  EXPECT_TRUE(menu.itemText(127, buffer));
  EXPECT_STREQ(buffer, "127");
}

TEST(ChoiceMenu, SelectRefusesSeparatorsAndIndicesOutsideTheList) {
  auto menu = menuOf({"a", "-", "b"}, 2);
  for (int32_t index : {1, -1, 3, 100}) {
    EXPECT_FALSE(menu->selectItem(index)) << index;
    EXPECT_EQ(menu->selectedItem(nullptr), 2) << index;
  }
  // Only exactly "-" is a separator.
  EXPECT_TRUE(menu->insertItem("--", -1));
  EXPECT_TRUE(menu->selectItem(3));
}

TEST(ChoiceMenu, SelectingForcesTheNextRefreshToRepaint) {
  auto menu = menuOf({"a", "b"}, -1);
  for (float value : {0.0f, 0.5f}) {
    menu->putValue(value);
    menu->setShownValue(value);
    EXPECT_TRUE(menu->selectItem(1));
    EXPECT_NE(menu->shownValue(), menu->value());
  }
}

TEST(ChoiceMenu, DeletingMovesLaterEntriesDownAndTheCurrentIndexWithThem) {
  struct Case {
    std::vector<const char*> before;
    int32_t current;
    int32_t index;
    std::vector<std::string> after;
    int32_t currentAfter;
  };
  const Case cases[] = {
      {{"a", "b", "c"}, 2, 2, {"a", "b"}, 1},  // the current entry: the one before becomes current
      {{"a", "b", "c"}, 2, 0, {"b", "c"}, 1},  // before the current one: the same text stays current
      {{"a", "b", "c"}, 0, 1, {"a", "c"}, 0},  // after it: unchanged
      {{"a", "b", "c"}, 0, 0, {"b", "c"}, -1}, // the first while current: none is current
      {{"a"}, 0, 0, {}, -1},
  };
  for (const Case& c : cases) {
    auto menu = menuOf(c.before, c.current);
    EXPECT_TRUE(menu->deleteItem(c.index));
    EXPECT_EQ(textsOf(*menu), c.after) << "index " << c.index;
    EXPECT_EQ(menu->selectedItem(nullptr), c.currentAfter) << "index " << c.index;
  }
}

TEST(ChoiceMenu, RefusesToReadOrDeleteOutsideTheList) {
  auto menu = menuOf({"a", "b"}, 1);
  char buffer[kLabelTextCapacity] = "unchanged";
  for (int32_t index : {-1, 2}) {
    EXPECT_FALSE(menu->itemText(index, buffer));
    EXPECT_FALSE(menu->deleteItem(index));
  }
  EXPECT_STREQ(buffer, "unchanged");
  EXPECT_EQ(menu->itemCount(), 2);
  EXPECT_TRUE(menu->itemText(1, nullptr));
}

TEST(ChoiceMenu, ClearingEmptiesTheListAndItCanBeFilledAgain) {
  auto menu = menuOf({"a", "b", "c"}, 2);
  EXPECT_TRUE(menu->clearItems());
  EXPECT_EQ(menu->itemCount(), 0);
  EXPECT_EQ(menu->selectedItem(nullptr), -1);
  EXPECT_TRUE(menu->insertItem("d", -1));
  EXPECT_EQ(textsOf(*menu), std::vector<std::string>{"d"});
  EXPECT_EQ(menu->selectedItem(nullptr), 0);
}

TEST(ChoiceMenu, LongTextsAreCutTo255Bytes) {
  const std::string longText(400, 'm');
  auto menu = menuOf({longText.c_str()}, 0);
  char buffer[kLabelTextCapacity];
  EXPECT_EQ(menu->selectedItem(buffer), 0);
  EXPECT_EQ(std::string(buffer), longText.substr(0, 255));
}

// What the label shows for text: the default fill and frame, white Arial 12 centred.
std::unique_ptr<MemorySurface> labelShowing(const char* text) {
  auto surface = std::make_unique<MemorySurface>(100, 40, colorGrey);
  Canvas canvas(nullptr, surface->device(), nullptr);
  canvas.setBrushColor(colorBlack);
  canvas.paintRect(kMenuArea);
  canvas.setPenColor(colorBlack);
  canvas.outlineRect(kMenuArea);
  canvas.selectFont(3, 0);
  canvas.setTextInk(colorWhite);
  canvas.drawText(text, kMenuArea, false, alignCenter);
  return surface;
}

TEST(ChoiceMenu, ShowsTheCurrentEntryOrNothing) {
  struct Case {
    std::vector<const char*> texts;
    int32_t deleted;
    const char* shown;
  };
  const Case cases[] = {
      {{"Square", "Saw"}, -1, "Square"},
      {{"Square", "Saw"}, 0, ""},
      {{}, -1, ""},
  };
  for (const Case& c : cases) {
    auto menu = menuOf(c.texts, -1);
    if (c.deleted >= 0) menu->deleteItem(c.deleted);
    MemorySurface surface(100, 40, colorGrey);
    Canvas canvas(nullptr, surface.device(), nullptr);
    menu->paint(&canvas);
    EXPECT_TRUE(surface.samePixelsAs(*labelShowing(c.shown))) << c.shown;
  }
  EXPECT_FALSE(labelShowing("Square")->samePixelsAs(*labelShowing("")));
}

} // namespace
