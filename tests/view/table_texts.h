// Reads the texts of a recorded table page back, with their device positions, and renders
// pages of a table for the table tests.
#pragma once

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "support/render_world.h"
#include "test_support/recording_device_context.h"

namespace qel::test {

struct DrawnText {
  int x = 0, y = 0;
  std::string text;
  bool operator==(const DrawnText&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const DrawnText& t) {
  return out << "(" << t.x << ", " << t.y << ", \"" << t.text << "\")";
}

// The texts drawn after the second font was selected: the body of a table, without its title.
inline std::vector<DrawnText> BodyTexts(const RecordingDeviceContext& dc) {
  std::vector<DrawnText> texts;
  int fonts = 0;
  for (const std::string& line : dc.lines()) {
    if (line.rfind("font ", 0) == 0) ++fonts;
    int x = 0, y = 0, consumed = 0;
    if (fonts >= 2 && std::sscanf(line.c_str(), "text %d %d%n", &x, &y, &consumed) == 2)
      texts.push_back({x, y, line.substr(static_cast<std::size_t>(consumed) + 1)});
  }
  return texts;
}

// Just the strings of BodyTexts.
inline std::vector<std::string> BodyStrings(const RecordingDeviceContext& dc) {
  std::vector<std::string> strings;
  for (const DrawnText& text : BodyTexts(dc))
    strings.push_back(text.text);
  return strings;
}

using TableRenderer = int (*)(RenderContext&, DeviceContext*, bool);

// Draws page `page` of a table on a fresh recording device with the world's resolution.
inline RecordingDeviceContext DrawTablePageOf(RenderWorld& world, TableRenderer render, int page) {
  RecordingDeviceContext dc(world.geometry.dpiX, world.geometry.dpiY);
  world.view.currentPage = page;
  render(world.Ctx(), &dc, true);
  return dc;
}

// The body texts of every page of a table, page by page.
inline std::vector<std::vector<DrawnText>> AllPages(RenderWorld& world, TableRenderer render) {
  int pages = render(world.Ctx(), nullptr, false);
  std::vector<std::vector<DrawnText>> all;
  for (int page = 1; page <= pages; ++page)
    all.push_back(BodyTexts(DrawTablePageOf(world, render, page)));
  return all;
}

}  // namespace qel::test
