// The Qt drawing device: pixels of lines, arcs, clips and texts on an image, fonts, and SVG
// output clipped in software.
#include "platform/qt/qt_device_context.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <cmath>
#include <limits>

#include "platform/qt/qt_font_factory.h"

namespace qel {
namespace {

// The QApplication these tests need is made by qt_application_environment.cpp.
class QtDrawing : public ::testing::Test {
 protected:
  // Draws with `draw` on a white image of width x height and returns it.
  template <typename Draw>
  static QImage Paint(int width, int height, Draw draw, bool antialiased = false) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    painter.setRenderHint(QPainter::TextAntialiasing, antialiased);
    QtDeviceContext dc(painter, 96, 96);
    draw(dc);
    painter.end();
    return image;
  }

  static bool Inked(const QImage& image, int x, int y) {
    return image.valid(x, y) && qGray(image.pixel(x, y)) < 160;
  }

  // The smallest rectangle holding every pixel that is not white (an empty rectangle if none).
  static QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  }

  static bool RowHasInk(const QImage& image, int y) {
    for (int x = 0; x < image.width(); ++x) {
      if (Inked(image, x, y)) return true;
    }
    return false;
  }

  static bool ColumnHasInk(const QImage& image, int x) {
    for (int y = 0; y < image.height(); ++y) {
      if (Inked(image, x, y)) return true;
    }
    return false;
  }
};

TEST_F(QtDrawing, LinesCoverThePixelsOfTheirIntegerCoordinates) {
  for (bool antialiased : {false, true}) {
    SCOPED_TRACE(antialiased ? "antialiased" : "aliased");
    const QImage image = Paint(
        80, 80,
        [](QtDeviceContext& dc) {
          dc.SelectPen({PenStyle::Solid, 1, 0x0000ff});  // red in the low byte
          dc.MoveTo(10, 20);
          dc.LineTo(50, 20);
          dc.LineTo(50, 60);  // on from the current position
          dc.SelectPen({PenStyle::Solid, 3, 0});
          dc.Polyline({{10, 70}, {40, 70}});
        },
        antialiased);
    EXPECT_EQ(image.pixel(30, 20), qRgb(255, 0, 0));
    EXPECT_FALSE(Inked(image, 30, 19));
    EXPECT_FALSE(Inked(image, 30, 21));
    EXPECT_EQ(image.pixel(50, 40), qRgb(255, 0, 0));
    EXPECT_FALSE(Inked(image, 49, 40));
    EXPECT_FALSE(Inked(image, 51, 40));
    // A pen three pixels wide covers the row of the line and one on each side.
    for (int y : {69, 70, 71})
      EXPECT_TRUE(Inked(image, 25, y)) << y;
    EXPECT_FALSE(Inked(image, 25, 68));
    EXPECT_FALSE(Inked(image, 25, 72));
  }
}

TEST_F(QtDrawing, ANullPenAndAMoveDrawNothing) {
  const QImage image = Paint(60, 60, [](QtDeviceContext& dc) {
    dc.SelectPen({PenStyle::Null, 5, 0});
    dc.MoveTo(0, 30);
    dc.LineTo(59, 30);
    dc.Arc(0, 0, 60, 60, 0, 0, 0, 0);
    dc.Polyline({{0, 0}, {59, 59}});
    dc.SelectPen({PenStyle::Solid, 1, 0});
    dc.MoveTo(5, 5);
  });
  EXPECT_TRUE(InkBox(image).isEmpty());
}

TEST_F(QtDrawing, BrokenPenStylesLeaveGaps) {
  const QImage image = Paint(200, 20, [](QtDeviceContext& dc) {
    dc.SelectPen({PenStyle::Dash, 0, 0});
    dc.MoveTo(0, 10);
    dc.LineTo(199, 10);
  });
  int inked = 0;
  for (int x = 0; x < 199; ++x)
    inked += Inked(image, x, 10) ? 1 : 0;
  EXPECT_GT(inked, 100);
  EXPECT_LT(inked, 190);
}

TEST_F(QtDrawing, ClipRectanglesIntersectAndCanBeRemoved) {
  const QImage image = Paint(100, 60, [](QtDeviceContext& dc) {
    dc.IntersectClipRect(40, 40, 20, 10);  // corners in reverse order
    dc.MoveTo(0, 20);
    dc.LineTo(99, 20);
    dc.IntersectClipRect(30, 0, 100, 60);  // narrows to x 30..39
    dc.MoveTo(0, 30);
    dc.LineTo(99, 30);
    dc.IntersectClipRect(0, 0, 10, 10);  // nothing left
    dc.MoveTo(0, 35);
    dc.LineTo(99, 35);
    dc.RemoveClip();
    dc.MoveTo(0, 50);
    dc.LineTo(99, 50);
  });
  // The rectangle covers the pixels 20..39 and 10..39: its right and bottom edges are outside.
  EXPECT_TRUE(Inked(image, 20, 20));
  EXPECT_TRUE(Inked(image, 39, 20));
  EXPECT_FALSE(Inked(image, 19, 20));
  EXPECT_FALSE(Inked(image, 40, 20));
  EXPECT_FALSE(Inked(image, 29, 30));
  EXPECT_TRUE(Inked(image, 30, 30));
  EXPECT_TRUE(Inked(image, 39, 30));
  EXPECT_FALSE(Inked(image, 40, 30));
  EXPECT_FALSE(RowHasInk(image, 35));
  EXPECT_TRUE(Inked(image, 0, 50));
  EXPECT_TRUE(Inked(image, 98, 50));
}

// A clip rectangle from one end of the int range to the other, whose sides do not fit an int,
// keeps what it holds, with the painter's clip and with the software clip alike.
TEST_F(QtDrawing, AClipAcrossTheIntRangeKeepsWhatItHolds) {
  constexpr int kLeast = std::numeric_limits<int>::min(), kMost = std::numeric_limits<int>::max();
  for (const bool software : {false, true}) {
    for (const int right : {kMost, 45}) {
      SCOPED_TRACE(testing::Message() << software << " " << right);
      QImage image(60, 60, QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      QtDeviceContext dc(painter, 96, 96, software);
      dc.IntersectClipRect(right, kMost, kLeast, kLeast);  // corners in reverse order
      dc.MoveTo(0, 30);
      dc.LineTo(40, 30);
      painter.end();
      EXPECT_TRUE(Inked(image, 1, 30));
      EXPECT_TRUE(Inked(image, 39, 30));
    }
  }
}

// A square with a square hole, filled by the painter's clip and by the software clip alike.
TEST_F(QtDrawing, FillsCoverTheirRingsLessTheHolesWithinTheClip) {
  for (const bool software : {false, true}) {
    SCOPED_TRACE(software);
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtDeviceContext dc(painter, 96, 96, software);
    dc.IntersectClipRect(0, 0, 45, 60);
    dc.FillPolygons(
        {{{10, 10}, {50, 10}, {50, 50}, {10, 50}}, {{20, 20}, {40, 20}, {40, 40}, {20, 40}}},
        0x000000);
    dc.FillPolygons({{{1, 1}, {2, 1}}}, 0x000000);  // two points enclose nothing
    painter.end();
    EXPECT_TRUE(Inked(image, 10, 10));
    EXPECT_TRUE(Inked(image, 15, 44));
    EXPECT_FALSE(Inked(image, 9, 30));
    EXPECT_FALSE(Inked(image, 30, 30));  // the hole
    EXPECT_FALSE(Inked(image, 30, 50));  // the ring's bottom edge is outside it
    EXPECT_TRUE(Inked(image, 44, 15));
    EXPECT_FALSE(Inked(image, 46, 15));  // beyond the clip
    EXPECT_FALSE(Inked(image, 1, 1));
  }
}

TEST_F(QtDrawing, WindowOriginMovesThatPointToTheTopLeft) {
  const QImage image = Paint(60, 60, [](QtDeviceContext& dc) {
    dc.SetWindowOrigin(100, 50);
    dc.MoveTo(110, 60);
    dc.LineTo(130, 60);
    dc.IntersectClipRect(100, 50, 115, 100);  // device x 0..14 while the origin holds
    dc.SetWindowOrigin(0, 0);
    dc.MoveTo(0, 40);
    dc.LineTo(59, 40);
  });
  EXPECT_TRUE(Inked(image, 10, 10));
  EXPECT_TRUE(Inked(image, 29, 10));
  EXPECT_FALSE(Inked(image, 9, 10));
  // The clip stays where it was set when the origin changes.
  EXPECT_TRUE(Inked(image, 14, 40));
  EXPECT_FALSE(Inked(image, 15, 40));
}

TEST_F(QtDrawing, AClosedArcTouchesEveryEdgeOfItsBox) {
  for (bool reversed : {false, true}) {
    SCOPED_TRACE(reversed ? "box given right to left, bottom to top" : "box in order");
    const QImage image = Paint(80, 60, [reversed](QtDeviceContext& dc) {
      if (reversed) {
        dc.Arc(70, 50, 10, 10, 70, 30, 70, 30);
      } else {
        dc.Arc(10, 10, 70, 50, 70, 30, 70, 30);
      }
    });
    // The box covers the pixels 10..69 and 10..49.
    EXPECT_EQ(InkBox(image), QRect(QPoint(10, 10), QPoint(69, 49)));
    EXPECT_TRUE(Inked(image, 10, 30));
    EXPECT_TRUE(Inked(image, 69, 30));
    EXPECT_TRUE(Inked(image, 40, 10));
    EXPECT_TRUE(Inked(image, 40, 49));
    EXPECT_FALSE(Inked(image, 40, 30));  // an outline, not a filled shape
  }
}

TEST_F(QtDrawing, ArcsRunCounterClockwiseFromStartToEnd) {
  // The circle of the box 0..101 has its centre at pixel 50 and radius 50.
  auto onCircle = [](double degrees) {
    const double a = degrees * 3.14159265358979323846 / 180;
    return QPoint(static_cast<int>(std::lround(50 + 50 * std::cos(a))),
                  static_cast<int>(std::lround(50 - 50 * std::sin(a))));
  };
  auto anyInkNear = [](const QImage& image, QPoint p) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (Inked(image, p.x() + dx, p.y() + dy)) return true;
      }
    }
    return false;
  };
  // From the right (start point far out on the radial) to the top: the upper right quarter.
  const QImage quarter =
      Paint(110, 110, [](QtDeviceContext& dc) { dc.Arc(0, 0, 101, 101, 500, 50, 50, 0); });
  EXPECT_TRUE(anyInkNear(quarter, onCircle(45)));
  EXPECT_FALSE(anyInkNear(quarter, onCircle(135)));
  EXPECT_FALSE(anyInkNear(quarter, onCircle(225)));
  EXPECT_FALSE(anyInkNear(quarter, onCircle(315)));
  // From the top to the right: three quarters, all but the upper right.
  const QImage rest =
      Paint(110, 110, [](QtDeviceContext& dc) { dc.Arc(0, 0, 101, 101, 50, 0, 101, 50); });
  EXPECT_FALSE(anyInkNear(rest, onCircle(45)));
  EXPECT_TRUE(anyInkNear(rest, onCircle(135)));
  EXPECT_TRUE(anyInkNear(rest, onCircle(225)));
  EXPECT_TRUE(anyInkNear(rest, onCircle(315)));
}

TEST_F(QtDrawing, FontsAreAsHighAsAskedAndNeverHigher) {
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter painter(&image);
  QtDeviceContext dc(painter, 96, 96);
  for (int height : {8, 13, 40, 101, 600}) {
    SCOPED_TRACE(height);
    ASSERT_TRUE(dc.SelectFont({height, 0, false, "ＭＳ 明朝"}));
    EXPECT_TRUE(QFontInfo(dc.font()).family().contains("IPA"));
    const double cell = CellHeight(dc.font(), &image);
    EXPECT_LE(cell, height);
    // One pixel of font size adds little more than a pixel of cell height.
    EXPECT_GT(cell, height - 2.0);
  }
}

TEST_F(QtDrawing, FontsForAHighResolutionPdfPageFitToo) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setResolution(600);
  QPainter painter(&pdf);
  QtDeviceContext dc(painter, 600, 600);
  ASSERT_TRUE(dc.SelectFont({83, 0, false, "ＭＳ ゴシック"}));
  const double cell = CellHeight(dc.font(), &pdf);
  EXPECT_LE(cell, 83);
  EXPECT_GT(cell, 81);
  dc.TextOut(100, 100, "地中の鉛直増加応力");
  painter.end();
  EXPECT_TRUE(buffer.data().startsWith("%PDF"));
}

TEST_F(QtDrawing, FontsThatCannotBeMadeKeepThePreviousFont) {
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter painter(&image);
  QtDeviceContext dc(painter, 96, 96);
  ASSERT_TRUE(dc.SelectFont({20, 0, false, "ＭＳ ゴシック"}));
  const QFont before = dc.font();
  EXPECT_FALSE(dc.SelectFont({0, 0, false, "ＭＳ ゴシック"}));
  EXPECT_FALSE(dc.SelectFont({-12, 0, false, "ＭＳ ゴシック"}));
  EXPECT_FALSE(dc.SelectFont({16385, 0, false, "ＭＳ ゴシック"}));
  EXPECT_FALSE(dc.SelectFont({20, 0, false, ""}));
  EXPECT_FALSE(dc.SelectFont({20, 0, false, "   "}));
  EXPECT_EQ(dc.font(), before);
  // A face that is not installed still gives a font, through substitution.
  EXPECT_TRUE(dc.SelectFont({20, 0, true, "No Such Face"}));
  EXPECT_TRUE(dc.font().underline());
}

TEST_F(QtDrawing, TextHangsBelowItsReferencePointWithinTheCellHeight) {
  const QImage image = Paint(300, 120, [](QtDeviceContext& dc) {
    ASSERT_TRUE(dc.SelectFont({40, 0, false, "ＭＳ 明朝"}));
    dc.SetTextColour(0x0000ff);
    dc.SetTransparentBackground();
    dc.TextOut(20, 30, "地盤Agjy");
  });
  const QRect ink = InkBox(image);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.top(), 30);
  EXPECT_LT(ink.bottom(), 30 + 40);
  EXPECT_GE(ink.left(), 20);
  EXPECT_LT(ink.left(), 30);
  EXPECT_GT(ink.height(), 25);  // tall characters and descenders span most of the cell
  // The text colour is the red of the low byte.
  bool red = false;
  for (int y = ink.top(); y <= ink.bottom() && !red; ++y) {
    for (int x = ink.left(); x <= ink.right(); ++x) {
      if (image.pixel(x, y) == qRgb(255, 0, 0)) red = true;
    }
  }
  EXPECT_TRUE(red);
}

TEST_F(QtDrawing, CentredTextIsCentredOnItsReferencePoint) {
  const QImage image = Paint(300, 80, [](QtDeviceContext& dc) {
    ASSERT_TRUE(dc.SelectFont({30, 0, false, "ＭＳ ゴシック"}));
    dc.SetTextAlign(TextAlign::CentreTop);
    dc.TextOut(150, 20, "鉛直増加応力");
  });
  const QRect ink = InkBox(image);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_NEAR((ink.left() + ink.right()) / 2.0, 150.0, 3.0);
  EXPECT_GT(ink.width(), 120);  // six full-width characters about 29 pixels apart
  EXPECT_GE(ink.top(), 20);
}

// A text on a halo clears the paper around its glyphs: a thick black line struck through it
// shows white beside the strokes, as far as the halo reaches and no farther; without a halo the
// line stays whole. A paper fill whitens its box.
TEST_F(QtDrawing, AHaloClearsThePaperAroundTheGlyphsAndPaperFillsTheirBox) {
  for (const int halo : {0, 4}) {
    SCOPED_TRACE(halo);
    const QImage image = Paint(300, 100, [halo](QtDeviceContext& dc) {
      dc.SelectPen({PenStyle::Solid, 12, 0x000000});
      dc.MoveTo(0, 45);
      dc.LineTo(300, 45);
      ASSERT_TRUE(dc.SelectFont({40, 0, false, "ＭＳ 明朝"}));
      dc.SetTextColour(0x0000ff);
      dc.SetTextHalo(halo);
      dc.TextOut(20, 25, "1234");
      dc.FillPaper(250, 30, 280, 60);
    });
    int white = 0;
    for (int x = 20; x < 200; ++x)
      for (int y = 40; y <= 50; ++y)
        if (image.pixel(x, y) == qRgb(255, 255, 255)) ++white;
    if (halo == 0) {
      EXPECT_EQ(white, 0);
    } else {
      EXPECT_GT(white, 20);
    }
    EXPECT_EQ(image.pixel(260, 45), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(10, 45), qRgb(0, 0, 0));  // beyond the text the line is whole
  }
}

TEST_F(QtDrawing, EscapementTurnsTheTextCounterClockwiseAboutItsReferencePoint) {
  const QImage image = Paint(200, 200, [](QtDeviceContext& dc) {
    ASSERT_TRUE(dc.SelectFont({30, 900, false, "ＭＳ ゴシック"}));
    dc.TextOut(100, 150, "応力応力");
  });
  // Turned by 90 degrees the text reads upwards from the reference point and its top faces
  // left, so it lies right of x = 100 and above y = 150.
  const QRect ink = InkBox(image);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 100);
  EXPECT_LT(ink.right(), 100 + 30);
  EXPECT_LE(ink.bottom(), 150);
  EXPECT_GT(ink.height(), 100);
}

// The numbers of every points="..." and d="..." attribute of an SVG text.
std::vector<double> SvgShapeCoordinates(const QString& svg) {
  std::vector<double> numbers;
  static const QRegularExpression attribute(R"re((?:\spoints|\sd)="([^"]*)")re");
  static const QRegularExpression number(R"(-?\d+(?:\.\d+)?(?:e-?\d+)?)");
  for (const auto& match : attribute.globalMatch(svg)) {
    for (const auto& n : number.globalMatch(match.captured(1))) {
      numbers.push_back(n.captured(0).toDouble());
    }
  }
  return numbers;
}

// On a screen, small text keeps the shapes of its glyphs (unhinted) while large text and text
// on paper are drawn as before; the ink stays where the text was placed.
TEST_F(QtDrawing, SmallScreenTextIsDrawnUnhintedInPlace) {
  const std::string numbers = "38.295 18.124";
  auto draw = [&](int height, bool trueShape) {
    QImage image(260, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QtDeviceContext dc(painter, 96, 96);
    dc.DrawSmallTextTrueShape(trueShape);
    EXPECT_TRUE(dc.SelectFont({height, 0, false, "ＭＳ 明朝"}));
    dc.TextOut(10, 10, numbers);
    painter.end();
    return image;
  };
  struct Case {
    int height;
    bool drawnDifferently;
  };
  for (const Case& c : {Case{12, true}, Case{14, true}, Case{30, false}}) {
    SCOPED_TRACE(c.height);
    const QImage asBefore = draw(c.height, false);
    const QImage onScreen = draw(c.height, true);
    EXPECT_EQ(onScreen != asBefore, c.drawnDifferently);
    const QRect before = InkBox(asBefore), after = InkBox(onScreen);
    EXPECT_LE(std::abs(after.left() - before.left()), 1);
    EXPECT_LE(std::abs(after.right() - before.right()), 2);
    EXPECT_LE(std::abs(after.top() - before.top()), 1);
  }
}

TEST_F(QtDrawing, SvgOutputIsClippedInTheDrawingLayer) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(200, 200));
  svg.setViewBox(QRect(0, 0, 200, 200));
  QPainter painter(&svg);
  QtDeviceContext dc(painter, 96, 96, /*clipInSoftware=*/true);
  ASSERT_TRUE(dc.SelectFont({12, 0, false, "ＭＳ 明朝"}));
  dc.IntersectClipRect(100, 100, 50, 50);
  dc.MoveTo(0, 75);
  dc.LineTo(199, 75);                           // crosses the clip
  dc.Polyline({{0, 0}, {199, 199}, {199, 0}});  // a diagonal through it, then outside
  dc.Polyline({{0, 10}, {199, 10}});            // entirely outside
  dc.Arc(0, 0, 200, 200, 100, 0, 100, 0);       // a circle round the clip: outside
  dc.Arc(60, 60, 140, 140, 0, 0, 0, 0);         // a circle whose upper left arc is inside
  dc.TextOut(10, 10, "outside");
  dc.TextOut(60, 60, "inside");
  painter.end();

  const QString text = QString::fromUtf8(buffer.data());
  const std::vector<double> numbers = SvgShapeCoordinates(text);
  // The horizontal line and the diagonal leave two points each, the arc many more; all of them
  // lie within the clip.
  ASSERT_GE(numbers.size(), 4u + 4u + 20u) << text.toStdString();
  for (double n : numbers) {
    EXPECT_GE(n, 50.0);
    EXPECT_LE(n, 100.0);
  }
  EXPECT_TRUE(text.contains("inside"));
  EXPECT_FALSE(text.contains("outside"));
}

TEST_F(QtDrawing, SvgClipStaysOnTheSurfaceWhenTheOriginMoves) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(200, 200));
  QPainter painter(&svg);
  QtDeviceContext dc(painter, 96, 96, true);
  dc.SetWindowOrigin(100, 100);
  dc.IntersectClipRect(150, 150, 200, 200);  // the surface's 50..100
  dc.SetWindowOrigin(0, 0);
  dc.MoveTo(0, 75);
  dc.LineTo(199, 75);
  dc.TextOut(40, 75, "left");
  dc.TextOut(60, 75, "middle");
  painter.end();
  const QString text = QString::fromUtf8(buffer.data());
  const std::vector<double> numbers = SvgShapeCoordinates(text);
  ASSERT_EQ(numbers.size(), 4u) << text.toStdString();
  EXPECT_EQ(numbers[0], 50.5);
  EXPECT_EQ(numbers[2], 99.5);
  EXPECT_FALSE(text.contains("left"));
  EXPECT_TRUE(text.contains("middle"));
}

TEST_F(QtDrawing, SvgOutputWithoutAClipKeepsEverything) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(200, 200));
  QPainter painter(&svg);
  QtDeviceContext dc(painter, 96, 96, true);
  dc.IntersectClipRect(50, 50, 100, 100);
  dc.RemoveClip();
  dc.MoveTo(0, 75);
  dc.LineTo(199, 75);
  painter.end();
  const std::vector<double> numbers = SvgShapeCoordinates(QString::fromUtf8(buffer.data()));
  ASSERT_FALSE(numbers.empty());
  EXPECT_LT(*std::min_element(numbers.begin(), numbers.end()), 1.0);
  EXPECT_GT(*std::max_element(numbers.begin(), numbers.end()), 199.0);
}

}  // namespace
}  // namespace qel
