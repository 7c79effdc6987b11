// The commands of the load menus that enter data: the load lists and the calculation points.
#pragma once

namespace qel {

class CQelApp;

// "荷重1" and "荷重2": the strip pieces of load set 1 or 2.
void OnStripLoads(CQelApp& app, int set);
// "長方形荷重" and "円形荷重".
void OnRectLoads(CQelApp& app);
void OnCircleLoads(CQelApp& app);
// "計算点" of the strip menu and of the rectangle/circle menu; the dialog opens again while a
// value is negative.
void OnStripPoints(CQelApp& app);
void OnLatticePoints(CQelApp& app);

}  // namespace qel
