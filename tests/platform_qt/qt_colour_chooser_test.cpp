// Colours between the settings' form (red in the lowest byte) and Qt's.
#include "platform/qt/widgets/qt_colour_chooser.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(QtColourChooser, StoredColoursKeepRedInTheLowestByte) {
  const struct {
    std::uint32_t stored;
    QColor colour;
  } cases[] = {
      {0x0000ff, QColor(255, 0, 0)},        {0x00ff00, QColor(0, 255, 0)},
      {0xff0000, QColor(0, 0, 255)},        {0x808080, QColor(128, 128, 128)},
      {0x123456, QColor(0x56, 0x34, 0x12)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QColorOf(c.stored), c.colour) << std::hex << c.stored;
    EXPECT_EQ(ColourValueOf(c.colour), c.stored) << std::hex << c.stored;
  }
  // A colour chosen in another colour model is stored by its RGB value.
  EXPECT_EQ(ColourValueOf(QColor::fromHsv(0, 255, 255)), 0x0000ffu);
}

}  // namespace
}  // namespace qel
