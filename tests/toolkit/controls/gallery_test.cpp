// Builds one editor window showing every control of the toolkit with the tests' generated pictures,
// checks that each control painted its area, and writes the window to the PNG file named by
// STEPGATE_GALLERY_PNG (when set), so the whole toolkit can be looked at in one picture. Then takes the
// census: every control, the menus, the text field's box and the clipboard used again and again give back
// every native object they took.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/controls/controls_window.h"
#include "tests/toolkit/support/host_window.h"
#include "toolkit/controls/choice_menu.h"
#include "toolkit/controls/dial.h"
#include "toolkit/controls/digit_display.h"
#include "toolkit/controls/fader.h"
#include "toolkit/controls/filmstrip_dial.h"
#include "toolkit/controls/filmstrip_display.h"
#include "toolkit/controls/frame_animation.h"
#include "toolkit/controls/horizontal_fader.h"
#include "toolkit/controls/horizontal_switch.h"
#include "toolkit/controls/latch_button.h"
#include "toolkit/controls/level_meter.h"
#include "toolkit/controls/momentary_button.h"
#include "toolkit/controls/popup_menu.h"
#include "toolkit/controls/rocker_switch.h"
#include "toolkit/controls/splash_view.h"
#include "toolkit/controls/text_field.h"
#include "toolkit/controls/toggle_button.h"
#include "toolkit/controls/value_label.h"
#include "toolkit/controls/vertical_switch.h"
#include "toolkit/graphics/clipboard.h"
#include "toolkit/graphics/editor_class_use.h"
#include "toolkit/graphics/module_instance.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "tools/gatehost/png_file.h"
#include "tools/probe/leak_check.h"
#include "tools/probe/popup_menus.h"
#include "tools/probe/window_capture.h"

namespace {

// A grid of cells, each a control above its caption; the splash takes two cells of the last row.
constexpr int32_t kCellWidth = 110;
constexpr int32_t kCellHeight = 84;
constexpr int32_t kControlZone = 62;
constexpr int32_t kWidth = 6 * kCellWidth;
constexpr int32_t kHeight = 364;
constexpr Color kPanelColour{36, 38, 46, 0};
constexpr Color kCaptionColour{170, 176, 190, 0};

// Every picture the gallery shows, loaded once and given back at the end.
class Pictures {
public:
  Pixmap* operator[](int32_t resourceId) {
    for (const PixmapRef& pixmap : pixmaps_)
      if (pixmap->resourceId() == resourceId) return pixmap;
    pixmaps_.push_back(PixmapRef::adopt(new Pixmap(resourceId)));
    return pixmaps_.back();
  }

private:
  std::vector<PixmapRef> pixmaps_;
};

void decibels(float value, char* text) { std::snprintf(text, kLabelTextCapacity, "%+.1f dB", -6.0f * value); }

struct Shown {
  const char* name;
  Rect area;
};

class Gallery {
public:
  explicit Gallery(HWND host)
      : root_(std::make_unique<RootView>(Rect(0, 0, kWidth, kHeight), host, nullptr)) {
    root_->addWidget(std::make_unique<Panel>(Rect(0, 0, kWidth - 1, kHeight - 1), kPanelColour));
    addTextControls();
    addDialsAndDisplays();
    addFadersButtonsAndSwitches();
  }

  RootView& root() { return *root_; }
  const std::vector<Shown>& shown() const { return shown_; }
  TextField& field() { return *field_; }
  ChoiceMenu& menu() { return *menu_; }

private:
  // The control, of the given size, centred in the control zone of a cell, with its caption below.
  template <typename Control>
  Control* show(const char* name, int32_t column, int32_t row, std::unique_ptr<Control> control) {
    Control* shown = root_->addWidget(std::move(control));
    shown_.push_back(Shown{name, shown->size()});
    const int32_t left = column * kCellWidth;
    const int32_t top = 8 + row * kCellHeight + kControlZone + 2;
    caption(name, Rect(left + 2, top, left + kCellWidth - 2, top + 14));
    return shown;
  }
  static Rect cell(int32_t column, int32_t row, int32_t width, int32_t height) {
    const int32_t left = column * kCellWidth + (kCellWidth - width) / 2;
    const int32_t top = 8 + row * kCellHeight + (kControlZone - height) / 2;
    return Rect(left, top, left + width, top + height);
  }
  // A caption: a text field nobody can edit, in the panel's colours.
  void caption(const char* text, Rect area) {
    auto label = std::make_unique<TextField>(area, nullptr, 0, text, nullptr, 0);
    label->setClickable(false);
    label->changeFont(4);
    label->changeFillColor(kPanelColour);
    label->changeEdgeColor(kPanelColour);
    label->changeTextColor(kCaptionColour);
    root_->addWidget(std::move(label));
  }

  void addTextControls() {
    auto* plain = show("ValueLabel", 0, 0, std::make_unique<ValueLabel>(cell(0, 0, 64, 20), nullptr, 0));
    plain->changeEdgeColor(colorGrey);
    plain->putValue(0.5f);

    auto* framed = show("3D frame", 1, 0,
                        std::make_unique<ValueLabel>(cell(1, 0, 64, 20), nullptr, labelFrameFillTopLeft));
    framed->changeFillColor(Color{200, 202, 212, 0});
    framed->changeEdgeColor(Color{70, 72, 84, 0});
    framed->changeTextColor(colorBlack);
    framed->putValue(12.346f);

    auto* shadowed =
        show("Shadow, converter", 2, 0,
             std::make_unique<ValueLabel>(cell(2, 0, 72, 20), nullptr, labelShadow | labelFrameEdgeTopLeft));
    shadowed->changeFillColor(Color{90, 94, 110, 0});
    shadowed->changeEdgeColor(Color{16, 16, 20, 0});
    shadowed->changeTextColor(colorYellow);
    shadowed->changeShadowColor(colorBlack);
    shadowed->changeFont(0);
    shadowed->installTextConverter(decibels);
    shadowed->putValue(1.0f);

    auto* pictured = show("Pixmap label", 3, 0,
                          std::make_unique<ValueLabel>(cell(3, 0, 64, 20), pictures_[kLabelBackBitmap], 0));
    pictured->changeTextColor(colorBlack);
    pictured->putValue(3.0f);

    auto* field = field_ = show("TextField", 4, 0,
                                std::make_unique<TextField>(cell(4, 0, 84, 20), nullptr, 0, "Edit me",
                                                            nullptr, labelFrameEdgeTopLeft));
    field->changeFillColor(colorWhite);
    field->changeEdgeColor(Color{70, 72, 84, 0});
    field->changeTextColor(colorBlack);

    auto* menu = menu_ =
        show("ChoiceMenu", 5, 0,
             std::make_unique<ChoiceMenu>(cell(5, 0, 64, 20), nullptr, 0, pictures_[kLabelBackBitmap],
                                          pictures_[kLabelPressedBitmap], labelMenuMarksCurrent));
    for (const char* text : {"Sine", "Square", "-", "Saw"}) menu->insertItem(text, -1);
    menu->selectItem(1);
    menu->changeTextColor(colorBlack);
  }

  void addDialsAndDisplays() {
    show("Dial", 0, 1,
         std::make_unique<Dial>(cell(0, 1, 60, 60), nullptr, 0, pictures_[kDialFaceBitmap],
                                pictures_[kDialHandleBitmap], Point(0, 0)))
        ->putValue(0.3f);
    show("FilmstripDial", 1, 1,
         std::make_unique<FilmstripDial>(cell(1, 1, 32, 32), nullptr, 0, 5, 32, pictures_[kKnobStripBitmap]))
        ->putValue(0.75f);
    show("FilmstripDisplay", 2, 1,
         std::make_unique<FilmstripDisplay>(cell(2, 1, 32, 32), nullptr, 0, 5, 32,
                                            pictures_[kKnobStripBitmap], Point(0, 0)))
        ->putValue(0.5f);

    auto* animation = show("FrameAnimation", 3, 1,
                           std::make_unique<FrameAnimation>(cell(3, 1, 32, 32), nullptr, 0, 5, 32,
                                                            pictures_[kKnobStripBitmap], Point(0, 0)));
    animation->startAnimation();
    animation->nextFrame();

    const Rect digitsArea = cell(4, 1, 34, 16);
    const int32_t xs[] = {digitsArea.left, digitsArea.left + 12, digitsArea.left + 24};
    const int32_t ys[] = {digitsArea.top, digitsArea.top, digitsArea.top};
    show("DigitDisplay", 4, 1,
         std::make_unique<DigitDisplay>(digitsArea, nullptr, 0, 42, 3, xs, ys, 10, 16,
                                        pictures_[kDigitsBitmap]));

    show("LevelMeter", 5, 1,
         std::make_unique<LevelMeter>(cell(5, 1, 12, 60), pictures_[kMeterOnBitmap],
                                      pictures_[kMeterOffBitmap], 15, meterVertical))
        ->putValue(0.7f);
  }

  void addFadersButtonsAndSwitches() {
    const Rect faderArea = cell(0, 2, 22, 60);
    show("Fader", 0, 2,
         std::make_unique<Fader>(faderArea, nullptr, 0, faderArea.top, faderArea.bottom - 12,
                                 pictures_[kGalleryCapBitmap], pictures_[kGalleryTrackBitmap], Point(0, 20),
                                 faderOriginBottom))
        ->putValue(0.7f);

    const Rect horizontalArea = cell(1, 2, 90, 22);
    show("HorizontalFader", 1, 2,
         std::make_unique<HorizontalFader>(horizontalArea, nullptr, 0, horizontalArea.left,
                                           horizontalArea.right - 12, pictures_[kGalleryCapWideBitmap],
                                           pictures_[kGalleryTrackWideBitmap], Point(5, 0), faderOriginLeft))
        ->putValue(0.35f);

    const Rect toggles = cell(2, 2, 50, 18);
    show("ToggleButton", 2, 2,
         std::make_unique<ToggleButton>(Rect(toggles.left, toggles.top, toggles.left + 18, toggles.bottom),
                                        nullptr, 0, pictures_[kGalleryLedBitmap]))
        ->putValue(1.0f);
    root_->addWidget(
        std::make_unique<ToggleButton>(Rect(toggles.right - 18, toggles.top, toggles.right, toggles.bottom),
                                       nullptr, 0, pictures_[kGalleryLedBitmap]));

    show("LatchButton", 3, 2,
         std::make_unique<LatchButton>(cell(3, 2, 44, 20), nullptr, 0, 20, pictures_[kGalleryKeyBitmap]))
        ->putValue(1.0f);
    show("MomentaryButton", 4, 2,
         std::make_unique<MomentaryButton>(cell(4, 2, 44, 20), nullptr, 0, 20, pictures_[kGalleryKeyBitmap],
                                           Point(0, 0)));
    show("RockerSwitch", 5, 2,
         std::make_unique<RockerSwitch>(cell(5, 2, 44, 20), nullptr, 0, 20, pictures_[kGalleryRockerBitmap],
                                        Point(0, 0)))
        ->putValue(1.0f);

    show("VerticalSwitch", 0, 3,
         std::make_unique<VerticalSwitch>(cell(0, 3, 20, 36), nullptr, 0, 36, 3,
                                          pictures_[kGalleryLeverBitmap]))
        ->putValue(0.5f);
    show("HorizontalSwitch", 1, 3,
         std::make_unique<HorizontalSwitch>(cell(1, 3, 40, 16), nullptr, 0, 16, 3,
                                            pictures_[kGallerySlideBitmap]))
        ->putValue(1.0f);
    show("LevelMeter, wide", 2, 3,
         std::make_unique<LevelMeter>(cell(2, 3, 60, 12), pictures_[kMeterOnWideBitmap],
                                      pictures_[kMeterOffWideBitmap], 15, meterHorizontal))
        ->putValue(0.45f);

    // Switched on by its owner rather than by a press, so it shows without taking the modal slot.
    const Rect splashArea(3 * kCellWidth + 60, 8 + 3 * kCellHeight - 4, 3 * kCellWidth + 220,
                          8 + 3 * kCellHeight + 96);
    auto splash = std::make_unique<SplashView>(
        Rect(splashArea.left, splashArea.top, splashArea.left + 20, splashArea.top + 20), nullptr, 0,
        pictures_[kSplashBitmap], splashArea, Point(0, 0));
    splash->putValue(1.0f);
    root_->addWidget(std::move(splash));
    shown_.push_back(Shown{"SplashView", splashArea});
    caption("SplashView (on)",
            Rect(splashArea.right + 6, splashArea.bottom - 14, kWidth - 2, splashArea.bottom));
  }

  Pictures pictures_;
  std::unique_ptr<RootView> root_;
  std::vector<Shown> shown_;
  TextField* field_ = nullptr;
  ChoiceMenu* menu_ = nullptr;
};

bool paintedSomething(const CapturedImage& image, const Rect& area) {
  for (int32_t y = area.top; y < area.bottom; ++y) {
    for (int32_t x = area.left; x < area.right; ++x) {
      const uint8_t* rgb = &image.rgb[3 * (y * image.width + x)];
      if (rgb[0] != kPanelColour.red || rgb[1] != kPanelColour.green || rgb[2] != kPanelColour.blue)
        return true;
    }
  }
  return false;
}

TEST(Gallery, EveryControlOfTheToolkitPaintsItsArea) {
  HostWindow host(kWidth, kHeight);
  Gallery gallery(host.handle());
  UpdateWindow(gallery.root().windowHandle());
  handlePendingMessages();
  gallery.root().idleRefresh();

  const CapturedImage image = captureClientArea(gallery.root().windowHandle());
  ASSERT_EQ(image.width, kWidth);
  ASSERT_EQ(image.height, kHeight);
  for (const Shown& control : gallery.shown())
    EXPECT_TRUE(paintedSomething(image, control.area)) << control.name;

  const char* path = std::getenv("STEPGATE_GALLERY_PNG");
  if (path != nullptr && *path != '\0') {
    EXPECT_TRUE(writePngFile(path, image.width, image.height, image.rgb)) << path;
  }
}

// What the toolkit holds of its own beside the objects the leak check counts: the editor window class and
// the clipboard.
struct ClassAndClipboard {
  int32_t classUses = classUseCount();
  bool clipboardOpen = GetOpenClipboardWindow() != nullptr;
  bool classRegistered = [] {
    WNDCLASSA description;
    return GetClassInfoA(static_cast<HINSTANCE>(moduleInstance), editorClassName(), &description) != 0;
  }();
};

// Runs a platform menu the way a user leaves it: opened, then closed with nothing chosen.
void dismissingTheMenu(const std::function<void()>& open) {
  // Looks until the menu's loop has returned, however late the menu shows.
  std::atomic<bool> returned{false};
  std::thread closer([&returned] {
    while (!returned.load())
      if (waitForPopupMenu(50) != nullptr) EndMenu();
  });
  open();
  returned.store(true);
  closer.join();
}

TEST(Gallery, EverythingTheToolkitTakesFromThePlatformComesBack) {
  constexpr int32_t kRoundsPerBatch = 20;
  HostWindow host(kWidth, kHeight);
  const std::vector<MenuEntry> entries = {{"One", 1, {}}, {"-", 0, {}}, {"More", 0, {{"Two", 2, {}}}}};
  const struct {
    const char* name;
    std::function<void(Gallery&)> use;
  } uses[] = {
      {"every control painted and refreshed",
       [](Gallery& gallery) {
         gallery.root().redrawWidget(nullptr);
         gallery.root().idleRefresh();
       }},
      {"the choice menu opened and dismissed",
       [](Gallery& gallery) { dismissingTheMenu([&] { gallery.menu().gainFocus(); }); }},
      {"the popup menu opened and dismissed",
       [&](Gallery& gallery) {
         dismissingTheMenu([&] { EXPECT_EQ(runPopupMenu(&gallery.root(), Point(30, 30), entries), -1); });
       }},
      {"the text field opened and closed",
       [](Gallery& gallery) {
         gallery.field().gainFocus();
         gallery.field().dropFocus();
       }},
      // Each round pastes what it copied: a clipboard left open by an earlier round would refuse it.
      {"the clipboard copied and pasted",
       [](Gallery& gallery) {
         EXPECT_TRUE(putClipboardText(gallery.root().windowHandle(), "census"));
         EXPECT_EQ(clipboardText(gallery.root().windowHandle()), "census");
       }},
  };
  for (const auto& use : uses) {
    const ClassAndClipboard before;
    const LeakCheck check = repeatUntilLevel(kRoundsPerBatch, [&] {
      Gallery gallery(host.handle());
      use.use(gallery);
      handlePendingMessages();
    });
    const ClassAndClipboard after;
    EXPECT_TRUE(check.passed()) << use.name << ": " << check.description();
    EXPECT_EQ(after.classUses, before.classUses) << use.name;
    EXPECT_EQ(after.classRegistered, before.classRegistered) << use.name;
    EXPECT_EQ(after.clipboardOpen, before.clipboardOpen) << use.name;
  }
}

} // namespace
