// `gatehost editor PLUGIN.dll`: opens the plug-in's editor as a host does, optionally plays scripted real
// input on it, writes a screenshot, and lists the automation notices the plug-in sent.
#include <cstdio>
#include <optional>

#include "tools/gatehost/commands.h"
#include "tools/gatehost/editor_session.h"
#include "tools/gatehost/patch_options.h"
#include "tools/gatehost/png_file.h"
#include "tools/gatehost/report.h"
#include "tools/gatehost/size_override.h"

namespace {

const std::string kUsage =
    std::string("usage: gatehost editor PLUGIN.dll [options]\n"
                "  --screenshot FILE.png  write the editor's pixels after the first idles and the input\n"
                "  --click [shift:|alt:]X,Y             a left click (repeatable, in order)\n"
                "  --right-click X,Y                    a right click\n"
                "  --drag [shift:|alt:]X1,Y1:X2,Y2      a left-button drag\n"
                "  --menu X,Y:[SUBMENU/]ENTRY           a right click, then an entry of the menu it opens\n"
                "  --wheel [shift:]X,Y:DELTA            the wheel turned over X,Y (120 a notch, + up)\n"
                "  --hover X,Y                          the pointer moved to X,Y and left there\n"
                "  --menu-screenshot FILE.png  the screen around the editor while the last --menu is open\n"
                "  --idles N              idle ticks before the input and after it (default 10)\n"
                "  --size 100|150|200     open the editor at that size, as if chosen in its menu (the\n"
                "                         size remembered for the user is put back afterwards)\n") +
    kPatchUsage;

const std::set<std::string> kKnown = {
    "screenshot",      "click", "right-click", "drag", "menu", "wheel", "hover",
    "menu-screenshot", "idles", "program",     "bank", "set",  "size"};

// Gestures run in the order given on the command line.
bool collectGestures(int argc, char** argv, std::vector<Gesture>& gestures, std::string& error) {
  for (int i = 0; i < argc; ++i) {
    std::string word = argv[i], value;
    const size_t equals = word.find('=');
    if (equals != std::string::npos) {
      value = word.substr(equals + 1);
      word = word.substr(0, equals);
    } else if (i + 1 < argc) {
      value = argv[i + 1];
    }
    Gesture::Kind kind;
    if (word == "--click")
      kind = Gesture::Kind::Click;
    else if (word == "--right-click")
      kind = Gesture::Kind::RightClick;
    else if (word == "--drag")
      kind = Gesture::Kind::Drag;
    else if (word == "--menu")
      kind = Gesture::Kind::Menu;
    else if (word == "--wheel")
      kind = Gesture::Kind::Wheel;
    else if (word == "--hover")
      kind = Gesture::Kind::Hover;
    else
      continue;
    Gesture gesture;
    if (!parseGesture(value, kind, gesture)) {
      error = word + " cannot use '" + value + "'";
      return false;
    }
    gestures.push_back(gesture);
  }
  return true;
}

} // namespace

int runEditor(int argc, char** argv) {
  Options options(argc, argv, {});
  const int idles = options.integer("idles", 10);
  if (reportErrors(options.errors(), kUsage.c_str())) return 2;
  if (options.positional().size() != 1) return usageError("editor takes one plug-in file", kUsage.c_str());
  if (!options.unknown(kKnown).empty())
    return usageError("unknown option " + options.unknown(kKnown)[0], kUsage.c_str());
  if (idles < 1 || idles > 100000) return usageError("--idles must lie in 1 to 100000", kUsage.c_str());
  const int size = options.integer("size", 0);
  if (reportErrors(options.errors(), kUsage.c_str())) return 2;
  if (options.has("size") && size != 100 && size != 150 && size != 200)
    return usageError("--size must be 100, 150 or 200", kUsage.c_str());
  std::vector<Gesture> gestures;
  std::string error;
  if (!collectGestures(argc, argv, gestures, error)) return usageError(error, kUsage.c_str());

  PluginLibrary library(options.positional()[0]);
  if (!library.loaded()) return usageError(library.error(), kUsage.c_str());
  PluginHost host(library);
  if (host.record() == nullptr) return refusedRecord();
  if (!applyPatchOptions(options, library, host, error)) return usageError(error, kUsage.c_str());
  std::optional<SizeOverride> sizeChosen;
  if (options.has("size")) sizeChosen.emplace(size);
  EditorSession session(host);
  if (!session.isOpen()) {
    std::fprintf(stderr, "gatehost: the plug-in has no editor, or its window could not be opened\n");
    return 1;
  }
  std::printf("editor %d x %d\n", session.rect().right - session.rect().left,
              session.rect().bottom - session.rect().top);
  session.runIdles(idles);
  session.perform(gestures);
  session.runIdles(idles);

  int status = 0;
  if (options.has("screenshot")) {
    const CapturedImage image = session.capture();
    const std::string path = options.text("screenshot", "");
    if (!writePngFile(path.c_str(), image.width, image.height, image.rgb)) {
      std::fprintf(stderr, "gatehost: cannot write the screenshot %s\n", path.c_str());
      status = 1;
    } else {
      std::printf("screenshot: %s (%d x %d)\n", path.c_str(), image.width, image.height);
    }
  }
  if (options.has("menu-screenshot")) {
    const CapturedImage& image = session.menuCapture();
    const std::string path = options.text("menu-screenshot", "");
    if (!writePngFile(path.c_str(), image.width, image.height, image.rgb)) {
      std::fprintf(stderr, "gatehost: cannot write the menu screenshot %s\n", path.c_str());
      status = 1;
    }
  }
  session.close();
  // In the order received, so each gesture shows its begin, its changes and its end.
  for (const EditNotice& notice : host.editNotices()) {
    const std::string name = host.parameterName(notice.index);
    if (notice.request == HostRequest::ParameterEdited)
      std::printf("automation: parameter %d = %.6f (%s)\n", notice.index, static_cast<double>(notice.value),
                  name.c_str());
    else
      std::printf("%s edit: parameter %d (%s)\n", notice.request == HostRequest::BeginEdit ? "begin" : "end",
                  notice.index, name.c_str());
  }
  std::printf("%zu automation notices, %d idle ticks\n", host.automation().size(), session.idleTicks());
  host.close();
  return status;
}
