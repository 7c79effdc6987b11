// Everything a renderer needs, with the standard settings of a fresh installation.
#include "support/render_world.h"

namespace qel::test {

void ApplyStandardSettings(SystemSettings& s, FontSlots& fonts) {
  s.stripFigureDefault.scaleX = s.stripFigureDefault.scaleY = s.rectFigureDefault.scaleX =
      s.rectFigureDefault.scaleY = 500;
  s.stripFigureDefault.rangeX = s.rectFigureDefault.rangeX = 80;
  s.stripFigureDefault.rangeY = s.rectFigureDefault.rangeY = 100;
  s.stripFigureDefault.topY = s.rectFigureDefault.topY = 10.0;
  s.figureLineWidth = 2;
  s.axisLineWidth = 1;
  s.axisDashOn = 3;
  s.axisDashOff = 0;
  s.pointMarkWidth = 2;
  s.pointMarkSize = 4;
  s.gridLineWidth = 1;
  s.gridMarkSize = 2;
  s.influenceDigits = 3;
  s.stressDigits = 3;
  s.stripResultColumns = 6;
  s.marginTop = 20;
  s.marginLeft = 10;
  s.axisColour = "0x808080";
  s.pointColour = "0x404040";
  s.gridColour = "0xc0c0c0";
  for (int i = 1; i <= FontSlots::kCount; ++i) {
    fonts[i].size = i == 5 ? 8.0 : 10.0;
    fonts[i].faceName = "ＭＳ 明朝";
  }
}

RenderWorld::RenderWorld() {
  computations.CountIn(caches);
  ApplyStandardSettings(settings, fonts);
  // The tables start from the default ranges, as a new document does.
  for (Problem problem : {Problem::Strip, Problem::RectCircle})
    WriteFigureRangeLines(tables, problem, settings.figureDefault(problem));
  document.Replace(tables);
  synced_ = tables;
  UsePaper(210, 297);
  UseDevice(96, 96);
}

RenderContext& RenderWorld::Ctx() {
  if (!(tables == synced_)) {
    document.Replace(tables);
    synced_ = tables;
  }
  return ctx_;
}

void RenderWorld::UseDevice(int dpiX, int dpiY) {
  geometry.dpiX = dpiX;
  geometry.dpiY = dpiY;
  geometry.layoutDpiY = dpiY;
  geometry.pixelsPerMmX = dpiX * kInchesPerMm;
  geometry.pixelsPerMmY = dpiY * kInchesPerMm;
  transform.pixelsPerMmX = geometry.pixelsPerMmX;
  transform.pixelsPerMmY = geometry.pixelsPerMmY;
  transform.marginLeft = settings.marginLeft;
  transform.marginTop = settings.marginTop;
}

void RenderWorld::UsePaper(int widthMm, int heightMm) {
  geometry.paperWidthMm = widthMm;
  geometry.paperHeightMm = heightMm;
}

}  // namespace qel::test
