// Checks the complete plug-in as a host meets it: the editor opened from the DLL's record, played with real
// synthesised mouse and keyboard input, telling the host of every edit, at 100 and 200 %, and opening at
// the size remembered or the screen's.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "gate/pattern_tools.h"
#include "tests/editor/editor_pixels.h"
#include "toolkit/graphics/native_handles.h"
#include "tools/gatehost/editor_session.h"
#include "tools/gatehost/plugin_library.h"
#include "tools/gatehost/size_override.h"

namespace {

const char kPlugin[] = "stepgate.dll";

// The editor tests expect no size remembered in the prefix when they begin; a run stopped midway may have
// left one.
class NoRememberedSize : public ::testing::Environment {
public:
  void SetUp() override { forgetRememberedSize(); }
};

const ::testing::Environment* const noRememberedSize =
    ::testing::AddGlobalTestEnvironment(new NoRememberedSize);

// The centre of step button s, and a point on step fader s's handle at the top of its travel.
POINT buttonCentre(int32_t step) { return {19 + 19 * step, 93}; }
POINT faderHandleTop(int32_t step) { return {18 + 19 * step, 109}; }

Gesture click(POINT at, Modifier modifier = Modifier::None) {
  Gesture gesture;
  gesture.kind = Gesture::Kind::Click;
  gesture.modifier = modifier;
  gesture.from = gesture.to = at;
  return gesture;
}

// Runs gatehost.exe from beside this test and answers what it printed; one that outlives its minute is
// ended, failing the test.
std::string runGatehost(const std::string& arguments) {
  constexpr DWORD kPatience = 60000;
  const char kOutput[] = "gatehost-output.txt";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE file = CreateFileA(kOutput, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = file;
  PROCESS_INFORMATION process{};
  std::string command = "gatehost.exe " + arguments;
  bool hung = false;
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &process)) {
    hung = WaitForSingleObject(process.hProcess, kPatience) != WAIT_OBJECT_0;
    if (hung) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(file);
  std::string output;
  if (FILE* in = std::fopen(kOutput, "rb")) {
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) output.append(buffer, got);
    std::fclose(in);
  }
  if (hung) ADD_FAILURE() << "gatehost " << arguments << " hung; it printed:\n" << output;
  return output;
}

// Every change lies between a begin and an end of its parameter, every begin has its end, and no
// parameter is begun twice at once: what a host needs to record touch automation and undo gestures.
::testing::AssertionResult editsAreBracketed(const std::vector<EditNotice>& notices) {
  std::set<int32_t> open;
  for (size_t i = 0; i < notices.size(); ++i) {
    const EditNotice& notice = notices[i];
    const bool fits = notice.request == HostRequest::BeginEdit         ? open.insert(notice.index).second
                      : notice.request == HostRequest::EndEdit         ? open.erase(notice.index) == 1
                      : notice.request == HostRequest::ParameterEdited ? open.count(notice.index) == 1
                                                                       : false;
    if (!fits)
      return ::testing::AssertionFailure()
             << "notice " << i << " (request " << static_cast<int>(notice.request) << ", parameter "
             << notice.index << ") out of place";
  }
  if (!open.empty()) return ::testing::AssertionFailure() << open.size() << " begun and never ended";
  return ::testing::AssertionSuccess();
}

int32_t countOf(const std::vector<EditNotice>& notices, HostRequest request) {
  int32_t count = 0;
  for (const EditNotice& notice : notices) count += notice.request == request ? 1 : 0;
  return count;
}

Gesture menuAt(POINT at, std::vector<std::string> path) {
  Gesture gesture;
  gesture.kind = Gesture::Kind::Menu;
  gesture.from = gesture.to = at;
  gesture.menuPath = std::move(path);
  return gesture;
}

int32_t greenRowIn(const CapturedImage& image, int32_t x) {
  for (int32_t y = 7; y < 72; ++y)
    if (pixelAt(image, x, y) == kCurveColor) return y;
  return -1;
}

} // namespace

TEST(PluginEditor, RecordReportsTheFinalIdentifierAndAnEditorFromConstruction) {
  PluginLibrary library(kPlugin);
  PluginHost host(library);
  ASSERT_NE(host.record(), nullptr);
  EXPECT_EQ(host.record()->pluginId, 0x4B747673);
  EXPECT_EQ(host.record()->capabilityFlags, 0x15);
}

TEST(PluginEditor, ClickingStepThreeSwitchesItOffTellsTheHostAndCutsTheCurveForGood) {
  PluginLibrary library(kPlugin);
  PluginHost host(library);
  host.writeParameter(33, 0.0f);
  EditorSession session(host);
  ASSERT_TRUE(session.isOpen());
  session.runIdles(5);
  const CapturedImage before = session.capture();
  session.perform({click(buttonCentre(2))});
  session.runIdles(5);
  const CapturedImage after = session.capture();

  ASSERT_EQ(host.automation().size(), 1u);
  EXPECT_TRUE(editsAreBracketed(host.editNotices()));
  EXPECT_EQ(host.automation()[0].index, 18);
  EXPECT_EQ(host.automation()[0].value, 0.0f);
  EXPECT_EQ(host.readParameter(18), 0.0f);
  // Column 52 samples entry 178, in the silent second half of step 3; column 40 its sounding first half.
  EXPECT_EQ(greenRowIn(before, 11 + 52), greenRowIn(before, 11 + 40));
  EXPECT_GT(greenRowIn(after, 11 + 52), greenRowIn(before, 11 + 52) + 20);
  EXPECT_EQ(greenRowIn(after, 11 + 20), greenRowIn(before, 11 + 20));

  // A host repaints the editor whenever it likes: the strip keeps the new curve after the editor is
  // invalidated, and after another window covered it and went.
  const auto changedInStrip = [&after](const CapturedImage& image) {
    int32_t changed = 0;
    for (int32_t y = 7; y < 72; ++y)
      for (int32_t x = 11; x < 309; ++x) changed += pixelAt(image, x, y) == pixelAt(after, x, y) ? 0 : 1;
    return changed;
  };
  HWND editor = GetWindow(session.hostWindow(), GW_CHILD);
  InvalidateRect(editor, nullptr, TRUE);
  UpdateWindow(editor);
  EXPECT_EQ(changedInStrip(session.capture()), 0) << "after a repaint";
  RECT area{};
  GetWindowRect(editor, &area);
  WindowHandle cover(CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP | WS_VISIBLE,
                                     area.left, area.top, area.right - area.left, area.bottom - area.top,
                                     nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(cover);
  session.runIdles(2);
  cover.reset();
  session.runIdles(2);
  EXPECT_EQ(changedInStrip(session.capture()), 0) << "after being covered";
}

TEST(PluginEditor, DraggingAStepFaderDownLowersItAndReportsEveryChange) {
  PluginLibrary library(kPlugin);
  PluginHost host(library);
  EditorSession session(host);
  ASSERT_TRUE(session.isOpen());
  session.runIdles(3);
  Gesture drag;
  drag.kind = Gesture::Kind::Drag;
  drag.from = faderHandleTop(4);
  drag.to = {drag.from.x, drag.from.y + 40};
  session.perform({drag});
  session.runIdles(3);

  const std::vector<AutomationNotice>& notices = host.automation();
  ASSERT_GE(notices.size(), 5u);
  for (size_t i = 0; i < notices.size(); ++i) {
    EXPECT_EQ(notices[i].index, 4);
    if (i > 0) {
      EXPECT_LT(notices[i].value, notices[i - 1].value);
    }
  }
  // One bracket around the whole drag.
  const std::vector<EditNotice> edits = host.editNotices();
  EXPECT_TRUE(editsAreBracketed(edits));
  EXPECT_EQ(countOf(edits, HostRequest::BeginEdit), 1);
  EXPECT_EQ(edits.front().request, HostRequest::BeginEdit);
  EXPECT_EQ(edits.back().request, HostRequest::EndEdit);
  // 40 pixels of the 67-pixel travel.
  EXPECT_NEAR(notices.back().value, 1.0f - 40.0f / 67.0f, 1e-5f);
  EXPECT_EQ(host.readParameter(4), notices.back().value);
}

// Each Alt+click is the first gesture of its own gatehost process: under Wine, a second synthesised
// Alt+click in one process can reach the window only after its button is released.
TEST(PluginEditor, AltClickResetsInterpolAndBarWidth) {
  const struct Case {
    const char* arguments;
    const char* expected;
    const char* parameter;
  } cases[] = {
      {"--set 32=0.2 --click alt:342,120", "automation: parameter 32 = 0.500000 (Interpol)", "32 (Interpol)"},
      {"--set 33=0.3 --click alt:361,120", "automation: parameter 33 = 1.000000 (BarWidth)", "33 (BarWidth)"},
      {"--set 4=0.25 --click alt:87,150", "automation: parameter 4 = 0.500000 ( Bar 04 )", "4 ( Bar 04 )"},
  };
  for (const Case& c : cases) {
    const std::string output = runGatehost(std::string("editor stepgate.dll --idles 3 ") + c.arguments);
    const size_t change = output.find(c.expected);
    EXPECT_NE(change, std::string::npos) << output;
    EXPECT_NE(output.find("1 automation notices"), std::string::npos) << output;
    // The reset is a gesture of its own: begun before its change, ended after it.
    EXPECT_LT(output.find(std::string("begin edit: parameter ") + c.parameter), change) << output;
    const size_t end = output.find(std::string("end edit: parameter ") + c.parameter);
    EXPECT_TRUE(end != std::string::npos && end > change) << output;
  }
}

TEST(PluginEditor, PatternMenuChosenWithSynthesisedInputWritesThePatternAndTellsTheHost) {
  PluginLibrary library(kPlugin);
  const std::vector<ProgramRecord> bank = library.bank();
  ASSERT_EQ(bank.size(), 16u);
  const Pattern start = patternOf(bank[3]);
  const struct Case {
    std::vector<std::string> path;
    Pattern expected;
  } cases[] = {
      {{"Rotate right"}, rotated(start, 1)},
      {{"Factory patterns", "Pattern 5"}, patternOf(bank[4])},
  };
  for (const Case& c : cases) {
    PluginHost host(library);
    for (int32_t index = 0; index < GateParameterCount; ++index) host.writeParameter(index, start[index]);
    EditorSession session(host);
    ASSERT_TRUE(session.isOpen());
    session.runIdles(3);
    // Below the controls, on the editor's own background.
    session.perform({menuAt({200, 215}, c.path)});
    session.runIdles(3);
    size_t changed = 0;
    for (int32_t index = 0; index < GateParameterCount; ++index) {
      changed += start[index] != c.expected[index] ? 1u : 0u;
      EXPECT_EQ(host.readParameter(index), c.expected[index]) << c.path.back() << " " << index;
    }
    EXPECT_EQ(host.automation().size(), changed) << c.path.back();
    EXPECT_TRUE(editsAreBracketed(host.editNotices())) << c.path.back();
    EXPECT_EQ(countOf(host.editNotices(), HostRequest::BeginEdit), static_cast<int32_t>(changed))
        << c.path.back();
  }
}

TEST(PluginEditor, WheelAndDoubleClickOnAFaderReportLikeADrag) {
  PluginLibrary library(kPlugin);
  const auto wheel = [](POINT at, int32_t delta, Modifier modifier = Modifier::None) {
    Gesture gesture;
    gesture.kind = Gesture::Kind::Wheel;
    gesture.modifier = modifier;
    gesture.from = gesture.to = at;
    gesture.wheelDelta = delta;
    return gesture;
  };
  // Below step fader 5's handle at 0.25, so the presses grab nothing and start no drag.
  const POINT onFader{87, 120};
  const struct Case {
    const char* name;
    std::vector<Gesture> gestures;
    std::vector<float> notices;
  } cases[] = {
      {"one notch down", {wheel(onFader, -120)}, {0.2f}},
      // First in its session: under Wine a synthesised modifier may not outlast earlier gestures.
      {"one notch up with Shift", {wheel(onFader, 120, Modifier::Shift)}, {0.255f}},
      {"two half notches up", {wheel(onFader, 60), wheel(onFader, 60)}, {0.3f}},
      {"double click", {click(onFader), click(onFader)}, {0.5f}},
      {"wheel beside the faders", {wheel({200, 60}, -120)}, {}},
  };
  for (const Case& c : cases) {
    PluginHost host(library);
    host.writeParameter(4, 0.25f);
    EditorSession session(host);
    ASSERT_TRUE(session.isOpen());
    session.runIdles(3);
    session.perform(c.gestures);
    session.runIdles(3);
    const std::vector<AutomationNotice> notices = host.automation();
    ASSERT_EQ(notices.size(), c.notices.size()) << c.name;
    EXPECT_TRUE(editsAreBracketed(host.editNotices())) << c.name;
    EXPECT_EQ(countOf(host.editNotices(), HostRequest::BeginEdit), static_cast<int32_t>(c.notices.size()))
        << c.name;
    for (size_t i = 0; i < notices.size(); ++i) {
      EXPECT_EQ(notices[i].index, 4) << c.name;
      EXPECT_FLOAT_EQ(notices[i].value, c.notices[i]) << c.name;
    }
  }
}

TEST(PluginEditor, ReadoutShowsWhileThePointerIsOverAControlAndTheHintsComeBack) {
  PluginLibrary library(kPlugin);
  PluginHost host(library);
  EditorSession session(host);
  ASSERT_TRUE(session.isOpen());
  session.runIdles(3);
  const auto hover = [](POINT at) {
    Gesture gesture;
    gesture.kind = Gesture::Kind::Hover;
    gesture.from = gesture.to = at;
    return gesture;
  };
  session.perform({hover({200, 40})});
  session.runIdles(3);
  const CapturedImage hints = session.capture();
  session.perform({hover({87, 150})});
  session.runIdles(3);
  const CapturedImage reading = session.capture();
  session.perform({hover({200, 40})});
  session.runIdles(3);
  const CapturedImage back = session.capture();
  // The readout strip: the display's green on its dark green while reading, the hints before and after.
  const Rgb display = kStripColor;
  const Rgb text{84, 232, 128};
  int32_t displayPixels = 0, textPixels = 0, changedAfter = 0;
  // The whole strip, with the column and row just outside it that the text's outline takes.
  for (int32_t y = 210; y <= 232; ++y) {
    for (int32_t x = 11; x <= 375; ++x) {
      displayPixels += pixelAt(reading, x, y) == display ? 1 : 0;
      textPixels += pixelAt(reading, x, y) == text ? 1 : 0;
      changedAfter += pixelAt(back, x, y) == pixelAt(hints, x, y) ? 0 : 1;
      EXPECT_FALSE(pixelAt(hints, x, y) == text);
    }
  }
  EXPECT_GT(displayPixels, 364 * 22 / 2);
  EXPECT_GT(textPixels, 20);
  EXPECT_EQ(changedAfter, 0);
}

// Chosen in the menu with synthesised input, 200 % asks the host for 772 x 480, which opcode 13 then answers
// and the window takes; the curve strip is the 100 % strip with each pixel a 2 x 2 block; a click, a drag and
// the menu land where twice the 100 % positions are.
TEST(PluginEditor, AtTwoHundredPercentTheHostIsToldAndSynthesisedInputLandsAtTwiceThePositions) {
  const SizeOverride noneRemembered(std::nullopt);
  PluginLibrary library(kPlugin);
  const Pattern pattern = patternOf(library.bank()[3]);
  PluginHost host(library);
  for (int32_t index = 0; index < GateParameterCount; ++index) host.writeParameter(index, pattern[index]);
  host.writeParameter(FirstStepLevel + 2, 1.0f);
  host.writeParameter(FirstStepSwitch + 4, 1.0f);
  EditorSession session(host);
  ASSERT_TRUE(session.isOpen());
  session.runIdles(3);
  const CapturedImage small = session.capture();
  session.perform({menuAt({200, 215}, {"Size", "200 %"})});
  session.runIdles(3);

  const std::vector<ResizeRequest> requests = host.resizeRequests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].width, 772);
  EXPECT_EQ(requests[0].height, 480);
  EditorRect* rect = nullptr;
  host.dispatch(Opcode::EditorRect, 0, 0, &rect);
  ASSERT_NE(rect, nullptr);
  EXPECT_EQ(rect->right - rect->left, 772);
  EXPECT_EQ(rect->bottom - rect->top, 480);
  const HWND editor = GetWindow(session.hostWindow(), GW_CHILD);
  RECT area{};
  GetClientRect(editor, &area);
  EXPECT_EQ(area.right, 772);
  EXPECT_EQ(area.bottom, 480);
  const CapturedImage large = session.capture();
  ASSERT_EQ(large.width, 772);
  int32_t differing = 0;
  for (int32_t y = 7; y < 72; ++y)
    for (int32_t x = 11; x < 309; ++x)
      for (int32_t corner = 0; corner < 4; ++corner)
        differing += pixelAt(large, 2 * x + corner % 2, 2 * y + corner / 2) == pixelAt(small, x, y) ? 0 : 1;
  EXPECT_EQ(differing, 0);

  Gesture drag;
  drag.kind = Gesture::Kind::Drag;
  drag.from = {2 * faderHandleTop(2).x, 2 * faderHandleTop(2).y};
  drag.to = {drag.from.x, drag.from.y + 80};
  const POINT button = buttonCentre(4);
  session.perform({click({2 * button.x, 2 * button.y}), drag, menuAt({400, 430}, {"Size"})});
  session.runIdles(3);
  EXPECT_EQ(host.readParameter(FirstStepSwitch + 4), 0.0f);
  // The 80 pixels at 200 % move the fader as 40 do at 100 %: 40 of the 67-pixel travel.
  EXPECT_NEAR(host.readParameter(FirstStepLevel + 2), 1.0f - 40.0f / 67.0f, 1e-5f);
  POINT pointer{400, 430};
  ClientToScreen(editor, &pointer);
  EXPECT_EQ(session.menuArea().left, pointer.x);
  EXPECT_EQ(session.menuArea().top, pointer.y);
}

// Run as gatehost: the screen's density sets the size until a size is remembered, which wins; --size opens
// at its size and leaves the remembered size as it found it.
TEST(PluginEditor, OpensAtTheRememberedSizeElseAtTheScreensAndGatehostSizeLeavesTheMemoryAlone) {
  const struct Case {
    std::optional<uint32_t> density;
    std::optional<int32_t> remembered;
    const char* arguments;
    const char* expected;
  } cases[] = {
      {std::nullopt, std::nullopt, "", "editor 386 x 240"},
      {192, std::nullopt, "", "editor 772 x 480"},
      {192, 100, "", "editor 386 x 240"},
      {std::nullopt, 150, "", "editor 579 x 360"},
      {std::nullopt, 150, "--size 200 --screenshot sized.png", "screenshot: sized.png (772 x 480)"},
  };
  for (const Case& c : cases) {
    // The screen's density the processes started in the scope find.
    const UserNumberOverride density("Control Panel\\Desktop", "LogPixels", c.density);
    const SizeOverride remembered(c.remembered);
    const std::string output = runGatehost(std::string("editor stepgate.dll --idles 1 ") + c.arguments);
    EXPECT_NE(output.find(c.expected), std::string::npos) << c.arguments << "\n" << output;
    EXPECT_EQ(rememberedSizePercent(), c.remembered) << c.arguments;
  }
}
