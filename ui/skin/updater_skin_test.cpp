#include "ui/skin/updater_skin.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "ui/headless/headless_backend.h"

namespace veyra::skin {
namespace {

using namespace std::chrono_literals;
using ui::MouseButton;
using ui::PointF;

const SkinPictures& Pictures() {
  static const SkinPictures pictures = LoadSkinPictures();
  return pictures;
}

// The skin on a headless window; button actions are recorded by name.
class UpdaterSkinTest : public ::testing::Test {
 protected:
  UpdaterSkinTest()
      : window_(UpdaterWindowOptions(Pictures()), MakeBackend()),
        skin_(window_, Pictures(), canUpdate_, RecordingActions()) {}

  std::unique_ptr<ui::Backend> MakeBackend() {
    auto backend = std::make_unique<ui::HeadlessBackend>(UpdaterWindowOptions(Pictures()));
    backend_ = backend.get();
    return backend;
  }

  SkinActions RecordingActions() {
    auto record = [this](const char* name) { return [this, name] { actions_.push_back(name); }; };
    return {record("start"), record("update"), record("cancel"), record("site"), record("close")};
  }

  ui::Image& Image(const std::string& name) {
    const std::map<std::string, ui::Image*> images = {{"MainForm", &skin_.MainForm},
                                                      {"StartDisabled", &skin_.StartDisabled},
                                                      {"StartHover", &skin_.StartHover},
                                                      {"StartPress", &skin_.StartPress},
                                                      {"StartNormal", &skin_.StartNormal},
                                                      {"UpdateHover", &skin_.UpdateHover},
                                                      {"UpdatePress", &skin_.UpdatePress},
                                                      {"UpdateNormal", &skin_.UpdateNormal},
                                                      {"CancelHover", &skin_.CancelHover},
                                                      {"CancelPress", &skin_.CancelPress},
                                                      {"CancelNormal", &skin_.CancelNormal},
                                                      {"CloseHover", &skin_.CloseHover},
                                                      {"ClosePress", &skin_.ClosePress},
                                                      {"CloseNormal", &skin_.CloseNormal},
                                                      {"MinimizeHover", &skin_.MinimizeHover},
                                                      {"MinimizePress", &skin_.MinimizePress},
                                                      {"MinimizeNormal", &skin_.MinimizeNormal},
                                                      {"SiteHover", &skin_.SiteHover},
                                                      {"SitePress", &skin_.SitePress},
                                                      {"SiteNormal", &skin_.SiteNormal}};
    return *images.at(name);
  }

  std::vector<std::string> ButtonImageNames() {
    return {"StartHover",   "StartPress",  "StartNormal",   "UpdateHover",   "UpdatePress",
            "UpdateNormal", "CancelHover", "CancelPress",   "CancelNormal",  "CloseHover",
            "ClosePress",   "CloseNormal", "MinimizeHover", "MinimizePress", "MinimizeNormal",
            "SiteHover",    "SitePress",   "SiteNormal"};
  }

  std::string NameAt(PointF p) {
    const ui::Component* hit = window_.scene().HitTest(p);
    if (hit == &skin_.FileProgress) return "FileProgress";
    if (hit == &skin_.TotalProgress) return "TotalProgress";
    if (hit == &skin_.Status) return "Status";
    if (hit == &skin_.MainForm) return "MainForm";
    for (const std::string& name : ButtonImageNames())
      if (hit == &Image(name)) return name;
    if (hit == &skin_.StartDisabled) return "StartDisabled";
    return hit ? "?" : "nothing";
  }

  ui::HeadlessBackend* backend_ = nullptr;
  bool canUpdate_ = true;
  std::vector<std::string> actions_;
  ui::Window window_;
  UpdaterSkin skin_;
};

TEST_F(UpdaterSkinTest, ComponentsStartAsLaidOut) {
  struct Expected {
    const char* name;
    ui::RectF rect;
    float opacity;
    bool visible;
  };
  const Expected table[] = {
      {"MainForm", {0, 0, 950, 600}, 1, true},
      {"StartDisabled", {385, 413, 192, 165}, 1, false},
      {"StartHover", {385, 413, 192, 165}, 0, true},
      {"StartPress", {385, 413, 192, 165}, 0, true},
      {"StartNormal", {385, 413, 192, 165}, 1, true},
      {"UpdateHover", {235, 470, 152, 40}, 0, true},
      {"UpdatePress", {235, 470, 152, 40}, 0, true},
      {"UpdateNormal", {235, 470, 152, 40}, 1, true},
      {"CancelHover", {235, 470, 152, 40}, 0, false},
      {"CancelPress", {235, 470, 152, 40}, 0, false},
      {"CancelNormal", {235, 470, 152, 40}, 1, false},
      {"CloseHover", {827, 42, 45, 45}, 0, true},
      {"ClosePress", {827, 42, 45, 45}, 0, true},
      {"CloseNormal", {827, 42, 45, 45}, 1, true},
      {"MinimizeHover", {775, 42, 45, 45}, 0, true},
      {"MinimizePress", {775, 42, 45, 45}, 0, true},
      {"MinimizeNormal", {775, 42, 45, 45}, 1, true},
      {"SiteHover", {575, 470, 152, 40}, 0, true},
      {"SitePress", {575, 470, 152, 40}, 0, true},
      {"SiteNormal", {575, 470, 152, 40}, 1, true},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.name);
    ui::Image& image = Image(e.name);
    EXPECT_EQ(image.rect().left, e.rect.left);
    EXPECT_EQ(image.rect().top, e.rect.top);
    EXPECT_EQ(image.rect().width, e.rect.width);
    EXPECT_EQ(image.rect().height, e.rect.height);
    EXPECT_EQ(image.opacity(), e.opacity);
    EXPECT_EQ(image.visible(), e.visible);
  }
  EXPECT_EQ(skin_.Status.rect().left, 320);
  EXPECT_EQ(skin_.Status.rect().top, 385);
  EXPECT_EQ(skin_.Status.rect().width, 320);
  EXPECT_EQ(skin_.Status.rect().height, 24);
  EXPECT_EQ(skin_.Status.text(), "");
  EXPECT_EQ(skin_.FileProgress.rect().left, 256);
  EXPECT_EQ(skin_.TotalProgress.rect().left, 665);
  EXPECT_EQ(skin_.FileProgress.rect().top, 161);
  EXPECT_EQ(skin_.TotalProgress.rect().top, 161);
  EXPECT_EQ(skin_.bars().fileBar(), 260);
  EXPECT_EQ(skin_.bars().totalBar(), 260);
  EXPECT_TRUE(canUpdate_);
}

TEST_F(UpdaterSkinTest, PointerGoesToTheTopmostVisibleComponent) {
  struct Case {
    PointF point;
    const char* expected;
  };
  const Case idle[] = {
      {{480, 395}, "MainForm"},      // the status label lets the press through
      {{385, 480}, "UpdateNormal"},  // the two columns where Update overlaps Start
      {{386.9, 509.9}, "UpdateNormal"},
      {{387, 480}, "StartNormal"},
      {{574.9, 480}, "StartNormal"},
      {{575, 480}, "SiteNormal"},  // the two columns where Site overlaps Start
      {{576.9, 480}, "SiteNormal"},
      {{577, 470}, "SiteNormal"},
      {{386, 469.9}, "StartNormal"},
      {{480, 413}, "StartNormal"},
      {{850, 60}, "CloseNormal"},
      {{790, 60}, "MinimizeNormal"},
      {{260, 200}, "FileProgress"},
      {{680, 420.9}, "TotalProgress"},
      {{680, 421}, "MainForm"},
      {{2, 2}, "MainForm"},  // a fully transparent corner still belongs to the window's image
  };
  for (const Case& c : idle)
    EXPECT_EQ(NameAt(c.point), c.expected) << c.point.x << "," << c.point.y;

  skin_.UpdateNormal.SetOpacity(0);
  EXPECT_EQ(NameAt({300, 490}), "UpdateNormal");

  skin_.ApplyBusyLook();
  EXPECT_EQ(NameAt({300, 490}), "CancelNormal");
  EXPECT_EQ(NameAt({386, 490}), "CancelNormal");
  EXPECT_EQ(NameAt({480, 500}), "StartDisabled");
}

TEST_F(UpdaterSkinTest, PressOnTheStatusLabelStartsADrag) {
  backend_->Press({480, 395});
  EXPECT_TRUE(skin_.drag().canDrag());
}

// Every row of the fade table. All button images start at opacity 0.5, so every fade shows: a
// 0.2 s fade is half-way after 100 ms and exactly at its target after 200 ms; a 0.005 s fade is
// at its target after the first 10 ms tick. Images outside the row keep 0.5.
TEST_F(UpdaterSkinTest, EveryButtonEventStartsTheFadesOfItsRow) {
  enum class Event { Enter, Leave, Press, Release, Click };
  struct Fade {
    const char* image;
    float target;
    double seconds;
  };
  struct Row {
    const char* normal;
    Event event;
    std::vector<Fade> fades;
  };
  const Row table[] = {
      {"StartNormal", Event::Enter, {{"StartNormal", 0, 0.2}, {"StartHover", 1, 0.2}}},
      {"StartNormal",
       Event::Leave,
       {{"StartNormal", 1, 0.2}, {"StartHover", 0, 0.2}, {"StartPress", 0, 0.2}}},
      {"StartNormal", Event::Press, {{"StartPress", 1, 0.2}}},
      {"StartNormal", Event::Release, {{"StartPress", 0, 0.2}}},
      {"StartNormal", Event::Click, {{"StartPress", 0, 0.2}}},
      {"UpdateNormal", Event::Enter, {{"UpdateNormal", 0, 0.2}, {"UpdateHover", 1, 0.005}}},
      {"UpdateNormal",
       Event::Leave,
       {{"UpdateNormal", 1, 0.005}, {"UpdateHover", 0, 0.2}, {"UpdatePress", 0, 0.2}}},
      {"UpdateNormal", Event::Press, {{"UpdatePress", 1, 0.2}}},
      {"UpdateNormal", Event::Release, {{"UpdatePress", 0, 0.2}}},
      {"CancelNormal", Event::Enter, {{"CancelNormal", 0, 0.2}, {"CancelHover", 1, 0.005}}},
      {"CancelNormal",
       Event::Leave,
       {{"CancelNormal", 1, 0.005}, {"CancelHover", 0, 0.2}, {"CancelPress", 0, 0.2}}},
      {"CancelNormal", Event::Press, {{"CancelPress", 1, 0.2}}},
      {"CancelNormal", Event::Release, {{"CancelPress", 0, 0.2}}},
      {"CancelNormal", Event::Click, {}},
      {"SiteNormal", Event::Enter, {{"SiteNormal", 0, 0.2}, {"SiteHover", 1, 0.005}}},
      {"SiteNormal",
       Event::Leave,
       {{"SiteNormal", 1, 0.005}, {"SiteHover", 0, 0.2}, {"SitePress", 0, 0.2}}},
      {"SiteNormal", Event::Press, {{"SitePress", 1, 0.2}}},
      {"SiteNormal", Event::Release, {{"SitePress", 0, 0.005}}},
      {"CloseNormal", Event::Enter, {{"CloseHover", 1, 0.2}}},
      {"CloseNormal", Event::Leave, {{"CloseHover", 0, 0.2}, {"ClosePress", 0, 0.2}}},
      {"CloseNormal", Event::Press, {{"ClosePress", 1, 0.2}}},
      {"CloseNormal", Event::Release, {{"ClosePress", 0, 0.2}}},
      {"MinimizeNormal", Event::Enter, {{"MinimizeHover", 1, 0.2}}},
      {"MinimizeNormal", Event::Leave, {{"MinimizeHover", 0, 0.2}, {"MinimizePress", 0, 0.2}}},
      {"MinimizeNormal", Event::Press, {{"MinimizePress", 1, 0.2}}},
      {"MinimizeNormal", Event::Release, {{"MinimizePress", 0, 0.2}}},
  };
  for (const Row& row : table) {
    SCOPED_TRACE(std::string(row.normal) + " event " + std::to_string(static_cast<int>(row.event)));
    backend_->Advance(1s);
    for (const std::string& name : ButtonImageNames()) Image(name).SetOpacity(0.5f);

    ui::PointerHandlers& on = Image(row.normal).handlers;
    const ui::PointerHandler& handler = row.event == Event::Enter     ? on.enter
                                        : row.event == Event::Leave   ? on.leave
                                        : row.event == Event::Press   ? on.press
                                        : row.event == Event::Release ? on.release
                                                                      : on.click;
    if (handler) handler({MouseButton::kLeft, {}});

    auto expect = [&](auto opacityOf) {
      for (const std::string& name : ButtonImageNames()) {
        float expected = 0.5f;
        for (const Fade& fade : row.fades)
          if (name == fade.image) expected = opacityOf(fade);
        EXPECT_NEAR(Image(name).opacity(), expected, 1e-5) << name;
      }
    };
    backend_->Advance(10ms);
    expect([](const Fade& f) {
      return f.seconds <= 0.01 ? f.target : 0.5f + (f.target - 0.5f) * 0.05f;
    });
    backend_->Advance(90ms);
    expect([](const Fade& f) {
      return f.seconds <= 0.01 ? f.target : 0.5f + (f.target - 0.5f) * 0.5f;
    });
    backend_->Advance(100ms);
    expect([](const Fade& f) { return f.target; });
  }
}

TEST_F(UpdaterSkinTest, ButtonsActAfterTheirRelease) {
  struct Case {
    PointF point;
    MouseButton button;
    std::vector<std::string> actions;
  };
  const Case cases[] = {
      {{480, 500}, MouseButton::kLeft, {"start"}},  {{300, 490}, MouseButton::kRight, {"update"}},
      {{650, 490}, MouseButton::kMiddle, {"site"}}, {{850, 60}, MouseButton::kRight, {"close"}},
      {{790, 60}, MouseButton::kLeft, {}},          {{100, 300}, MouseButton::kLeft, {}},
  };
  for (const Case& c : cases) {
    actions_.clear();
    backend_->Click(c.point, c.button);
    EXPECT_EQ(actions_, c.actions) << c.point.x << "," << c.point.y;
  }
  EXPECT_EQ(backend_->minimiseCount(), 1);

  skin_.ApplyBusyLook();
  actions_.clear();
  backend_->Click({300, 490}, MouseButton::kRight);
  backend_->Click({480, 500});  // the greyed Start takes the click and does nothing
  EXPECT_EQ(actions_, std::vector<std::string>{"cancel"});
}

TEST_F(UpdaterSkinTest, EnterThenLeaveJumpsTheHoverFadeToItsEndFirst) {
  backend_->Move({100, 300});
  backend_->Move({480, 500});
  backend_->Move({100, 300});
  EXPECT_EQ(skin_.StartHover.opacity(), 1.0f);
  backend_->Advance(100ms);
  EXPECT_NEAR(skin_.StartHover.opacity(), 0.5f, 1e-5);
  backend_->Advance(100ms);
  EXPECT_EQ(skin_.StartHover.opacity(), 0.0f);
}

TEST_F(UpdaterSkinTest, AClickOnStartHidesThePressedPictureAtOnce) {
  backend_->Press({480, 500});
  backend_->Advance(200ms);
  ASSERT_EQ(skin_.StartPress.opacity(), 1.0f);
  backend_->Release({480, 500});
  EXPECT_EQ(skin_.StartPress.opacity(), 0.0f);
  EXPECT_EQ(actions_, std::vector<std::string>{"start"});
}

TEST_F(UpdaterSkinTest, ARightPressOnCloseShowsThePressedPicture) {
  backend_->Press({850, 60}, MouseButton::kRight);
  backend_->Advance(200ms);
  EXPECT_EQ(skin_.ClosePress.opacity(), 1.0f);
  backend_->Release({850, 60}, MouseButton::kRight);
  EXPECT_EQ(actions_, std::vector<std::string>{"close"});
}

TEST_F(UpdaterSkinTest, LooksSwitchVisibilityAndTheGateButKeepOpacities) {
  skin_.StartHover.SetOpacity(1);
  skin_.UpdatePress.SetOpacity(1);
  skin_.CancelHover.SetOpacity(0.25f);
  const std::vector<std::string> busyOnly = {"StartDisabled", "CancelNormal", "CancelHover",
                                             "CancelPress"};
  const std::vector<std::string> idleOnly = {"StartNormal",  "StartHover",  "StartPress",
                                             "UpdateNormal", "UpdateHover", "UpdatePress"};
  for (bool busy : {true, false, true, false}) {
    SCOPED_TRACE(busy ? "busy" : "idle");
    busy ? skin_.ApplyBusyLook() : skin_.ApplyIdleLook();
    EXPECT_EQ(canUpdate_, !busy);
    for (const std::string& name : busyOnly) EXPECT_EQ(Image(name).visible(), busy) << name;
    for (const std::string& name : idleOnly) EXPECT_EQ(Image(name).visible(), !busy) << name;
    for (const char* always : {"MainForm", "SiteNormal", "CloseNormal", "MinimizeNormal"})
      EXPECT_TRUE(Image(always).visible()) << always;
    EXPECT_EQ(skin_.StartHover.opacity(), 1.0f);
    EXPECT_EQ(skin_.UpdatePress.opacity(), 1.0f);
    EXPECT_EQ(skin_.CancelHover.opacity(), 0.25f);
  }
}

TEST_F(UpdaterSkinTest, BarsKeepTheProgressScale) {
  ProgressBars& bars = skin_.bars();
  const struct {
    float set;
    float expected;
  } sets[] = {{-5, 0}, {300, 300}, {0, 0}, {260, 260}, {12.375f, 12.375f}, {-0.5f, 0}};
  for (const auto& c : sets) {
    bars.SetFileBar(c.set);
    EXPECT_EQ(bars.fileBar(), c.expected) << c.set;
    bars.SetTotalBar(c.set);
    EXPECT_EQ(bars.totalBar(), c.expected) << c.set;
  }

  const struct {
    float height;
    float step;
    float expected;
  } steps[] = {{260, -10, 250}, {260, 5, 265},   {265, -10, 265},      {300, -300, 300},
               {7, -10, 0},     {0, 2.5f, 2.5f}, {100, -0.25f, 99.75f}};
  for (const auto& c : steps) {
    bars.SetTotalBar(c.height);
    bars.StepTotalBar(c.step);
    EXPECT_EQ(bars.totalBar(), c.expected) << c.height << " " << c.step;
  }
}

TEST_F(UpdaterSkinTest, TheCoverHidesTheLitTubeRowByRow) {
  const ui::Bitmap& fill = *Pictures().fileProgressFill;
  const ui::Bitmap& background = *Pictures().mainForm;
  skin_.bars().SetFileBar(100);
  const ui::Bitmap& frame = window_.scene().Compose();
  for (int x = 0; x < 32; x += 5) {
    EXPECT_EQ(frame.At(256 + x, 161 + 99), fill.At(x, 99)) << x;
    EXPECT_EQ(frame.At(256 + x, 161 + 100), background.At(256 + x, 161 + 100)) << x;
  }
  EXPECT_EQ(frame.At(0, 0) >> 24, 0u);  // the corner is see-through
}

TEST_F(UpdaterSkinTest, DraggingTheBackgroundMovesTheWindow) {
  window_.MoveTo({100, 100});
  backend_->Move({15.5, 18.9});
  EXPECT_EQ(window_.Position(), (ui::Point{100, 100}));  // no press, no drag

  backend_->Press({10.9, 20.2});
  EXPECT_EQ(skin_.drag().anchor(), (ui::Point{10, 20}));
  backend_->Move({15.5, 18.9});
  EXPECT_EQ(window_.Position(), (ui::Point{105, 98}));

  // The window followed the pointer, which is now over the pressed point again.
  backend_->Release({10.9, 20.2});
  EXPECT_EQ(window_.Position(), (ui::Point{105, 98}));
  EXPECT_FALSE(skin_.drag().canDrag());
  backend_->Move({40, 40});
  EXPECT_EQ(window_.Position(), (ui::Point{105, 98}));
}

TEST_F(UpdaterSkinTest, TruncationGoesTowardZero) {
  window_.MoveTo({100, 100});
  skin_.drag().Press({10.9, 20.2});
  skin_.drag().Move({-0.7, -3.9});
  EXPECT_EQ(window_.Position(), (ui::Point{90, 77}));
}

}  // namespace
}  // namespace veyra::skin
