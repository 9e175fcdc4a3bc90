// Checks the gate's editor through its classes: controls at the live values, the curve drawn at the first
// idle, program changes and host writes from any thread reaching the controls and the readout at the next
// idle, sizes chosen with and without the host's room, and no GDI or window left behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <thread>
#include <utility>
#include <vector>

#include "editor/pattern_menu.h"
#include "editor/step_gate_editor.h"
#include "gate/pattern_text.h"
#include "gate/pattern_tools.h"
#include "gate/step_gate_plugin.h"
#include "resources/resource_ids.h"
#include "tests/editor/editor_pixels.h"
#include "tests/support/recording_host.h"
#include "tests/toolkit/support/host_window.h"
#include "tests/toolkit/support/manual_clock.h"
#include "tests/toolkit/support/memory_surface.h"
#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/clipboard.h"
#include "toolkit/graphics/native_handles.h"
#include "toolkit/graphics/pixmap.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/root_view.h"
#include "tools/gatehost/size_override.h"
#include "tools/probe/leak_check.h"
#include "tools/probe/resource_census.h"

namespace {

const PatternCommand& commandLabeled(const std::string& label) {
  for (const PatternCommand& command : patternCommands())
    if (command.label == label) return command;
  ADD_FAILURE() << "no command " << label;
  return patternCommands().front();
}

// The entries as a line: each entry's text, "*" when checked, its submenu in brackets.
std::string describe(const std::vector<MenuEntry>& entries) {
  std::string line;
  for (const MenuEntry& entry : entries)
    line += entry.text + (entry.checked ? "*" : "") +
            (entry.submenu.empty() ? "" : "[" + describe(entry.submenu) + "]") + "|";
  return line;
}

intptr_t dispatch(PluginEffect& effect, Opcode opcode, void* data = nullptr) {
  return effect.handleOpcode(static_cast<int32_t>(opcode), 0, 0, data, 0.0f);
}

// The gate with its editor, put together as `main` does.
struct GateWithEditor {
  explicit GateWithEditor(HostCallback callback = nullptr) : gate(callback) {
    auto owned = std::make_unique<StepGateEditor>(&gate);
    editor = owned.get();
    gate.adoptEditor(std::move(owned));
  }
  StepGatePlugin gate;
  StepGateEditor* editor;
};

// An editor opened in a host window, as a host opens it.
struct OpenEditor {
  explicit OpenEditor(StepGatePlugin& gate) : gate(gate), window(386, 240) {
    EditorRect* rect = nullptr;
    dispatch(gate, Opcode::EditorRect, &rect);
    opened = rect != nullptr && dispatch(gate, Opcode::EditorOpen, window.handle()) == 1;
    handlePendingMessages();
  }
  ~OpenEditor() { dispatch(gate, Opcode::EditorClose); }
  void idle() {
    dispatch(gate, Opcode::EditorIdle);
    handlePendingMessages();
  }
  StepGatePlugin& gate;
  HostWindow window;
  bool opened = false;
};

} // namespace

TEST(StepGateEditor, AsksForTheBackgroundsSizeAndOpensWithEveryControlAtItsLiveValue) {
  GateWithEditor edited;
  StepGatePlugin& gate = edited.gate;
  EditorRect* rect = nullptr;
  EXPECT_EQ(dispatch(gate, Opcode::EditorRect, &rect), 1);
  ASSERT_NE(rect, nullptr);
  EXPECT_EQ(rect->top, 0);
  EXPECT_EQ(rect->left, 0);
  EXPECT_EQ(rect->bottom, 240);
  EXPECT_EQ(rect->right, 386);
  EXPECT_EQ(edited.editor->controlOf(0), nullptr);

  OpenEditor editor(gate);
  ASSERT_TRUE(editor.opened);
  for (int32_t index = 0; index < 34; ++index) {
    ValueWidget* control = edited.editor->controlOf(index);
    ASSERT_NE(control, nullptr) << index;
    EXPECT_EQ(control->value(), index == 32 ? 0.5f : 1.0f) << index;
    EXPECT_EQ(control->tag(), index);
  }
  // The 34 controls, the readout and the curve, above the area that takes the presses they leave.
  EXPECT_EQ(edited.editor->rootView()->widgetCount(), 37);
  EXPECT_EQ(edited.editor->controlOf(0)->size().left, 11);
  EXPECT_EQ(edited.editor->controlOf(15)->size().left, 11 + 19 * 15);
  EXPECT_EQ(edited.editor->controlOf(16)->size().top, 85);
  EXPECT_EQ(edited.editor->controlOf(32)->size().left, 334);
  EXPECT_EQ(edited.editor->controlOf(33)->size().left, 353);
}

TEST(StepGateEditor, FirstIdleDrawsTheCurveOfTheCurrentTable) {
  const struct {
    const char* name;
    std::vector<std::pair<int32_t, float>> writes;
    // The curve must be higher at the first column than at the second: the edge the case is about.
    int32_t higherColumn, lowerColumn;
  } cases[] = {
      // Step 3 cut short after its first 33 points, unsmoothed: the curve falls within one column.
      {"step 3 short", {{18, 0.0f}, {32, 0.0f}, {33, 0.0f}}, 40, 53},
      // Step 16 silent before a full step 1, lightly smoothed: the last entries rise steeply, so the last
      // column's segment shows which entry it ends on.
      {"bar line smoothed", {{15, 0.0f}, {32, 0.04f}, {33, 0.0f}}, 297, 296},
  };
  for (const auto& c : cases) {
    GateWithEditor edited;
    StepGatePlugin& gate = edited.gate;
    for (const auto& [index, value] : c.writes) gate.writeParameter(index, value);
    OpenEditor editor(gate);
    ASSERT_TRUE(editor.opened);
    editor.idle();
    GainTable table;
    gate.copyGainTable(table);
    ASSERT_LT(curveRow(table, c.higherColumn), curveRow(table, c.lowerColumn)) << c.name;
    const CapturedImage image = captureClientArea(editor.window.handle());
    ASSERT_EQ(image.width, 386);
    // The strip as its segments make it: each line from its column's start row to its end row, the end
    // pixel left out as the platform leaves it out.
    MemorySurface strip(386, 240, Color{7, 41, 25, 0});
    {
      Canvas canvas(nullptr, strip.device(), nullptr);
      canvas.setPenColor(Color{0, 255, 0, 0});
      for (int32_t column = 0; column < 298; ++column) {
        canvas.movePen(Point(11 + column, curveRow(table, column)));
        canvas.strokeTo(Point(12 + column, curveEndRow(table, column)));
      }
    }
    for (int32_t y = 7; y < 72; ++y) {
      for (int32_t x = 11; x < 309; ++x) {
        const Color wanted = strip.pixel(x, y);
        ASSERT_EQ(pixelAt(image, x, y), (Rgb{wanted.red, wanted.green, wanted.blue}))
            << c.name << ": " << x << ", " << y;
      }
    }
  }
}

// The hints under the readout are the background bitmap's own pixels, at their own place.
TEST(StepGateEditor, ReadoutHintsAreTheBackgroundAtItsPlace) {
  GateWithEditor edited;
  OpenEditor editor(edited.gate);
  editor.idle();
  const CapturedImage image = captureClientArea(editor.window.handle());
  ASSERT_EQ(image.width, 386);
  MemorySurface background(386, 240, colorBlack);
  {
    const PixmapRef pixmap = PixmapRef::adopt(new Pixmap(RESOURCE_BACKGROUND));
    Canvas canvas(nullptr, background.device(), nullptr);
    pixmap->drawOpaque(&canvas, Rect(0, 0, 386, 240), Point(0, 0));
  }
  int32_t differing = 0;
  for (int32_t y = 210; y <= 232; ++y)
    for (int32_t x = 11; x <= 375; ++x) {
      const Color wanted = background.pixel(x, y);
      differing += pixelAt(image, x, y) == Rgb{wanted.red, wanted.green, wanted.blue} ? 0 : 1;
    }
  EXPECT_EQ(differing, 0);
}

// At 200 % every bitmap is its double-size image as it is; the background shows it.
TEST(StepGateEditor, AtTwoHundredPercentTheBackgroundIsItsDoubleSizeImage) {
  const PixmapRef background = PixmapRef::adopt(new Pixmap(RESOURCE_BACKGROUND));
  const PixmapRef doubled = PixmapRef::adopt(new Pixmap(RESOURCE_BACKGROUND_DOUBLE));
  ASSERT_EQ(doubled->width(), 772);
  RootView root(Rect(0, 0, 386, 240), nullptr, nullptr, Scale::ofPercent(200));
  MemorySurface drawn(772, 480, colorBlack);
  MemorySurface expected(772, 480, colorBlack);
  {
    Canvas scaled(&root, drawn.device(), nullptr);
    background->drawOpaque(&scaled, Rect(0, 0, 386, 240), Point(0, 0));
    Canvas plain(nullptr, expected.device(), nullptr);
    doubled->drawOpaque(&plain, Rect(0, 0, 772, 480), Point(0, 0));
  }
  EXPECT_TRUE(drawn.samePixelsAs(expected));
}

TEST(StepGateEditor, ProgramSelectionMovesEveryControlAtTheNextIdle) {
  GateWithEditor edited;
  StepGatePlugin& gate = edited.gate;
  gate.handleOpcode(static_cast<int32_t>(Opcode::SelectProgram), 0, 4, nullptr, 0.0f);
  for (int32_t index = 0; index < 34; ++index)
    gate.writeParameter(index, static_cast<float>(index % 5) / 4.0f);
  gate.handleOpcode(static_cast<int32_t>(Opcode::SelectProgram), 0, 0, nullptr, 0.0f);
  OpenEditor editor(gate);
  editor.idle();
  gate.handleOpcode(static_cast<int32_t>(Opcode::SelectProgram), 0, 4, nullptr, 0.0f);
  // The selection only stored and counted the values; the idle, on the window's thread, moves the controls.
  EXPECT_EQ(edited.editor->controlOf(1)->value(), 1.0f);
  editor.idle();
  for (int32_t index = 0; index < 34; ++index)
    EXPECT_EQ(edited.editor->controlOf(index)->value(), static_cast<float>(index % 5) / 4.0f) << index;
}

// Written by the host's automation on a thread of its own, which touches no control: the window's next idle
// moves them, also a control the write did not change the value of.
TEST(StepGateEditor, ControlsShowWhatPlaysWhenWrittenWhileOpenAndWhenOpenedAfterwards) {
  // A step plays full length only for a switch above 0: a NaN or negative one shows off.
  const struct {
    int32_t index;
    float written;
    float shown;
  } cases[] = {{5, 0.25f, 0.25f}, {16, 0.5f, 0.5f}, {17, __builtin_nanf(""), 0.0f}, {18, -0.5f, 0.0f}};
  GateWithEditor edited;
  StepGatePlugin& gate = edited.gate;
  {
    OpenEditor editor(gate);
    editor.idle();
    std::thread automation([&] {
      for (const auto& c : cases) gate.writeParameter(c.index, c.written);
    });
    automation.join();
    EXPECT_EQ(edited.editor->controlOf(5)->value(), 1.0f);
    editor.idle();
    for (const auto& c : cases) EXPECT_EQ(edited.editor->controlOf(c.index)->value(), c.shown) << c.index;
    // A display left behind: a write of the value already held still puts it right.
    edited.editor->controlOf(6)->putValue(0.5f);
    gate.writeParameter(6, 1.0f);
    editor.idle();
    EXPECT_EQ(edited.editor->controlOf(6)->value(), 1.0f);
  }
  OpenEditor editor(gate);
  for (const auto& c : cases) EXPECT_EQ(edited.editor->controlOf(c.index)->value(), c.shown) << c.index;
}

TEST(StepGateEditor, ControlEditTellsTheHostAndMovesTheEffect) {
  GateWithEditor edited;
  StepGatePlugin& gate = edited.gate;
  OpenEditor editor(gate);
  ValueWidget* fader = edited.editor->controlOf(3);
  fader->putValue(0.375f);
  HWND window = edited.editor->rootView()->windowHandle();
  {
    WindowDevice device(window);
    Canvas canvas(edited.editor->rootView(), device.handle(), window);
    edited.editor->controlEdited(&canvas, fader);
  }
  EXPECT_EQ(fader->shownValue(), 0.375f);
  // A drag, a wheel turn or a reset holds the pointer's messages back: the readout follows the edit.
  EXPECT_EQ(edited.editor->readout(), "Step 4  38 %");
  EXPECT_EQ(gate.readParameter(3), 0.375f);
  EXPECT_EQ(gate.program(0).stepLevels[3], 0.375f);
}

TEST(StepGateEditor, OpeningAgainWithoutClosingReplacesTheWindow) {
  GateWithEditor edited;
  StepGatePlugin& gate = edited.gate;
  OpenEditor editor(gate);
  const LeakCheck check = repeatUntilLevel(10, [&] {
    EXPECT_EQ(dispatch(gate, Opcode::EditorOpen, editor.window.handle()), 1);
    handlePendingMessages();
  });
  EXPECT_TRUE(check.passed()) << check.description();
  EXPECT_EQ(edited.editor->rootView()->widgetCount(), 37);
}

TEST(StepGateEditor, OpenCloseCyclesLeaveNoGdiObjectOrWindowBehind) {
  HostWindow window(386, 240);
  const auto open = [&](StepGatePlugin& gate) {
    EditorRect* rect = nullptr;
    dispatch(gate, Opcode::EditorRect, &rect);
    dispatch(gate, Opcode::EditorOpen, window.handle());
    handlePendingMessages();
    dispatch(gate, Opcode::EditorIdle);
  };
  const auto close = [](StepGatePlugin& gate) {
    dispatch(gate, Opcode::EditorClose);
    handlePendingMessages();
  };
  {
    const int32_t gdiBefore = liveGdiObjects(), windowsBefore = liveWindows();
    GateWithEditor edited;
    // The background stays loaded while the editor exists; the other three bitmaps live while it is open.
    const int32_t gdiClosed = liveGdiObjects();
    EXPECT_GE(gdiClosed, gdiBefore + 1);
    open(edited.gate);
    EXPECT_GE(liveGdiObjects(), gdiClosed + 3);
    EXPECT_EQ(liveWindows(), windowsBefore + 1);
    close(edited.gate);
  }
  GateWithEditor edited;
  const LeakCheck cycles = repeatUntilLevel(20, [&] {
    open(edited.gate);
    close(edited.gate);
  });
  EXPECT_TRUE(cycles.passed()) << "one effect's editor: " << cycles.description();
  const LeakCheck effects = repeatUntilLevel(10, [&] {
    GateWithEditor another;
    open(another.gate);
    close(another.gate);
  });
  EXPECT_TRUE(effects.passed()) << "an editor in each effect: " << effects.description();
}

namespace {

EditorRect rectOf(PluginEffect& effect) {
  EditorRect* rect = nullptr;
  dispatch(effect, Opcode::EditorRect, &rect);
  return rect != nullptr ? *rect : EditorRect{};
}

SIZE clientSizeOf(HWND window) {
  RECT area{};
  GetClientRect(window, &area);
  return SIZE{area.right, area.bottom};
}

} // namespace

// A host that cannot resize keeps the editor, and every pixel beside it, as they were, and the readout
// says why for two seconds; a host that can is asked for the new size, which opcode 13 then answers, the
// window takes, and the next editor opens at.
TEST(StepGateEditor, AChosenSizeTakesTheHostsRoomAndIsRememberedForTheNextEditor) {
  const SizeOverride noneRemembered(std::nullopt);
  ManualClock clock(1000);
  RecordingHost host;
  GateWithEditor edited(host.callback());
  HostWindow window(800, 500);
  rectOf(edited.gate);
  ASSERT_EQ(dispatch(edited.gate, Opcode::EditorOpen, window.handle()), 1);
  const auto idle = [&edited] {
    dispatch(edited.gate, Opcode::EditorIdle);
    handlePendingMessages();
  };
  idle();
  const HWND editorWindow = edited.editor->rootView()->windowHandle();
  const CapturedImage before = captureClientArea(window.handle());

  edited.editor->chooseSize(Scale::ofPercent(200));
  idle();
  EXPECT_EQ(rectOf(edited.gate).right, 386);
  EXPECT_EQ(clientSizeOf(editorWindow).cx, 386);
  EXPECT_EQ(edited.editor->readout(), "This host cannot resize the editor");
  const CapturedImage refused = captureClientArea(window.handle());
  int32_t changedBeside = 0;
  for (int32_t y = 0; y < 500; ++y)
    for (int32_t x = 0; x < 800; ++x)
      changedBeside += (x >= 386 || y >= 240) && !(pixelAt(refused, x, y) == pixelAt(before, x, y)) ? 1 : 0;
  EXPECT_EQ(changedBeside, 0);
  clock.advance(1999);
  idle();
  EXPECT_EQ(edited.editor->readout(), "This host cannot resize the editor");
  clock.advance(1);
  idle();
  EXPECT_EQ(edited.editor->readout(), "");
  EXPECT_EQ(rememberedSizePercent(), std::nullopt);

  host.answer(static_cast<int32_t>(HostRequest::ResizeWindow), 1);
  edited.editor->runPatternCommand(commandLabeled("200 %"));
  const std::vector<HostCall> asked = host.callsOf(static_cast<int32_t>(HostRequest::ResizeWindow));
  ASSERT_EQ(asked.size(), 2u);
  for (const HostCall& call : asked) {
    EXPECT_EQ(call.index, 772);
    EXPECT_EQ(call.value, 480);
  }
  EXPECT_EQ(clientSizeOf(editorWindow).cx, 772);
  EXPECT_EQ(rememberedSizePercent(), 200);
  dispatch(edited.gate, Opcode::EditorClose);

  GateWithEditor next;
  EXPECT_EQ(rectOf(next.gate).right, 772);
  EXPECT_EQ(rectOf(next.gate).bottom, 480);
}

TEST(StepGateEditor, AHundredSizeChangesLeaveNoGdiObjectOrWindowBehind) {
  const SizeOverride noneRemembered(std::nullopt);
  RecordingHost host;
  host.answer(static_cast<int32_t>(HostRequest::ResizeWindow), 1);
  GateWithEditor edited(host.callback());
  OpenEditor editor(edited.gate);
  int32_t change = 0;
  const LeakCheck check = repeatUntilLevel(99, [&] {
    edited.editor->chooseSize(Scale::kSizes[++change % Scale::kSizeCount]);
    editor.idle();
  });
  EXPECT_EQ(edited.editor->scale().percent(), Scale::kSizes[change % Scale::kSizeCount].percent());
  EXPECT_TRUE(check.passed()) << check.description();
}

namespace {

// Distinct values, none of them a value any command produces by chance.
Pattern distinctPattern() {
  Pattern pattern{};
  for (int32_t index = 0; index < GateParameterCount; ++index)
    pattern[index] = static_cast<float>(index % 7 + 1) / 9.0f;
  return pattern;
}

void writeAll(StepGatePlugin& gate, const Pattern& pattern) {
  for (int32_t index = 0; index < GateParameterCount; ++index) gate.writeParameter(index, pattern[index]);
}

ProgramRecord bankRecord(int32_t number) {
  ProgramRecord record{};
  if (FILE* file = std::fopen(STEPGATE_BANK_FILE, "rb")) {
    std::fseek(file, number * static_cast<long>(sizeof record), SEEK_SET);
    if (std::fread(&record, sizeof record, 1, file) != 1) record = {};
    std::fclose(file);
  }
  return record;
}

} // namespace

TEST(StepGateEditor, PatternCommandsWriteWhatTheyChangeTellTheHostAndMoveTheControls) {
  // The randomizing commands draw from a generator seeded with the tick count at the editor's making.
  constexpr uint32_t kSeed = 4242;
  ManualClock clock(kSeed);
  RecordingHost host;
  GateWithEditor edited(host.callback());
  StepGatePlugin& gate = edited.gate;
  OpenEditor editor(gate);
  const Pattern start = distinctPattern();
  std::mt19937 random(kSeed);
  // By label. In the table's order: the editor draws from its generator as the table is walked.
  std::map<std::string, Pattern> cases = {
      {"Rotate left", rotated(start, -1)},
      {"Rotate right", rotated(start, 1)},
      {"Invert levels", invertedLevels(start)},
      {"Randomize levels", randomLevels(start, random)},
      {"Randomize switches", randomSwitches(start, random)},
      {"Clear", clearedLevels(start)},
      {"Reset", initPattern()},
  };
  for (int32_t number = 0; number < kProgramCount; ++number) {
    ASSERT_NE(patternOf(bankRecord(number)), Pattern{}) << number;
    cases["Pattern " + std::to_string(number + 1)] = patternOf(bankRecord(number));
  }
  size_t walked = 0;
  for (const PatternCommand& command : patternCommands()) {
    // Copy and paste have a test of their own, the sizes theirs.
    if (!command.make || command.label == "Copy pattern" || command.label == "Paste pattern") continue;
    ASSERT_EQ(cases.count(command.label), 1u) << "no case for " << command.label;
    const Pattern& expected = cases.at(command.label);
    ++walked;
    writeAll(gate, start);
    editor.idle();
    host.clear();
    edited.editor->runPatternCommand(command);
    int32_t changed = 0;
    for (int32_t index = 0; index < GateParameterCount; ++index) {
      changed += start[index] != expected[index] ? 1 : 0;
      EXPECT_EQ(gate.readParameter(index), expected[index]) << command.label << " parameter " << index;
      // Painted at once: a host may not idle for a while.
      EXPECT_EQ(edited.editor->controlOf(index)->shownValue(), expected[index])
          << command.label << " " << index;
    }
    const std::vector<HostCall> notices = host.callsOf(static_cast<int32_t>(HostRequest::ParameterEdited));
    ASSERT_EQ(static_cast<int32_t>(notices.size()), changed) << command.label;
    // Outside any gesture each change is bracketed on its own.
    for (const HostRequest request : {HostRequest::BeginEdit, HostRequest::EndEdit})
      EXPECT_EQ(static_cast<int32_t>(host.callsOf(static_cast<int32_t>(request)).size()), changed)
          << command.label;
    for (const HostCall& notice : notices) EXPECT_EQ(notice.scalar, expected[notice.index]) << command.label;
  }
  EXPECT_EQ(walked, cases.size());
}

// Every row of the table in its place; the DLL's tests choose entries by their texts.
TEST(PatternMenu, DrawsTheCommandTableWithItsSeparatorsSubmenusAndTheCurrentSizeChecked) {
  std::string factory;
  for (int32_t number = 1; number <= kProgramCount; ++number)
    factory += "Pattern " + std::to_string(number) + "|";
  const std::vector<MenuEntry> entries = patternMenuEntries(Scale::ofPercent(150));
  EXPECT_EQ(describe(entries), "Copy pattern|Paste pattern|-|Factory patterns[" + factory +
                                   "]|-|Rotate left|Rotate right|Invert levels|Randomize levels|"
                                   "Randomize switches|Clear|Reset|-|Size[100 %|150 %*|200 %|]|");
}

TEST(StepGateEditor, CopiedPatternPastesIntoAnotherInstanceExactlyAndMalformedTextChangesNothing) {
  GateWithEditor first, second;
  OpenEditor firstEditor(first.gate), secondEditor(second.gate);
  Pattern awkward = distinctPattern();
  awkward[FirstStepLevel + 4] = std::nextafter(0.1f, 1.0f);
  writeAll(first.gate, awkward);
  first.editor->runPatternCommand(commandLabeled("Copy pattern"));
  second.editor->runPatternCommand(commandLabeled("Paste pattern"));
  EXPECT_EQ(second.editor->pasteRefusal(), "");
  for (int32_t index = 0; index < GateParameterCount; ++index) {
    const float pasted = second.gate.readParameter(index);
    EXPECT_EQ(std::memcmp(&pasted, &awkward[index], sizeof pasted), 0) << index;
  }
  ASSERT_TRUE(putClipboardText(nullptr, patternText(awkward).substr(0, 40)));
  writeAll(second.gate, initPattern());
  second.editor->runPatternCommand(commandLabeled("Paste pattern"));
  EXPECT_EQ(second.editor->pasteRefusal(), "Too few values");
  EXPECT_EQ(second.editor->readout(), "Paste refused: Too few values");
  // The message stays while the pointer moves on over the background, where the menu was opened.
  second.editor->pointerMoved(Point(200, 215));
  EXPECT_EQ(second.editor->readout(), "Paste refused: Too few values");
  for (int32_t index = 0; index < GateParameterCount; ++index)
    EXPECT_EQ(second.gate.readParameter(index), initPattern()[index]) << index;
}

TEST(StepGateEditor,
     ReadoutNamesTheControlUnderThePointerWithItsValueAsAMusicianReadsItAndGivesTheHintsBack) {
  GateWithEditor edited;
  OpenEditor editor(edited.gate);
  editor.idle();
  const struct {
    Point at;
    int32_t index;
    float value;
    const char* expected;
  } cases[] = {
      // Two wheel notches down from full.
      {Point(87, 150), 4, 1.0f - 0.05f - 0.05f, "Step 5  90 %"},
      {Point(57, 93), 18, 0.0f, "Switch 3  Off"},
      {Point(76, 93), 19, 1.0f, "Switch 4  On"},
      {Point(342, 150), 32, 0.5f, "Smooth  50 %"},
      {Point(361, 150), 33, 0.5f, "Shift  0.50 step"},
      {Point(361, 150), 33, 1.0f, "Shift  1.00 step"},
      {Point(200, 40), 0, 1.0f, ""},
  };
  for (const auto& c : cases) {
    edited.editor->pointerLeft();
    edited.gate.writeParameter(c.index, c.value);
    edited.editor->pointerMoved(c.at);
    EXPECT_EQ(edited.editor->readout(), c.expected) << c.at.h << "," << c.at.v;
  }
  // The host's own text keeps the interface's truncation.
  char hostText[16] = "";
  edited.gate.writeParameter(4, 1.0f - 0.05f - 0.05f);
  edited.gate.fetchParameterValueText(4, hostText);
  EXPECT_STREQ(hostText, "0.899999");
  // Automation of the control under the pointer shows at the next idle; once the pointer left, it does not.
  const struct {
    Point at;
    int32_t index;
    const char* expected;
  } automated[] = {
      {Point(87, 150), 4, "Step 5  75 %"},
      {Point(18, 150), 0, "Step 1  75 %"},
  };
  for (const auto& c : automated) {
    edited.editor->pointerMoved(c.at);
    edited.gate.writeParameter(c.index, 0.75f);
    editor.idle();
    EXPECT_EQ(edited.editor->readout(), c.expected);
  }
  edited.editor->pointerLeft();
  EXPECT_EQ(edited.editor->readout(), "");
  edited.gate.writeParameter(4, 0.5f);
  editor.idle();
  EXPECT_EQ(edited.editor->readout(), "");
}
