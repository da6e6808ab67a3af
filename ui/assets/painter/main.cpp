// Paints every image of the updater's skin and writes them as PNG files.
// Usage: veyra_skin_painter FONT.ttf OUTPUT_FOLDER
#include <cstdio>
#include <exception>
#include <string>

#include "ui/assets/painter/pictures.h"

namespace {

using namespace veyra::painter;

void Save(const Canvas& canvas, const std::string& folder, const std::string& name) {
  canvas.WritePng(folder + "/" + name + ".png");
}

double TransparentShare(const Canvas& canvas) {
  long transparent = 0;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) transparent += canvas.AlphaAt(x, y) < 0.5f / 255;
  return static_cast<double>(transparent) / (canvas.width() * canvas.height());
}

void PaintAll(const Lettering& lettering, const std::string& out) {
  Canvas mainForm = PaintMainForm(lettering);
  Save(mainForm, out, "main_form");
  std::printf("main_form: %.1f %% of the pixels fully transparent\n",
              100 * TransparentShare(mainForm));

  Save(PaintStartButton(lettering, StartLook::Lit), out, "start_hover");
  Save(PaintStartButton(lettering, StartLook::Pressed), out, "start_press");
  Save(PaintStartButton(lettering, StartLook::Disabled), out, "start_disabled");

  const struct {
    const char* name;
    const char* label;
  } bars[] = {{"update", "Full check"}, {"cancel", "Cancel"}, {"site", "Support"}};
  const struct {
    const char* suffix;
    BarLook look;
  } looks[] = {
      {"_normal", BarLook::Normal}, {"_hover", BarLook::Hover}, {"_press", BarLook::Press}};
  for (const auto& bar : bars)
    for (const auto& look : looks)
      Save(PaintBarButton(lettering, bar.label, look.look), out,
           std::string(bar.name) + look.suffix);

  Save(PaintGlyphButton(Glyph::Close, true), out, "close_highlight");
  Save(PaintGlyphButton(Glyph::Minimize, true), out, "minimize_highlight");
  Save(PaintTube(Tube::File, false), out, "file_progress_fill");
  Save(PaintTube(Tube::Total, false), out, "total_progress_fill");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FONT.ttf OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  try {
    Lettering lettering(argv[1]);
    PaintAll(lettering, argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
