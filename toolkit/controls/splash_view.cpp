// SplashView: painting the splash and turning it on and off with the root view's modal slot.
#include "toolkit/controls/splash_view.h"

#include "toolkit/controls/control_common.h"
#include "toolkit/graphics/pixmap.h"
#include "toolkit/graphics/root_view.h"

SplashView::SplashView(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* pixmap,
                       const Rect& splashRect, Point pixmapOffset)
    : ValueWidget(size, listener, tag), splashRect_(splashRect), savedRect_(0, 0, 0, 0), pixmap_(pixmap),
      pixmapOffset_(pixmapOffset) {}

void SplashView::paint(Canvas* canvas) {
  if (value() != 0.0f && pixmap_ != nullptr) pixmap_->drawOpaque(canvas, splashRect_, pixmapOffset_);
}

void SplashView::mousePressed(Canvas* canvas, Point&) {
  if (!isClickable() || parent() == nullptr) return;
  if (value() == 0.0f)
    turnOn(canvas);
  else
    turnOff(canvas);
}

void SplashView::turnOn(Canvas* canvas) {
  // Refused while another view is modal: the splash stays off, at its own size.
  if (!parent()->setModalWidget(this)) return;
  putValue(1.0f);
  savedRect_ = size();
  setSize(splashRect_);
  paint(canvas);
  reportEdit(*this, canvas);
}

void SplashView::turnOff(Canvas* canvas) {
  putValue(0.0f);
  // Only a splash this view enlarged itself has a size to give back; one its owner switched on by its
  // value keeps its own.
  if (parent()->modalWidget() == this) {
    setSize(savedRect_);
    parent()->setModalWidget(nullptr);
  }
  parent()->paint(canvas);
  reportEdit(*this, canvas);
}
