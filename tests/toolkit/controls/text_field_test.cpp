// Checks TextField: its text and filter, and editing in the real edit box with synthesised keys and
// clicks: one report when Enter, a click elsewhere or a focus loss ends an edit that changed the text,
// none otherwise; the box's place, style and font; and closing the box when the field, the editor or
// the host window goes while the user is typing.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <memory>
#include <string>

#include "tests/toolkit/controls/controls_window.h"
#include "tests/toolkit/controls/edit_log.h"
#include "tests/toolkit/support/host_window.h"
#include "tests/toolkit/support/memory_surface.h"
#include "tests/toolkit/support/scripted_input.h"
#include "tests/toolkit/support/synthesised_actions.h"
#include "toolkit/controls/text_field.h"
#include "toolkit/graphics/canvas.h"

namespace {

const Rect kFieldArea(20, 20, 120, 40);
const Point kInsideField(70, 30);
const Point kElsewhere(200, 130);

std::string textOf(const TextField& field) {
  char buffer[kLabelTextCapacity];
  field.copyText(buffer);
  return buffer;
}

std::string windowText(HWND window) {
  char buffer[kLabelTextCapacity + 64] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

bool leftButtonUp() { return GetAsyncKeyState(VK_LBUTTON) >= 0; }

struct FieldScene {
  ControlsWindow window;
  EditLog log;
  TextField* field;

  explicit FieldScene(const char* text, Scale scale = Scale())
      : window(scale), field(window.add(std::make_unique<TextField>(kFieldArea, &log, 5, text, nullptr, 0))) {
  }

  // Presses on the field and holds the button until the press has opened the box, as a user's slower
  // hand does.
  bool clickField() {
    if (!movePointerTo(window.window(), window.root().toWindow(kInsideField))) return false;
    pressLeftButton();
    const bool opened = handleMessagesUntil([&] { return field->editBox() != nullptr; });
    releaseLeftButton();
    return handleMessagesUntil(leftButtonUp) && opened;
  }
  bool editingEnded() {
    return handleMessagesUntil([&] { return field->editBox() == nullptr; });
  }
};

enum class Ending { enter, clickElsewhere, focusElsewhere };

TEST(TextField, AnEditReportsOnceWhenTheTextChangedAndNeverWhenNot) {
  struct Case {
    const char* initial;
    const char* typed;
    bool eraseOne;
    Ending ending;
    const char* final;
  };
  const Case cases[] = {
      {"", "4.2", false, Ending::enter, "4.2"},
      {"abc", "", false, Ending::enter, "abc"},
      {"ab", "c", true, Ending::enter, "ab"},
      {"", "x1", false, Ending::clickElsewhere, "x1"},
      {"same", "", false, Ending::clickElsewhere, "same"},
      {"", "y", false, Ending::focusElsewhere, "y"},
      {"kept", "", false, Ending::focusElsewhere, "kept"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("initial \"") + c.initial + "\" typed \"" + c.typed + "\"");
    FieldScene scene(c.initial);
    ASSERT_TRUE(scene.clickField());
    HWND box = scene.field->editBox();
    EXPECT_EQ(windowText(box), c.initial);
    EXPECT_EQ(scene.window.root().editingWidget(), scene.field);

    typeText(c.typed);
    const std::string typedText = std::string(c.typed) + c.initial;
    ASSERT_TRUE(handleMessagesUntil([&] { return windowText(box).size() == typedText.size(); }));
    if (c.eraseOne) {
      tapKey(VK_BACK);
      ASSERT_TRUE(handleMessagesUntil([&] { return windowText(box) == c.initial; }));
    }
    if (c.ending == Ending::enter) {
      tapKey(VK_RETURN);
    } else if (c.ending == Ending::clickElsewhere) {
      EXPECT_TRUE(clickAt(scene.window.window(), kElsewhere));
    } else {
      SetFocus(scene.window.host());
    }
    ASSERT_TRUE(scene.editingEnded());
    // Let every message the closing caused arrive (a focus loss reaches a destroyed box no more).
    handleMessagesUntil(leftButtonUp);

    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(scene.window.root().editingWidget(), nullptr);
    EXPECT_EQ(textOf(*scene.field), c.final);
    EXPECT_EQ(scene.log.edits().size(), std::strcmp(c.initial, c.final) != 0 ? 1u : 0u);
    for (const EditLog::Edit& edit : scene.log.edits()) EXPECT_EQ(edit.tag, 5);
  }
}

// At a scale, the box covers the field's place in the window, with the font at the scaled height.
TEST(TextField, TheBoxCoversTheFieldOnePixelLargerWithTheFieldsFont) {
  struct Case {
    int32_t fontNumber;
    const char* face;
    LONG height;
    int32_t percent;
  };
  const Case cases[] = {{3, "Arial", -12, 100},  {0, "Arial", -12, 100}, {1, "Arial", -18, 100},
                        {6, "Symbol", -13, 100}, {9, "Arial", -12, 100}, {3, "Arial", -24, 200},
                        {1, "Arial", -27, 150}};
  for (const Case& c : cases) {
    const Scale scale = Scale::ofPercent(c.percent);
    FieldScene scene("text", scale);
    scene.field->changeFont(c.fontNumber);
    ASSERT_TRUE(scene.clickField());
    HWND box = scene.field->editBox();

    RECT place{};
    GetWindowRect(box, &place);
    MapWindowPoints(HWND_DESKTOP, scene.window.window(), reinterpret_cast<POINT*>(&place), 2);
    const Rect area =
        scale.toWindow(Rect(kFieldArea.left, kFieldArea.top, kFieldArea.right + 1, kFieldArea.bottom + 1));
    EXPECT_EQ(place.left, area.left) << c.percent;
    EXPECT_EQ(place.top, area.top) << c.percent;
    EXPECT_EQ(place.right - place.left, area.width()) << c.percent;
    EXPECT_EQ(place.bottom - place.top, area.height()) << c.percent;
    const LONG style = GetWindowLongA(box, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL),
              WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL);
    EXPECT_EQ(GetFocus(), box);

    auto font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
    LOGFONTA description{};
    ASSERT_NE(GetObjectA(font, sizeof description, &description), 0);
    EXPECT_STREQ(description.lfFaceName, c.face) << c.fontNumber;
    EXPECT_EQ(description.lfHeight, c.height) << c.fontNumber;
    EXPECT_EQ(description.lfWeight, FW_NORMAL) << c.fontNumber;
    EXPECT_EQ(description.lfPitchAndFamily, VARIABLE_PITCH | FF_SWISS) << c.fontNumber;
    EXPECT_EQ(description.lfOutPrecision, OUT_STRING_PRECIS);
    EXPECT_EQ(description.lfClipPrecision, CLIP_STROKE_PRECIS);

    scene.field->dropFocus();
    EXPECT_EQ(GetObjectType(font), 0u) << "the box's font outlives the box";
  }
}

// Presses the field with the buttons given, through the toolkit's input seam.
void pressWith(FieldScene& scene, ButtonState buttons) {
  ScriptedInput input(scene.window.window(), {{buttons, kInsideField}});
  scene.window.press(*scene.field, kInsideField);
}

TEST(TextField, OnlyAPlainLeftPressOnAClickableIdleFieldOpensTheBox) {
  for (ButtonState buttons : {ButtonState{rightButton}, leftButton | shiftKey, leftButton | altKey, 0}) {
    FieldScene scene("t");
    pressWith(scene, buttons);
    EXPECT_EQ(scene.field->editBox(), nullptr) << "buttons " << buttons;
    EXPECT_EQ(scene.window.root().editingWidget(), nullptr);
  }
  FieldScene locked("t");
  locked.field->setClickable(false);
  pressWith(locked, leftButton);
  EXPECT_EQ(locked.field->editBox(), nullptr);

  FieldScene scene("t");
  pressWith(scene, leftButton);
  HWND box = scene.field->editBox();
  ASSERT_NE(box, nullptr);
  pressWith(scene, leftButton);
  EXPECT_EQ(scene.field->editBox(), box) << "a press while editing opened a second box";
  scene.field->dropFocus();
}

TEST(TextField, DropFocusCompletesOnceAndIsHarmlessWhileIdle) {
  FieldScene scene("before");
  scene.field->dropFocus();
  EXPECT_TRUE(scene.log.edits().empty());
  pressWith(scene, leftButton);
  ASSERT_NE(scene.field->editBox(), nullptr);
  SetWindowTextA(scene.field->editBox(), "after");
  // The box has the focus, so destroying it sends it a focus loss on the way.
  scene.field->dropFocus();
  scene.field->dropFocus();
  handlePendingMessages();
  EXPECT_EQ(scene.log.edits().size(), 1u);
  EXPECT_EQ(textOf(*scene.field), "after");
}

TEST(TextField, TheFieldGoingWhileEditingClosesTheBoxQuietly) {
  FieldScene scene("before");
  pressWith(scene, leftButton);
  HWND box = scene.field->editBox();
  ASSERT_NE(box, nullptr);
  auto font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
  SetWindowTextA(box, "typed");
  scene.window.root().removeWidget(scene.field).reset();
  handlePendingMessages();
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(GetObjectType(font), 0u);
  EXPECT_EQ(scene.window.root().editingWidget(), nullptr);
  EXPECT_TRUE(scene.log.edits().empty());
}

TEST(TextField, ClosingTheEditorWhileEditingTakesTheTypedText) {
  EditLog log;
  HWND box = nullptr;
  {
    ControlsWindow window;
    TextField* field = window.add(std::make_unique<TextField>(kFieldArea, &log, 5, "before", nullptr, 0));
    ScriptedInput input(window.window(), {{leftButton, kInsideField}});
    window.press(*field, kInsideField);
    box = field->editBox();
    ASSERT_NE(box, nullptr);
    SetWindowTextA(box, "typed");
  }
  EXPECT_FALSE(IsWindow(box));
  ASSERT_EQ(log.edits().size(), 1u);
  EXPECT_EQ(log.edits()[0].tag, 5);
}

// Refuses the keyboard focus to every window while it lives, as a host whose window cannot take the
// focus leaves an edit box without it.
class FocusRefusal {
public:
  FocusRefusal() : hook_(SetWindowsHookExA(WH_CBT, refuse, nullptr, GetCurrentThreadId())) {}
  ~FocusRefusal() { UnhookWindowsHookEx(hook_); }

  FocusRefusal(const FocusRefusal&) = delete;
  FocusRefusal& operator=(const FocusRefusal&) = delete;

private:
  static LRESULT CALLBACK refuse(int code, WPARAM first, LPARAM second) {
    if (code == HCBT_SETFOCUS) return 1;
    return CallNextHookEx(nullptr, code, first, second);
  }
  HHOOK hook_;
};

TEST(TextField, TheHostDestroyingItsWindowWhileEditingLeavesNoBoxBehind) {
  for (bool boxHasFocus : {true, false}) {
    SCOPED_TRACE(boxHasFocus ? "box with the focus" : "box without the focus");
    EditLog log;
    HostWindow host(160, 80);
    auto root = std::make_unique<RootView>(Rect(0, 0, 160, 80), host.handle(), nullptr);
    auto* field = root->addWidget(std::make_unique<TextField>(kFieldArea, &log, 5, "before", nullptr, 0));
    UpdateWindow(root->windowHandle());
    root->setEditingWidget(field);
    {
      std::unique_ptr<FocusRefusal> refusal(boxHasFocus ? nullptr : new FocusRefusal);
      field->gainFocus();
    }
    HWND box = field->editBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetFocus() == box, boxHasFocus);
    auto font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
    SetWindowTextA(box, "typed");

    host.destroy();
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(field->editBox(), nullptr);
    EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_EQ(root->editingWidget(), nullptr);
    EXPECT_EQ(textOf(*field), "typed");
    // With the focus, the box loses it while the editor window still exists, and the edit ends as
    // usual; without, the box learns of its end only once the editor window is gone.
    EXPECT_EQ(log.edits().size(), boxHasFocus ? 1u : 0u);
    root.reset();
  }
}

TEST(TextField, TextsAreCutTo255BytesWhereverTheyEnter) {
  const std::string longText(300, 'w');
  TextField field(kFieldArea, nullptr, 0, longText.c_str(), nullptr, 0);
  EXPECT_EQ(textOf(field), longText.substr(0, 255));
  field.assignText("short");
  EXPECT_EQ(textOf(field), "short");
  field.assignText(longText.c_str());
  EXPECT_EQ(textOf(field), longText.substr(0, 255));
  field.assignText(nullptr);
  EXPECT_EQ(textOf(field), longText.substr(0, 255));
  field.copyText(nullptr);

  TextField empty(kFieldArea, nullptr, 0, nullptr, nullptr, 0);
  EXPECT_EQ(textOf(empty), "");
}

TEST(TextField, ALongestTextEditedUnchangedIsNotReported) {
  const std::string longest(255, 'q');
  FieldScene scene(longest.c_str());
  pressWith(scene, leftButton);
  ASSERT_NE(scene.field->editBox(), nullptr);
  EXPECT_EQ(windowText(scene.field->editBox()), longest);
  scene.field->dropFocus();
  EXPECT_TRUE(scene.log.edits().empty());
  EXPECT_EQ(textOf(*scene.field), longest);
}

TEST(TextField, AssigningATextForcesTheNextRefresh) {
  for (float value : {0.0f, 1.0f, 0.25f}) {
    TextField field(kFieldArea, nullptr, 0, "a", nullptr, 0);
    field.putValue(value);
    field.setShownValue(value);
    field.assignText("b");
    EXPECT_NE(field.shownValue(), field.value()) << value;
  }
}

void upperCase(const char* text, char* shown) {
  size_t i = 0;
  for (; text[i] != '\0'; ++i)
    shown[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
  shown[i] = '\0';
}

TEST(TextField, PaintsItsTextOrWhatTheFilterMakesOfIt) {
  struct Case {
    bool filtered;
    const char* shown;
  };
  for (const Case& c : {Case{false, "abc"}, Case{true, "ABC"}}) {
    TextField field(kFieldArea, nullptr, 0, "abc", nullptr, 0);
    if (c.filtered) field.installTextFilter(upperCase);
    MemorySurface painted(140, 60, colorGrey);
    {
      Canvas canvas(nullptr, painted.device(), nullptr);
      field.paint(&canvas);
    }
    MemorySurface wanted(140, 60, colorGrey);
    {
      Canvas canvas(nullptr, wanted.device(), nullptr);
      canvas.setBrushColor(colorBlack);
      canvas.paintRect(kFieldArea);
      canvas.setPenColor(colorBlack);
      canvas.outlineRect(kFieldArea);
      canvas.selectFont(3, 0);
      canvas.drawText(c.shown, kFieldArea, false, alignCenter);
    }
    EXPECT_TRUE(painted.samePixelsAs(wanted)) << c.shown;
  }
}

} // namespace
